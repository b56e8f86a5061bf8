// The page and the logic alone, given the same seed and the same actions, show the same disk,
// rows, captions, fields and messages. The logic's side comes from build/pellucor_scenario_json.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { launch, openPage, serve } from './browser.mjs';
import { answerMessages, expected, perform, readPage } from './page_driver.mjs';

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
