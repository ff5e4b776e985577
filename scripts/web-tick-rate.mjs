// The page's tick figures over some seconds of level 1, in one browser:
//   node scripts/web-tick-rate.mjs chromium|firefox [SECONDS]   (after make web and npm ci in tests/web)
// prints window.dunspelt.stats as --stats gives them, from the level's first tick.
import { launch, levelOneStats, startServer } from "../tests/web/support.mjs";

const [name = "chromium", seconds = "20"] = process.argv.slice(2);
const server = await startServer();
const browser = await launch(name);
try {
  const { stats, title } = await levelOneStats(browser, server, Number(seconds));
  console.log(`${name}: ${stats} (${title})`);
} finally {
  await browser.close();
  server.close();
}
