// Shared fixtures of the browser tests: a static server for build/web (plus the recorded runs
// and the scripts a test makes), Debian's Chromium and Firefox through puppeteer-core, and
// helpers to drive the page and read what the game wrote.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { createServer } from "node:http";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";
import { inflateSync } from "node:zlib";
import puppeteer from "puppeteer-core";

export const root = new URL("../..", import.meta.url).pathname;
const build = process.env.DUNSPELT_BUILD || join(root, "build");
const webDir = join(build, "web");
const types = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm" };

// Serves build/web at /, tests/runs at /runs/, and what `scripts` holds at /made/NAME.
export const scripts = new Map();
export function startServer() {
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    let body;
    try {
      if (path.startsWith("/made/") && scripts.has(path.slice(6))) body = scripts.get(path.slice(6));
      else if (path.startsWith("/runs/")) body = readFileSync(join(root, "tests", normalize(path)));
      else body = readFileSync(join(webDir, normalize(path === "/" ? "/index.html" : path)));
    } catch {
      response.writeHead(404).end();
      return;
    }
    // Cross-origin isolated (the page loads nothing from elsewhere anyway): the browsers then time
    // to a few microseconds instead of 0.1 ms (Chromium) or 1 ms (Firefox), which the tick
    // figures need.
    response.writeHead(200, {
      "content-type": types[extname(path)] || "application/octet-stream",
      "cross-origin-opener-policy": "same-origin",
      "cross-origin-embedder-policy": "require-corp",
    });
    response.end(body);
  });
  return new Promise((done) => server.listen(0, "127.0.0.1", () => done(server)));
}
export const urlOf = (server, query = "") => `http://127.0.0.1:${server.address().port}/${query}`;

// Both browsers, or the one named by DUNSPELT_BROWSERS (chromium, firefox).
export const browsers = (process.env.DUNSPELT_BROWSERS || "chromium,firefox").split(",");
export async function launch(name) {
  if (name === "firefox")
    return puppeteer.launch({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true });
  const profile = mkdtempSync(join(tmpdir(), "dunspelt-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      `--user-data-dir=${profile}`],
  });
  // The profile goes once Chromium has let go of it (it may still write for a moment).
  browser.on("disconnected", () => setTimeout(() => {
    try { rmSync(profile, { recursive: true, force: true, maxRetries: 5 }); } catch {}
  }, 1000));
  return browser;
}

// A page at `width` x `height` that keeps its console errors in `page.errors`.
export async function openPage(browser, width = 1280, height = 720) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  page.errors = [];
  page.on("console", (m) => m.type() === "error" && page.errors.push(m.text()));
  page.on("pageerror", (e) => page.errors.push(String(e)));
  return page;
}

// Opens the page and starts the game with a click on the still cover.
export async function startGame(page, url) {
  await page.goto(url);
  await page.waitForFunction(() => document.getElementById("message").textContent.startsWith("Click"));
  await page.click("#cover");
}
export const waitForTitle = (page, title, timeout = 20000) =>
  page.waitForFunction((t) => document.title === t, { timeout, polling: 50 }, title);

// The trace so far (needs &trace in the page's address), one object per line.
export async function traceOf(page) {
  const text = await page.evaluate(() => window.dunspelt.readTrace());
  return text.split("\n").filter(Boolean).map((line) => JSON.parse(line));
}

