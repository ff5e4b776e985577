// How soon the page shows the intro, from a local server, in each browser: the time from
// navigation to the still cover ("Click or press a key to play"), and to the intro's first
// picture after a click on it (browsers let sound start only after a gesture).
//   node bench/web_intro_time.mjs [TIMES]   (after make web and npm ci in tests/web)
import { launch, openPage, startServer, urlOf, waitForTitle } from "../tests/web/support.mjs";

const times = Number(process.argv[2] || 5);
const server = await startServer();
try {
  for (const name of ["chromium", "firefox"]) {
    const browser = await launch(name);
    const runs = [];
    for (let i = 0; i < times; i++) {
      const page = await openPage(browser);
      const start = Date.now();
      await page.goto(urlOf(server, "index.html"));
      await page.waitForFunction(() => document.getElementById("message").textContent.startsWith("Click"), { polling: 20 });
      const cover = Date.now() - start;
      await page.click("#cover");
      await waitForTitle(page, "video", 5000);
      runs.push(`${cover}/${Date.now() - start}`);
      await page.close();
    }
    console.log(`${name}: cover / intro, ms after navigation: ${runs.join(" ")}`);
    await browser.close();
  }
} finally {
  server.close();
}
