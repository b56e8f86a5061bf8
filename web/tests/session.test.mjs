// A bounded random session in the page: typing, Enter, every button, row clicks, switches, the menus
// and About, with no console error and no exception, and the page still showing what the logic last said.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { launch, openPage, serve } from './browser.mjs';
import { answerMessages, expected, readPage } from './page_driver.mjs';

const ACTIONS = 400;

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); server?.stop(); });

// A small generator of our own, so that a failing session can be run again.
function generator(seed) {
  let s = seed >>> 0;
  return (n) => {
    s = (s * 1664525 + 1013904223) >>> 0;
    return s % n;
  };
}

test(`${ACTIONS} random actions`, async () => {
  const { page, problems } = await openPage(browser, `${server.url}?seed=99`);
  const pick = generator(20261209);
  const texts = ['', 'a', 'lab report', '0', '7', '63', '64', '-1', '2.5', '1e3', 'x', '  ', '40', '3', '1', '12'];
  const usable = (id) => page.evaluate((i) => { const el = document.getElementById(i); return !!el && !el.disabled && !el.hidden; }, id);
  for (let n = 0; n < ACTIONS; ++n) {
    const roll = pick(100);
    if (roll < 30) {
      const field = ['txFile', 'txStart', 'txLenght'][pick(3)];
      if (await usable(field)) await page.fill(`#${field}`, texts[pick(texts.length)]);
    } else if (roll < 40) {
      const field = ['txFile', 'txStart', 'txLenght'][pick(3)];
      if (await usable(field)) await page.press(`#${field}`, 'Enter');
    } else if (roll < 60) {
      if (await usable('cmAdd')) await page.click('#cmAdd');
    } else if (roll < 82) {
      if (await usable('cmNext')) await page.click('#cmNext');
    } else if (roll < 86) {
      if (await usable('cmClear')) await page.click('#cmClear');
    } else if (roll < 92) {
      const rows = await page.$$('#lvDirectory tbody tr');
      if (rows.length) await rows[pick(rows.length)].click();
    } else if (roll < 97) {
      if (await usable('cmdChg') && pick(2)) await page.click('#cmdChg');
      else {
        await page.keyboard.press('Alt+t');
        await page.keyboard.press(['c', 'l', 'i'][pick(3)]);
        await page.keyboard.press('Escape');
      }
    } else {
      await page.keyboard.press('Alt+a');
      await page.keyboard.press('Escape');
    }
    await answerMessages(page);
  }
  const last = await page.evaluate(() => window.pellucor.lastState());
  const shown = await readPage(page);
  const want = expected(last);
  assert.deepEqual(shown.cells, want.cells);
  assert.deepEqual(shown.lists, want.lists);
  assert.deepEqual(problems, []);
});