// A pad as the browser's Gamepad API shows it ("standard" layout), plugged in and out by
// events as a real one is; `press(button, down)` holds one of its buttons.
export async function plugPad(page) {
  await page.evaluate(() => {
    const pad = { id: "Test pad", index: 0, connected: true, mapping: "standard", timestamp: 1,
      axes: [0, 0, 0, 0], buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
    window.testPad = pad;
    navigator.getGamepads = () => [pad.connected ? pad : null];
    const plugged = new Event("gamepadconnected");
    plugged.gamepad = pad;
    window.dispatchEvent(plugged);
  });
  return {
    press: (button, down) => page.evaluate((b, d) => {
      Object.assign(testPad.buttons[b], { pressed: d, value: d ? 1 : 0 });
      testPad.timestamp++;
    }, button, down),
    unplug: () => page.evaluate(() => {
      testPad.connected = false;
      const unplugged = new Event("gamepaddisconnected");
      unplugged.gamepad = testPad;
      window.dispatchEvent(unplugged);
    }),
  };
}

// Where a full-size screen (794 x 575) sits on a `width` x `height` canvas: fitted, centred.
export function fitted(width, height, picture = { width: 794, height: 575 }) {
  const scale = Math.min(width / picture.width, height / picture.height);
  const w = Math.round(picture.width * scale), h = Math.round(picture.height * scale);
  return { x: Math.floor((width - w) / 2), y: Math.floor((height - h) / 2), width: w, height: h, scale };
}
// A real mouse click on the canvas at a game pixel of a full-size screen.
export async function clickGamePixel(page, x, y) {
  const { width, height } = page.viewport();
  const r = fitted(width, height);
  await page.mouse.click(r.x + (x + 0.5) * r.scale, r.y + (y + 0.5) * r.scale);
}

// Runs a headless-format script in the page and returns window.dunspelt when it is done.
export async function runScript(page, server, name, text) {
  if (text !== undefined) scripts.set(name, text);
  const url = urlOf(server, `index.html?script=${text === undefined ? name : `made/${name}`}`);
  await page.goto(url);
  await page.waitForFunction(() => window.dunspelt.done, { timeout: 120000, polling: 200 });
  return page.evaluate(() => ({ ...window.dunspelt }));
}

// The native game's trace of a script, for comparison.
export function nativeTrace(scriptPath) {
  const dir = mkdtempSync(join(tmpdir(), "dunspelt-native-"));
  try {
    execFileSync(join(build, "app", "dunspelt"),
      ["--headless", "--script", scriptPath, "--trace", join(dir, "t.jsonl")], { stdio: "ignore" });
    return readFileSync(join(dir, "t.jsonl"), "utf8");
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// The pixels of a PNG (8-bit RGB or RGBA, not interlaced) hashed as the golden pictures are:
// FNV-1a 64 over the width, the height and each pixel's 0xRRGGBB, little-endian words.
export function pngPixelHash(png) {
  let pos = 8, width = 0, height = 0, channels = 0;
  const idat = [];
  while (pos < png.length) {
    const length = png.readUInt32BE(pos), type = png.toString("latin1", pos + 4, pos + 8);
    const data = png.subarray(pos + 8, pos + 8 + length);
    if (type === "IHDR") {
      [width, height] = [data.readUInt32BE(0), data.readUInt32BE(4)];
      channels = { 2: 3, 6: 4 }[data[9]];
      if (data[8] !== 8 || !channels || data[12] !== 0) throw new Error("unsupported PNG");
    } else if (type === "IDAT") idat.push(data);
    pos += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat)), stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? pixels[y * stride + i - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
      const c = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      pixels[y * stride + i] = (line[i] + predictor) & 0xff;
    }
  }
  let h = 0xcbf29ce484222325n;
  const mix = (value) => {
    for (let i = 0; i < 4; i++) h = ((h ^ BigInt((value >>> (8 * i)) & 0xff)) * 0x100000001b3n) & 0xffffffffffffffffn;
  };
  mix(width);
  mix(height);
  for (let i = 0; i < pixels.length; i += channels) mix((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
  return `${width}x${height} ${h.toString(16).padStart(16, "0")}`;
}

// The page's tick figures (window.dunspelt.stats) over `seconds` of level 1, counted from the
// level's first tick.
export async function levelOneStats(browser, server, seconds) {
  const page = await openPage(browser);
  try {
    await startGame(page, urlOf(server, "index.html"));
    await waitForTitle(page, "Menu", 20000);
    await clickGamePixel(page, 312 + 84, 120 + 48);
    await page.waitForFunction(() => /^ticks [1-9]/.test(window.dunspelt.stats), { polling: 50 });
    await new Promise((r) => setTimeout(r, seconds * 1000));
    return { stats: await page.evaluate(() => window.dunspelt.stats), title: await page.title() };
  } finally {
    await page.close();
  }
}
