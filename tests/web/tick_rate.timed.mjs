// The page's tick rate over 20 s of level 1 in Chromium. A timing test: it needs the machine to
// itself, so `make test` runs it after the other tests (the name keeps it out of `node --test`'s
// default files).
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { launch, levelOneStats, startServer } from "./support.mjs";

let server, browser;
before(async () => {
  server = await startServer();
  browser = await launch("chromium");
});
after(async () => {
  await browser?.close();
  server?.close();
});

test("chromium: 20 s of level 1 hold 100 ticks a second", { timeout: 120000 }, async () => {
  const { stats, title } = await levelOneStats(browser, server, 20);
  console.log(`chromium: ${stats}`);
  assert.match(title, /LEVEL 1/);
  assert.ok(Math.abs(Number(/([\d.]+) ticks\/s/.exec(stats)[1]) - 100) <= 0.5, stats);
});
