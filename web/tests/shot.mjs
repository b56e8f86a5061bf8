// Screenshots of the page: node tests/shot.mjs OUT_FOLDER [QUERY]...
import { launch, openPage, serve } from './browser.mjs';

const [out, ...queries] = process.argv.slice(2);
const server = await serve();
const browser = await launch();
try {
  for (const q of queries.length ? queries : ['method=contiguous']) {
    for (const [w, h] of [[1280, 800], [1920, 1080]]) {
      const { page, problems } = await openPage(browser, `${server.url}?${q}`, { width: w, height: h });
      const name = `${out}/page-${q.replace(/[^a-z0-9]+/gi, '_')}-${w}x${h}.png`;
      await page.screenshot({ path: name });
      console.log(name, problems.join('; '));
      await page.close();
    }
  }
} finally {
  await browser.close();
  server.stop();
}
