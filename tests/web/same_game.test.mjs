// The same game in the page as on the desktop: scripts give the native traces byte for byte,
// their screenshots the pinned pictures' pixels, and recordings cross over both ways.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import {
  browsers, clickGamePixel, launch, nativeTrace, openPage, pngPixelHash, root, runScript, startGame,
  startServer, urlOf, waitForTitle,
} from "./support.mjs";

const runs = ["defeat_fall", "defeat_fire", "victory"];
const runText = (name) => readFileSync(join(root, "tests", "runs", `${name}.txt`), "utf8");

// The pinned screens' flows, as the native golden-picture test takes them: a script fragment,
// then a picture of one form. Each button of a screen is pictured under the mouse and after.
function screen(steps, script, name, form, buttons) {
  steps.push([script, name, form]);
  for (const b of buttons) {
    steps.push([`move ${form} ${b}\n`, `${name}.${b}.hover`, form]);
    steps.push([`move ${form}\n`, `${name}.${b}.restored`, form]);
  }
  return steps;
}
function flows() {
  const menus = [["wait 1000\n", "intro.1s", "intro"], ["wait 2000\n", "intro.3s", "intro"],
    ["wait 5000\n", "intro.8s", "intro"]];
  screen(menus, "wait 2000\n", "menu", "izvelne", ["Command1", "Command2", "Command4", "Command3"]);
  screen(menus, "click izvelne Command2\n", "options", "options", ["Command1", "Command3", "Command2"]);
  menus.push(["click options Command3\n", "options.sound_off", "options"],
    ["move options Command3\n", "options.sound_off.over_greyed", "options"],
    ["click options Command1\n", "options.sound_on", "options"]);
  screen(menus, "click options Command2\nclick izvelne Command4\n", "about", "about", ["Command1"]);
  const victory = runText("victory"), cut = victory.indexOf("\nclick aik Command1\n") + 1;
  const win = screen([], victory.slice(0, cut), "aik", "aik", ["Command1", "Command2"]);
  screen(win, victory.slice(cut), "win", "win", ["Command1", "Command2"]);
  const defeat = screen([], runText("defeat_fall"), "lose", "lose", ["Command1", "Command2"]);
  return { menus, victory: win, defeat };
}
const pinned = (flow) => new Map(readFileSync(join(root, "tests/screens/golden", `${flow}.txt`), "utf8")
  .split("\n").filter((l) => l && !l.startsWith("#")).map((l) => [l.split(" ")[0], l.split(" ").slice(1).join(" ")]));

for (const name of browsers) {
  describe(name, { timeout: 600000 }, () => {
    let server, browser, page;
    before(async () => {
      server = await startServer();
      browser = await launch(name);
      page = await openPage(browser);
    });
    after(async () => {
      await browser?.close();
      server?.close();
    });

    for (const run of runs)
      test(`recorded run ${run}: the native trace, byte for byte`, async () => {
        const result = await runScript(page, server, `runs/${run}.txt`);
        assert.equal(result.status, 0);
        assert.ok(result.trace === nativeTrace(join(root, "tests/runs", `${run}.txt`)), "traces differ");
        assert.match(result.stats, /^ticks \d+/);
      });

    for (const [flow, steps] of Object.entries(flows()))
      test(`screenshots of the ${flow} flow: the pinned pixels`, async () => {
        const script = steps.map(([s, picture, form]) => `${s}screenshot /run/${picture}.png ${form}\n`).join("");
        assert.equal((await runScript(page, server, `${flow}.txt`, script)).status, 0);
        const expected = pinned(flow);
        assert.equal(expected.size, new Set(steps.map((s) => s[1])).size);
        for (const [, picture] of steps) {
          const png = Buffer.from(await page.evaluate((p) => [...FS.readFile(p)], `/run/${picture}.png`));
          assert.equal(pngPixelHash(png), expected.get(picture), picture);
        }
      });

    test("a native recording replays in the page to the native trace", async () => {
      await startGame(page, urlOf(server, "index.html?replay=runs/defeat_fall.txt"));
      await page.waitForFunction(() => window.dunspelt.done, { timeout: 60000, polling: 200 });
      const { status, trace } = await page.evaluate(() => ({ ...window.dunspelt }));
      assert.equal(status, 0);
      assert.equal(trace, nativeTrace(join(root, "tests/runs/defeat_fall.txt")));
    });

    test("a game recorded in the page replays natively to the page's trace", async () => {
      await startGame(page, urlOf(server, "index.html?record&trace"));
      await waitForTitle(page, "Menu", 15000);
      await clickGamePixel(page, 312 + 84, 120 + 48);
      await page.waitForFunction(() => window.dunspelt.readTrace().includes('"show","form":"FrmMain"'));
      await page.keyboard.down("ArrowRight");
      await new Promise((r) => setTimeout(r, 400));
      await page.keyboard.up("ArrowRight");
      // Held across ticks: a tap between two would not be seen, as on the desktop.
      await page.keyboard.down("Escape");
      await new Promise((r) => setTimeout(r, 100));
      await page.keyboard.up("Escape");
      await page.waitForFunction(() => window.dunspelt.done, { timeout: 20000 });
      // The page says the game has ended and offers to play again (and the recording).
      const cover = await page.$eval("#cover", (c) => [c.hidden, c.innerText]);
      assert.deepEqual([cover[0], /has ended[\s\S]*Play again[\s\S]*Save the recording/.test(cover[1])], [false, true]);
      await page.screenshot({ path: `${process.env.DUNSPELT_SHOTS || "/tmp"}/dunspelt-${name}-ended.png` });
      const { recording, trace } = await page.evaluate(() =>
        ({ recording: FS.readFile("/run/dunspelt.rec", { encoding: "utf8" }), trace: window.dunspelt.trace }));
      const file = join(process.env.TMPDIR || "/tmp", `dunspelt-${name}-page.rec`);
      (await import("node:fs")).writeFileSync(file, recording);
      const withoutMs = (t) => t.replace(/^\{"ms":\d+,/gm, "{");
      assert.equal(withoutMs(nativeTrace(file)), withoutMs(trace));
    });
  });
}
