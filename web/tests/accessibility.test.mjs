// The page as assistive technology and the keyboard meet it: the desktop's names, no serious or
// critical axe-core finding on any screen, with rows, a message box or About open, and the keys.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { launch, openPage, serve } from './browser.mjs';
import { answerMessages } from './page_driver.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); server?.stop(); });

// A file's colour is drawn at random and is what the lesson shows, on a cell or a directory row's
// first cell, so its contrast with the text is not the page's to choose: those nodes are left out
// of the contrast rule, and only those.
const FILE_COLOURED = /^#Block\d+$|^#lvDirectory .*td:nth-child\(1\)$|^#compareCell\d+_\d+$/;

async function seriousFindings(page) {
  if (!await page.evaluate(() => !!window.axe)) await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .map((v) => ({ ...v, nodes: v.nodes.filter((n) => v.id !== 'color-contrast' || !FILE_COLOURED.test(n.target.join(' '))) }))
    .filter((v) => v.nodes.length)
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('names and axe-core on every screen, with files, a message box and About', async () => {
  for (const method of ['contiguous', 'linked', 'indexed', 'multilevel']) {
    const { page, problems } = await openPage(browser, `${server.url}?method=${method}&seed=3`);
    for (const name of ['File', 'Lenght']) assert.ok(await page.getByRole('textbox', { name, exact: true }).isVisible(), `${method}: ${name}`);
    assert.equal(await page.getByRole('textbox', { name: 'Start', exact: true }).count(), method === 'contiguous' || method === 'linked' ? 1 : 0, `${method}: Start`);
    for (const name of ['Add', 'Clear']) assert.ok(await page.getByRole('button', { name, exact: true }).isVisible(), `${method}: ${name}`);
    assert.equal(await page.getByRole('button', { name: 'Next Block', exact: true, includeHidden: true }).count(), method === 'contiguous' ? 0 : 1, `${method}: Next Block`);
    assert.ok(await page.getByRole('table', { name: 'Directory' }).isVisible());
    assert.equal(await page.getByRole('table', { name: 'Index' }).count(), method.startsWith('indexed') || method === 'multilevel' ? 1 : 0, `${method}: Index`);
    await page.fill('#txFile', 'notes');
    if (await page.$('#txStart')) await page.fill('#txStart', '5');
    await page.fill('#txLenght', '3');
    await page.click('#cmAdd');
    for (let n = 0; n < 20 && await page.isEnabled('#cmNext').catch(() => false) && await page.isVisible('#cmNext'); ++n) await page.click('#cmNext');
    await page.click('#lvDirectory tbody tr');
    const used = await page.evaluate(() => [...document.querySelectorAll('.cell')].findIndex((c) => c.style.backgroundColor !== 'rgb(255, 255, 255)'));
    assert.ok(await page.getByRole('textbox', { name: `Block ${used}`, exact: true }).isVisible());
    assert.notEqual(await page.textContent('#status'), '', `${method}: the change is announced`);
    assert.deepEqual(await seriousFindings(page), [], `${method} with a file`);

    await page.fill('#txFile', '');
    await page.click('#cmAdd');
    assert.ok(await page.getByRole('alertdialog', { name: 'Filename' }).isVisible());
    assert.deepEqual(await seriousFindings(page), [], `${method} with a message box`);
    await answerMessages(page);

    await page.keyboard.press('Alt+a');
    assert.ok(await page.getByRole('dialog', { name: 'About Pellucor' }).isVisible());
    assert.deepEqual(await seriousFindings(page), [], `${method} with About`);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('keys: Enter from field to field, Alt+T and Alt+M, Escape closes a menu', async () => {
  const { page, problems } = await openPage(browser, `${server.url}?method=contiguous`);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txFile');
  const path = [];
  await page.keyboard.type('notes');
  for (const key of ['Enter', '5', 'Enter', '4', 'Enter']) {
    await page.keyboard.press(key);
    if (key === 'Enter') path.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(path, ['txStart', 'txLenght', 'cmAdd']);
  await page.keyboard.press('Enter');
  assert.equal(await page.evaluate(() => document.querySelectorAll('#lvDirectory tbody tr').length), 1);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'txFile');

  await page.keyboard.press('Alt+m');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'exit');
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'menu');
  await page.keyboard.press('Alt+t');
  await page.keyboard.press('l');
  assert.equal(await page.title(), 'Linked Allocation :: Quorvel');
  assert.equal(await page.evaluate(() => document.querySelectorAll('#lvDirectory tbody tr').length), 0);
  assert.deepEqual(problems, []);
  await page.close();
});

test('the lesson panel: F2 opens it, every page passes axe-core', async () => {
  const { page, problems } = await openPage(browser, `${server.url}?method=linked&seed=3`);
  await page.keyboard.press('F2');
  assert.ok(await page.getByRole('tablist', { name: 'Lesson' }).isVisible());
  for (const tab of ['Read', 'Free space', 'Exercise', 'Lecture']) {
    await page.getByRole('tab', { name: tab }).click();
    assert.deepEqual(await seriousFindings(page), [], tab);
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test('the Compare dialog passes axe-core', async () => {
  const { page, problems } = await openPage(browser, `${server.url}?compare=a:30,b:30,c:10&seed=7`);
  assert.ok(await page.isVisible('#compareTable'));
  assert.deepEqual(await seriousFindings(page), []);
  assert.deepEqual(problems, []);
  await page.close();
});
