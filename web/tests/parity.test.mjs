// The page and the logic alone, given the same seed and the same actions, show the same disk,
// rows, captions, fields and messages. The logic's side comes from build/pellucor_scenario_json.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { launch, openPage, serve } from './browser.mjs';
import { answerMessages, expected, perform, readCompare, readPage } from './page_driver.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
const tool = process.env.PELLUCOR_SCENARIO_JSON ?? `${root}build/pellucor_scenario_json`;

const RUNS = [
  { file: 'contiguous.txt', seed: '7', method: 'contiguous' },
  { file: 'linked.txt', seed: '7', method: 'linked' },
  { file: 'indexed.txt', seed: '11', method: 'indexed' },
  { file: 'multilevel.txt', seed: '2026', method: 'indexed' },
  { file: 'linked.txt', seed: '', method: 'indexed' },
];

let server, browser;
before(async () => { server = await serve(); browser = await launch(); });
after(async () => { await browser?.close(); server?.stop(); });

for (const run of RUNS) {
  test(`${run.file} with seed ${run.seed || 'none'} from ${run.method}`, async () => {
    const args = [...(run.seed ? ['--seed', run.seed] : []), '--method', run.method, `${root}web/tests/scenarios/${run.file}`];
    const lines = execFileSync(tool, args, { encoding: 'utf8' }).trim().split('\n').map((l) => JSON.parse(l));
    const { page, problems } = await openPage(browser, `${server.url}?method=${run.method}${run.seed ? `&seed=${run.seed}` : ''}`);
    for (const [n, { step, state }] of lines.entries()) {
      if (step) await perform(page, step);
      const messages = await answerMessages(page);
      const shown = await readPage(page);
      const where = `after line ${n} (${step ? step.kind : 'start'})`;
      const want = expected(state);
      assert.equal(shown.caption, want.caption, where);
      assert.equal(shown.schemeName, want.schemeName, where);
      assert.deepEqual(shown.cells, want.cells, `${where}: the disk`);
      assert.deepEqual(shown.lists, want.lists, `${where}: the lists`);
      for (const [id, text] of Object.entries(state.captions)) assert.equal(shown.controls[id]?.text, text, `${where}: ${id}`);
      for (const [id, text] of Object.entries(state.fields)) assert.equal(shown.controls[id]?.text, text, `${where}: ${id}`);
      for (const [id, s] of Object.entries(state.controls)) {
        if (shown.controls[id] && !id.startsWith('lb') && id !== 'Label4') {
          assert.equal(shown.controls[id].enabled, s.enabled, `${where}: ${id} enabled`);
          assert.equal(shown.controls[id].visible, s.visible, `${where}: ${id} shown`);
        }
      }
      if (step?.kind !== 'next' && step?.kind !== 'nextAll') assert.deepEqual(messages, state.messages, `${where}: messages`);
      if (state.focus) assert.equal(shown.focus, state.focus, `${where}: focus`);
    }
    assert.deepEqual(problems, []);
    await page.close();
  });
}

// Compare: the page's table and small disks are the logic's, for the file and block k chosen.
const COMPARES = [
  { workload: 'report:20', seed: '' },
  { workload: 'a:30,b:30,c:10', seed: '7', file: 1, block: 3 },
];

for (const run of COMPARES) {
  test(`Compare ${run.workload} with seed ${run.seed || 'none'}`, async () => {
    const tooled = (file, block) => JSON.parse(execFileSync(tool, [...(run.seed ? ['--seed', run.seed] : []), '--compare', run.workload,
      ...(file === undefined ? [] : ['--file', String(file), '--block', String(block)])], { encoding: 'utf8' }));
    const check = (shown, want) => {
      assert.equal(shown.text, want.text);
      assert.deepEqual(shown.methods, want.methods.map((m) => ({ name: m.name, cells: m.cells.map((c) => ({ ...c, textColour: c.textColour ?? null })), marks: m.marks })));
    };
    const { page, problems } = await openPage(browser, `${server.url}?compare=${run.workload}${run.seed ? `&seed=${run.seed}` : ''}`);
    const first = await readCompare(page);
    assert.ok(first.open);
    assert.equal(first.title, 'Compare');
    const want = tooled();
    assert.deepEqual(want.rows.slice(1).map((r) => r[0]), ['Contiguous', 'Linked', 'Indexed (linked index scheme)', 'Multilevel']);
    check(first, want);
    if (run.file !== undefined) {
      await page.selectOption('#compareFile', String(run.file));
      await page.fill('#compareBlock', String(run.block));
      check(await readCompare(page), tooled(run.file, run.block));
    }
    assert.deepEqual(problems, []);
    await page.close();
  });
}

test('F6 and the Read page open Compare; a bad workload says why', async () => {
  const { page, problems } = await openPage(browser, `${server.url}?lesson`);
  await page.keyboard.press('F6');
  assert.ok(await page.getByRole('dialog', { name: 'Compare' }).isVisible());
  await page.fill('#compareWorkload', 'x:99');
  await page.click('#comparePlace');
  assert.notEqual(await page.textContent('#compareError'), '');
  await page.keyboard.press('Escape');
  assert.ok(!(await readCompare(page)).open);
  await page.click('#lessonCompare');
  assert.ok((await readCompare(page)).open);
  assert.deepEqual(problems, []);
  await page.close();
});
