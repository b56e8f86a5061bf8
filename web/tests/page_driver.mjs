// Drives the page through its controls as a user would, and reads back what it shows.

export const MENU_KEYS = { Contiguous: 'c', Linked: 'l', Indexed_L: 'i' };

// What the page shows, read from the elements, in the shape of the logic's form JSON.
export function readPage(page) {
  return page.evaluate(() => {
    const hex = (css) => {
      const m = css.match(/\d+/g);
      return m ? `#${m.slice(0, 3).map((n) => Number(n).toString(16).padStart(2, '0')).join('')}` : null;
    };
    const cells = [...document.querySelectorAll('#diskGrid .cell')].map((c, i) => ({
      colour: hex(c.style.backgroundColor), text: c.value, textColour: hex(c.style.color),
      label: document.querySelectorAll('#diskGrid .number')[i].textContent, name: c.getAttribute('aria-label'),
    }));
    const lists = {};
    for (const box of document.querySelectorAll('.list')) {
      lists[box.id] = {
        columns: [...box.querySelectorAll('thead th')].map((th, i) => ({ caption: th.textContent, px: parseInt(box.querySelectorAll('col')[i].style.width, 10) })),
        rows: [...box.querySelectorAll('tbody tr')].map((tr) => ({ cells: [...tr.cells].map((td) => td.textContent), colour: hex(tr.cells[0]?.style.color ?? '') })),
      };
    }
    const controls = {};
    for (const id of ['txFile', 'txStart', 'txLenght', 'cmAdd', 'cmClear', 'cmNext', 'cmdChg', 'lbCurTotal', 'lbToGo', 'lbUsage', 'Label4']) {
      const el = document.getElementById(id);
      if (el) controls[id] = { enabled: !el.disabled, visible: !el.hidden, text: el.value ?? el.textContent };
    }
    return {
      caption: document.getElementById('caption').textContent, title: document.title,
      schemeName: document.getElementById('lbType')?.textContent ?? '', cells, lists, controls,
      focus: document.activeElement?.id || null,
    };
  });
}

// Answers every message box the last action raised, in order, and returns them.
export async function answerMessages(page) {
  const seen = [];
  for (;;) {
    const open = await page.evaluate(() => {
      const d = document.getElementById('message');
      if (!d.open) return null;
      return { title: document.getElementById('message-title').textContent, text: document.getElementById('message-text').textContent,
        icon: document.getElementById('message-icon').className.replace('message-icon', '').trim(), shown: Number(document.documentElement.dataset.shown) };
    });
    if (!open) return seen;
    seen.push({ title: open.title, text: open.text, icon: open.icon });
    await page.click('#message-ok');
    await page.waitForFunction((n) => document.documentElement.dataset.messages === 'idle' || Number(document.documentElement.dataset.shown) > n, open.shown);
  }
}

async function usable(page, selector) {
  return page.evaluate((s) => {
    const el = document.querySelector(s);
    return !!el && !el.disabled && !el.hidden;
  }, selector);
}

// One scenario step, as the scenario tool prints it, done through the page's controls.
export async function perform(page, step) {
  const current = await page.evaluate(() => window.pellucor.screen());
  switch (step.kind) {
    case 'screen':
      if (step.screen === current) break;
      // The scheme button leads between the two indexed screens; the Method menu to the others.
      if (MENU_KEYS[step.screen] && !(current === 'Indexed_M' && step.screen === 'Indexed_L')) {
        await page.keyboard.press('Alt+t');
        await page.keyboard.press(MENU_KEYS[step.screen]);
      } else {
        await page.click('#cmdChg');
      }
      break;
    case 'add':
      for (const [id, text] of Object.entries(step.fields)) {
        if (await usable(page, `#${id}`)) await page.fill(`#${id}`, text);
      }
      if (await usable(page, '#cmAdd')) await page.click('#cmAdd');
      break;
    case 'next':
    case 'nextAll':
      for (let n = 0; n < (step.kind === 'next' ? step.count : 1000) && await usable(page, '#cmNext'); ++n) {
        await page.click('#cmNext');
        await answerMessages(page);
      }
      break;
    case 'clear':
      if (await usable(page, '#cmClear')) await page.click('#cmClear');
      break;
    case 'row':
      if (await page.$(`#lvDirectory tbody tr:nth-child(${step.count})`)) await page.click(`#lvDirectory tbody tr:nth-child(${step.count}) td`);
      break;
    default:
      throw new Error(`unknown step ${step.kind}`);
  }
}

const px = (twips) => Math.floor((2 * twips + 15) / 30);

// The logic's form in the shape readPage gives, for comparing.
export function expected(state) {
  const lists = {};
  for (const [id, l] of Object.entries(state.lists)) {
    lists[id] = {
      columns: l.columns.map((c) => ({ caption: c.caption, px: px(c.width) })),
      rows: l.rows.map((r) => ({ cells: r.cells, colour: r.colour ?? null })),
    };
  }
  return {
    caption: state.caption, schemeName: state.schemeName,
    cells: state.cells.map((c, i) => ({ colour: c.colour, text: c.text, textColour: c.textColour ?? null, label: c.label, name: `Block ${i}` })),
    lists,
  };
}

// The Compare dialog as it shows: its table as tab-separated text, and each small disk.
export function readCompare(page) {
  return page.evaluate(() => {
    const hex = (css) => {
      const m = css.match(/\d+/g);
      return m ? `#${m.slice(0, 3).map((n) => Number(n).toString(16).padStart(2, '0')).join('')}` : null;
    };
    const rows = [...document.querySelectorAll('#compareTable tr')].map((tr) => [...tr.cells].map((c) => c.textContent).join('\t'));
    const methods = [...document.querySelectorAll('.compare-disk')].map((d) => {
      const cells = [...d.querySelectorAll('.compare-cell')];
      const marked = cells.map((c, i) => [Number(c.dataset.order), i]).filter(([order]) => order > 0).sort((a, b) => a[0] - b[0]);
      return {
        name: d.querySelector('figcaption').textContent,
        cells: cells.map((c) => ({ colour: hex(c.style.backgroundColor), text: c.textContent, textColour: hex(c.style.color) })),
        marks: marked.map(([, i]) => i),
      };
    });
    return { open: document.getElementById('compare').open, title: document.getElementById('compare-title').textContent, text: rows.map((r) => `${r}\n`).join(''), methods };
  });
}
