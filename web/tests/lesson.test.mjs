// The lesson panel over the same lecture as the desktop's: a scenario from the file picker run to
// its end shows what the logic alone gives, Step back and Restart undo and replay, and the panel
// passes axe-core.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { launch, openPage, serve } from './browser.mjs';
import { expected, readPage } from './page_driver.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
const tool = process.env.PELLUCOR_SCENARIO_JSON ?? `${root}build/pellucor_scenario_json`;

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); server?.stop(); });

const answerAll = async (page) => {
  while (await page.evaluate(() => document.getElementById('message').open)) await page.click('#message-ok');
};

test('a scenario run to its end from the file picker', async () => {
  for (const [file, seed, method] of [['multilevel.txt', '5', 'indexed'], ['linked.txt', '8', 'contiguous']]) {
    const scenario = `${root}web/tests/scenarios/${file}`;
    const lines = execFileSync(tool, ['--seed', seed, '--method', method, scenario], { encoding: 'utf8' }).trim().split('\n');
    const last = JSON.parse(lines.at(-1)).state;
    const { page, problems } = await openPage(browser, `${server.url}?method=${method}&seed=${seed}&lesson`);
    await page.click('#tab-lecture');
    await page.setInputFiles('#lectureOpen', scenario);
    await page.click('#lectureRunToEnd');
    await page.waitForFunction(() => document.getElementById('lectureStatus').textContent === 'The scenario is done.'
      || document.getElementById('message').open);
    for (let n = 0; n < 50 && await page.textContent('#lectureStatus') !== 'The scenario is done.'; ++n) {
      await answerAll(page);
      await page.waitForTimeout(20);
    }
    await answerAll(page);
    const shown = await readPage(page);
    assert.deepEqual(shown.cells, expected(last).cells, file);
    assert.deepEqual(shown.lists, expected(last).lists, file);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('F4 steps back, F5 restarts and the same typing gives the same disk again', async () => {
  const { page, problems } = await openPage(browser, `${server.url}?method=contiguous&seed=4`);
  const add = async (name, start, length) => {
    await page.fill('#txFile', name);
    await page.fill('#txStart', start);
    await page.fill('#txLenght', length);
    await page.click('#cmAdd');
  };
  const empty = (await readPage(page)).cells;
  await add('a', '0', '5');
  const once = (await readPage(page)).cells;
  await add('b', '10', '3');
  await page.keyboard.press('F4');
  assert.deepEqual((await readPage(page)).cells, once, 'one step back');
  await page.keyboard.press('F4');
  assert.deepEqual((await readPage(page)).cells, empty, 'two steps back');
  await add('a', '0', '5');
  assert.deepEqual((await readPage(page)).cells, once, 'the same colour again after Step back');
  await page.keyboard.press('F4');
  await add('c', '20', '2');
  await add('a', '0', '5');
  assert.notDeepEqual((await readPage(page)).cells, once, 'the stream went on');
  await page.keyboard.press('F5');
  assert.deepEqual((await readPage(page)).cells, empty, 'restarted');
  await add('a', '0', '5');
  assert.deepEqual((await readPage(page)).cells, once, 'the same colour after Restart');
  assert.deepEqual(problems, []);
  await page.close();
});
