// What the page costs: its files (as sent and gzipped), the time from navigation to the first
// screen ready to type, and how long an Add and a Next Block take to reach the screen.
//   node tests/measure.mjs
import { readdirSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { launch, openPage, serve, SITE } from './browser.mjs';

const files = readdirSync(SITE).filter((f) => /\.(html|js|css|wasm|svg)$/.test(f));
let raw = 0, gzipped = 0;
for (const f of files) {
  const body = readFileSync(`${SITE}/${f}`);
  const z = gzipSync(body, { level: 9 }).length;
  raw += body.length;
  gzipped += z;
  console.log(`${f.padEnd(14)} ${String(body.length).padStart(8)} B, gzipped ${String(z).padStart(7)} B`);
}
console.log(`all ${files.length} files: ${(raw / 1024).toFixed(1)} KB, gzipped ${(gzipped / 1024).toFixed(1)} KB`);

const median = (xs) => xs.sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const server = await serve();
const browser = await launch();
try {
  const ready = [];
  for (let n = 0; n < 7; ++n) {
    const { page } = await openPage(browser, `${server.url}?method=indexed&seed=1`);
    ready.push(Number(await page.evaluate(() => document.documentElement.dataset.readyAt)));
    await page.close();
  }
  console.log(`navigation to ready to type: median ${median(ready)} ms (${ready.join(', ')})`);

  const { page } = await openPage(browser, `${server.url}?method=indexed&seed=1`);
  const timings = await page.evaluate(async () => {
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve()));
    const measure = async (id) => {
      await frame();
      const t0 = performance.now();
      document.getElementById(id).click();
      void document.body.offsetHeight;  // style and layout, done now rather than at the frame
      const handled = performance.now() - t0;
      await frame();
      return [handled, performance.now() - t0];
    };
    const add = [], next = [];
    for (let f = 0; f < 8; ++f) {
      document.getElementById('txFile').value = `f${f}`;
      document.getElementById('txFile').dispatchEvent(new Event('input'));
      document.getElementById('txLenght').value = '6';
      document.getElementById('txLenght').dispatchEvent(new Event('input'));
      add.push(await measure('cmAdd'));
      while (!document.getElementById('cmNext').disabled && !document.getElementById('cmNext').hidden) next.push(await measure('cmNext'));
    }
    return { add, next };
  });
  for (const [name, xs] of Object.entries(timings)) {
    console.log(`${name}: handler, style and layout median ${median(xs.map((x) => x[0])).toFixed(2)} ms, worst ${Math.max(...xs.map((x) => x[0])).toFixed(2)} ms; `
      + `to the next frame median ${median(xs.map((x) => x[1])).toFixed(2)} ms (${xs.length} presses)`);
  }
} finally {
  await browser.close();
  server.stop();
}
