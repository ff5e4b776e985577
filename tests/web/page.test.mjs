// The page played as a player plays it, in each browser: start, menu, level 1, keys, the
// mouse through the letterbox, pause on a hidden tab, settings kept across a reload.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import {
  browsers, clickGamePixel, fitted, launch, openPage, plugPad, startGame, startServer, traceOf,
  urlOf, waitForTitle,
} from "./support.mjs";

// The menu's start button (Command1 of izvelne), in game pixels.
const startButton = { x: 312 + 84, y: 120 + 48 };
const shots = process.env.DUNSPELT_SHOTS || "/tmp";
const player = (trace) => trace.filter((l) => l.tick).at(-1).Actors[0];

for (const name of browsers) {
  describe(name, { timeout: 240000 }, () => {
    let server, browser;
    before(async () => {
      server = await startServer();
      browser = await launch(name);
    });
    after(async () => {
      await browser?.close();
      server?.close();
    });

    test("intro, menu, a real click on start, a held Right and a pad walk, a hidden tab pauses", async () => {
      const page = await openPage(browser);
      const opened = Date.now();
      await startGame(page, urlOf(server, "index.html?trace"));
      await waitForTitle(page, "video", 2000);
      console.log(`${name}: intro on screen ${Date.now() - opened} ms after navigation`);
      await waitForTitle(page, "Menu", 15000);
      await clickGamePixel(page, startButton.x, startButton.y);
      await page.waitForFunction(() => window.dunspelt.readTrace().includes('"show","form":"FrmMain"'));
      await new Promise((r) => setTimeout(r, 500));
      const standing = player(await traceOf(page)).X;
      await page.keyboard.down("ArrowRight");
      await new Promise((r) => setTimeout(r, 600));
      await page.keyboard.up("ArrowRight");
      assert.ok(player(await traceOf(page)).X > standing + 50, "the player walked right");

      // A pad plugged in while playing walks the player with its d-pad, and goes when pulled.
      const pad = await plugPad(page);
      await page.waitForFunction(() => window.dunspelt.readTrace().includes('"event":"pad-added"'));
      const before = player(await traceOf(page)).X;
      await pad.press(15, true);
      await new Promise((r) => setTimeout(r, 600));
      await pad.press(15, false);
      assert.ok(player(await traceOf(page)).X > before + 50, "the pad walked the player right");
      await pad.unplug();
      await page.waitForFunction(() => window.dunspelt.readTrace().includes('"event":"pad-removed"'));

      // Another tab in front hides this one: the game pauses as when its window is minimised.
      const other = await browser.newPage();
      await other.bringToFront();
      await page.waitForFunction(() => document.visibilityState === "hidden", { timeout: 5000 });
      await new Promise((r) => setTimeout(r, 1500));
      await page.bringToFront();
      await other.close();
      await page.waitForFunction(() => window.dunspelt.readTrace().includes('"event":"pause"'), { timeout: 5000 });
      assert.deepEqual(page.errors, []);
      await page.close();
    });

    for (const [width, height] of [[1280, 720], [1920, 1080]]) {
      test(`${width}x${height}: letterboxed, and a click on a bar hits nothing`, async () => {
        const page = await openPage(browser, width, height);
        await startGame(page, urlOf(server, "index.html?trace"));
        await waitForTitle(page, "Menu", 15000);
        const r = fitted(width, height);
        const pixel = (x, y) => page.evaluate((x, y) =>
          [...document.getElementById("canvas").getContext("2d").getImageData(x, y, 1, 1).data], x, y);
        assert.deepEqual(await pixel(Math.floor(r.x / 2), height / 2), [0, 0, 0, 255], "left bar black");
        assert.deepEqual(await pixel(width - 1 - Math.floor(r.x / 2), height / 2), [0, 0, 0, 255]);
        assert.notDeepEqual(await pixel(r.x + r.width / 2, r.y + r.height / 2), [0, 0, 0, 255]);
        const shot = (what) => page.screenshot({ path: `${shots}/dunspelt-${name}-${width}x${height}-${what}.png` });
        await shot("menu");
        // On both bars at the start button's height, and just left of the picture's edge.
        for (const x of [2, r.x - 1, r.x + r.width + 1, width - 3])
          await page.mouse.click(x, r.y + (startButton.y + 0.5) * r.scale);
        await new Promise((r) => setTimeout(r, 500));
        assert.equal(await page.title(), "Menu", "a click on a bar started nothing");
        await clickGamePixel(page, startButton.x, startButton.y);
        await page.waitForFunction(() => window.dunspelt.readTrace().includes('"show","form":"FrmMain"'));
        await new Promise((r) => setTimeout(r, 1000));
        await shot("level1");
        // F12 hands the player a PNG of the game's picture as a download.
        await page.evaluate(() => {
          HTMLAnchorElement.prototype.click = function () {
            fetch(this.href).then((r) => r.blob()).then((b) => (window.offered = [this.download, b.size]));
          };
        });
        await page.keyboard.down("F12");
        await new Promise((r) => setTimeout(r, 100));
        await page.keyboard.up("F12");
        await page.waitForFunction(() => window.offered, { timeout: 5000 });
        const [file, size] = await page.evaluate(() => window.offered);
        assert.match(file, /^dunspelt-.*\.png$/);
        assert.ok(size > 1000, "a picture, not an empty file");
        await page.close();
      });
    }

    test("settings survive a reload", async () => {
      const page = await openPage(browser);
      await startGame(page, urlOf(server, "index.html"));
      await waitForTitle(page, "video", 5000);
      // F11 asks for fullscreen and remembers the choice in the settings file.
      await page.keyboard.press("F11");
      const stored = () => page.evaluate(() =>
        FS.analyzePath("/settings/settings.ini").exists ? FS.readFile("/settings/settings.ini", { encoding: "utf8" }) : "");
      await page.waitForFunction(() => FS.readFile("/settings/settings.ini", { encoding: "utf8" }).includes("fullscreen = true"));
      await new Promise((r) => setTimeout(r, 1000));
      await page.reload();
      await page.waitForFunction(() => document.getElementById("message").textContent.startsWith("Click"));
      assert.match(await stored(), /^fullscreen = true$/m);
      await page.close();
    });
  });
}
