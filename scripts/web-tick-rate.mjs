// The page's tick figures over some seconds of level 1, in one browser:
//   node scripts/web-tick-rate.mjs chromium|firefox [SECONDS]   (after make web and npm ci in tests/web)
// prints window.dunspelt.stats as --stats gives them, from the level's first tick.
import {
  clickGamePixel, launch, openPage, startGame, startServer, urlOf, waitForTitle,
} from "../tests/web/support.mjs";

const [name = "chromium", seconds = "20"] = process.argv.slice(2);
const server = await startServer();
const browser = await launch(name);
try {
  const page = await openPage(browser);
  await startGame(page, urlOf(server, "index.html"));
  await waitForTitle(page, "Menu", 20000);
  await clickGamePixel(page, 312 + 84, 120 + 48);
  await page.waitForFunction(() => /^ticks [1-9]/.test(window.dunspelt.stats), { polling: 50 });
  await new Promise((r) => setTimeout(r, Number(seconds) * 1000));
  console.log(`${name}: ${await page.evaluate(() => window.dunspelt.stats)} (${await page.title()})`);
} finally {
  await browser.close();
  server.close();
}
