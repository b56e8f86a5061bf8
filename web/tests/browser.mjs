// What every browser test shares: the page served from build-web/ and Debian's Chromium.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = fileURLToPath(new URL('.', import.meta.url));
export const SITE = process.env.PELLUCOR_SITE ?? `${here}../../build-web`;

export async function serve() {
  const server = spawn(process.execPath, [`${here}../serve.mjs`, SITE, '0'], { stdio: ['ignore', 'pipe', 'inherit'] });
  const [line] = await once(server.stdout, 'data');
  return { url: line.toString().trim(), stop: () => server.kill() };
}

export function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none'],
  });
}

// A page that fails its test on any console error or uncaught exception.
export async function openPage(browser, url, viewport = { width: 1280, height: 800 }) {
  const page = await browser.newPage({ viewport });
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready, null, { timeout: 10000 }).catch((e) => {
    throw new Error(`the page did not start: ${problems.join('; ') || e.message}`);
  });
  return { page, problems };
}
