// Builds a method screen's controls from the layout the logic gives, and renders its form onto them.
// Decides nothing: every event goes to the logic, and what it says comes back through render().

const px = (twips) => Math.floor((2 * twips + 15) / 30);  // as the desktop rounds twips to pixels

function place(el, [left, top, width, height]) {
  el.style.left = `${px(left)}px`;
  el.style.top = `${px(top)}px`;
  el.style.width = `${px(width)}px`;
  el.style.height = `${px(height)}px`;
  return el;
}

function make(tag, props = {}, parent = null) {
  const el = document.createElement(tag);
  for (const [k, v] of Object.entries(props)) {
    if (k === 'text') el.textContent = v;
    else if (k === 'class') el.className = v;
    else if (k.startsWith('aria-') || k === 'role' || k === 'for') el.setAttribute(k, v);
    else el[k] = v;
  }
  if (parent) parent.append(el);
  return el;
}

const SVG = 'http://www.w3.org/2000/svg';

// The decorative picture behind every method screen: a platter with its tracks, a head arm and a
// tray under the grid.
function backdrop() {
  const svg = document.createElementNS(SVG, 'svg');
  svg.setAttribute('class', 'backdrop');
  svg.setAttribute('width', '480');
  svg.setAttribute('height', '560');
  svg.setAttribute('aria-hidden', 'true');
  const c = [170, 112];
  const arc = (r, from, sweep) => {
    const at = (a) => [c[0] + r * Math.cos(a * Math.PI / 180), c[1] - r * Math.sin(a * Math.PI / 180)];
    const [x0, y0] = at(from), [x1, y1] = at(from + sweep);
    return `M${x0} ${y0}A${r} ${r} 0 0 0 ${x1} ${y1}`;
  };
  let spokes = '';
  for (let s = 0; s < 16; ++s) {
    const a = s * Math.PI / 8;
    spokes += `M${c[0] + 30 * Math.cos(a)} ${c[1] + 30 * Math.sin(a)}L${c[0] + 94 * Math.cos(a)} ${c[1] + 94 * Math.sin(a)}`;
  }
  const used = ['#9fc5e8', '#f2c48f', '#b9dea6'];
  svg.innerHTML = `<defs>
<radialGradient id="wash" gradientUnits="userSpaceOnUse" cx="170" cy="112" r="300"><stop offset="0" stop-color="#e4ecf7"/><stop offset=".6" stop-color="#f1f5fb"/><stop offset="1" stop-color="#fff"/></radialGradient>
<radialGradient id="sheen" gradientUnits="userSpaceOnUse" cx="140" cy="82" r="110"><stop offset="0" stop-color="#fbfdff"/><stop offset="1" stop-color="#d8e2ee"/></radialGradient></defs>
<rect width="480" height="560" fill="url(#wash)"/>
<circle cx="170" cy="112" r="96" fill="url(#sheen)" stroke="#b4c3d6" stroke-width="1.5"/>
${[30, 42, 54, 66, 78].map((r) => `<circle cx="170" cy="112" r="${r}" fill="none" stroke="#c9d5e3"/>`).join('')}
<path d="${spokes}" stroke="#c9d5e3"/>
${used.map((colour, i) => `<path d="${arc(54 + 12 * i, 20 + 22.5 * i, 45)}" fill="none" stroke="${colour}" stroke-width="9"/>`).join('')}
<circle cx="170" cy="112" r="18" fill="#eef3f9" stroke="#a7b8cc" stroke-width="1.5"/>
<circle cx="330" cy="40" r="14" fill="#dfe7f1" stroke="#a7b8cc" stroke-width="1.5"/>
<path d="M324 48L228 82L232 90L336 52Z" fill="#dfe7f1" stroke="#a7b8cc" stroke-width="1.2"/>
<rect x="76.5" y="220.5" width="345" height="323" rx="10" fill="#f7f9fc" stroke="#d7e0eb"/>`;
  return svg;
}

export class ScreenView {
  // facts: what the logic says of the screen; on: the handlers for the user's events.
  constructor(client, facts, on) {
    this.facts = facts;
    this.controls = new Map();
    this.cells = [];
    this.numbers = [];
    this.lists = new Map();
    this.rendered = null;
    client.replaceChildren();
    client.style.width = `${px(facts.client[0])}px`;
    client.style.height = `${px(facts.client[1])}px`;
    client.append(backdrop());

    // The elements follow the desktop's tab order; those that stand inside a frame but come later
    // in that order are placed by the frame's corner.
    if (facts.scheme) {
      const frame = place(make('div', { class: 'scheme-frame', role: 'group', 'aria-label': facts.schemeName }, client), facts.scheme.frame);
      place(make('p', { class: 'lb-type', id: 'lbType', text: facts.schemeName }, frame), facts.scheme.lbType);
    }

    const entry = facts.entry;
    const frame = place(make('fieldset', { class: 'frame', id: 'Frame1' }, client), entry.frame);
    make('legend', { text: 'New file' }, frame);
    for (const row of entry.rows) {
      const label = place(make('label', { class: 'caption-label', for: row.field, text: row.caption }, frame), row.label);
      label.style.width = 'auto';
      label.style.minWidth = `${px(row.label[2])}px`;
      const box = place(make('input', { type: 'text', class: 'field', id: row.field, autocomplete: 'off', spellcheck: false }, frame), row.box);
      box.addEventListener('input', () => on.type(row.field, box.value));
      box.addEventListener('keydown', (e) => {
        if (e.key === 'Enter' && !e.altKey && !e.ctrlKey && !e.metaKey) {
          e.preventDefault();
          on.enter(row.field);
        }
      });
      this.controls.set(row.field, box);
    }
    const button = (id, text, rect, handler, parent, label, corner = [0, 0]) => {
      const b = place(make('button', { type: 'button', class: 'push', id, text }, parent), rect);
      b.style.left = `${px(corner[0]) + px(rect[0])}px`;
      b.style.top = `${px(corner[1]) + px(rect[1])}px`;
      if (label) b.setAttribute('aria-label', label);
      b.addEventListener('click', handler);
      this.controls.set(id, b);
      return b;
    };
    button('cmAdd', 'Add', entry.cmAdd, on.add, frame);

    place(make('h2', { class: 'heading', id: 'Label1', text: 'Directory' }, client), facts.heading);
    this.addList('lvDirectory', 'Label1', facts.lvDirectory, client, on.clickRow);

    for (const l of facts.labels) {
      const el = place(make('div', { class: `plain-label${l.centred ? ' centred' : ''}${l.control === 'Label4' ? ' label4' : ''}`, id: l.control }, client), l.rect);
      if (l.control === 'Label4') el.setAttribute('aria-label', 'Trace');
      this.controls.set(l.control, el);
    }
    if (facts.lvIndex) {
      const heading = make('span', { class: 'visually-hidden', id: 'IndexName', text: 'Index' }, client);
      this.addList('lvIndex', heading.id, facts.lvIndex, client, null);
    }

    const g = facts.grid;
    const disk = make('div', { role: 'group', 'aria-label': 'Disk', id: 'diskGrid', class: 'disk' }, client);
    disk.style.inset = '0';
    disk.style.pointerEvents = 'none';
    for (let i = 0; i < 64; ++i) {
      const left = g.left + g.pitch * (i % 8), top = g.top + g.pitch * Math.floor(i / 8);
      const number = place(make('span', { class: 'number', 'aria-hidden': 'true' }, disk), [left, top, g.numberSize, g.numberSize]);
      const cell = place(make('input', { type: 'text', class: 'cell', readOnly: true, id: `Block${i}`, 'aria-label': `Block ${i}` }, disk),
        [g.cellLeft + g.pitch * (i % 8), top, g.cellWidth, g.cellHeight]);
      cell.style.pointerEvents = 'auto';
      this.numbers.push(number);
      this.cells.push(cell);
    }
    if (facts.cmNext) button('cmNext', 'Next Block >', facts.cmNext, on.next, client, 'Next Block');
    // Inside Frame1, with a border of its own, as the desktop's frame has.
    const clear = button('cmClear', 'Clear', entry.cmClear, on.clear, client, null, entry.frame.slice(0, 2));
    clear.style.left = `${parseInt(clear.style.left, 10) + 1}px`;
    clear.style.top = `${parseInt(clear.style.top, 10) + 1}px`;
    if (facts.scheme) {
      const chg = button('cmdChg', facts.otherScheme.schemeName, facts.scheme.cmdChg, () => on.switchTo(facts.otherScheme.target),
        client, null, facts.scheme.frame.slice(0, 2));
      chg.style.left = `${parseInt(chg.style.left, 10) + 1}px`;
      chg.style.top = `${parseInt(chg.style.top, 10) + 1}px`;
    }
  }

  addList(control, labelledBy, rect, client, onRow) {
    const box = place(make('div', { class: 'list', id: control }, client), rect);
    const table = make('table', { 'aria-labelledby': labelledBy }, box);
    const colgroup = make('colgroup', {}, table);
    const head = make('tr', {}, make('thead', {}, table));
    const body = make('tbody', {}, table);
    const list = { box, table, colgroup, head, body, current: -1, rows: [] };
    if (onRow) {
      box.addEventListener('click', (e) => {
        const tr = e.target.closest('tbody tr');
        if (!tr) return;
        list.current = [...body.rows].indexOf(tr);
        onRow(list.current);
      });
      // The arrows move the current row and choose it, as the desktop list does; Space chooses it.
      box.addEventListener('keydown', (e) => {
        const count = body.rows.length;
        if (!count) return;
        let next = list.current;
        if (e.key === 'ArrowDown') next = Math.min(count - 1, list.current + 1);
        else if (e.key === 'ArrowUp') next = Math.max(0, list.current - 1);
        else if (e.key === 'Home') next = 0;
        else if (e.key === 'End') next = count - 1;
        else if (e.key === ' ' || e.key === 'Enter') next = Math.max(0, list.current);
        else return;
        e.preventDefault();
        list.current = next;
        onRow(next);
      });
    }
    box.tabIndex = 0;
    this.lists.set(control, list);
    this.controls.set(control, box);
  }

  renderList(list, data) {
    const columns = data.columns;
    const key = JSON.stringify(columns);
    if (list.columnsKey !== key) {
      list.columnsKey = key;
      list.colgroup.replaceChildren(...columns.map((c) => make('col', {})));
      columns.forEach((c, i) => { list.colgroup.children[i].style.width = `${px(c.width)}px`; });
      list.head.replaceChildren(...columns.map((c) => make('th', { scope: 'col', text: c.caption })));
      list.table.style.width = `${columns.reduce((sum, c) => sum + px(c.width), 0)}px`;
    }
    const rows = list.body.rows;
    data.rows.forEach((row, r) => {
      let tr = rows[r];
      if (!tr) tr = make('tr', {}, list.body);
      while (tr.cells.length < columns.length) make('td', {}, tr);
      while (tr.cells.length > columns.length) tr.lastChild.remove();
      for (let c = 0; c < columns.length; ++c) {
        const text = row.cells[c] ?? '';
        if (tr.cells[c].textContent !== text) tr.cells[c].textContent = text;
      }
      if (tr.cells[0]) tr.cells[0].style.color = row.colour ?? '';
    });
    while (rows.length > data.rows.length) rows[rows.length - 1].remove();
    if (list.current >= data.rows.length) list.current = -1;
    [...rows].forEach((tr, r) => tr.classList.toggle('current', r === list.current));
  }

  // Rings the blocks a reader meets, with each one's place in the order below it.
  setMarks(blocks) {
    for (const badge of this.badges ?? []) badge.remove();
    this.badges = [];
    this.cells.forEach((c) => c.classList.remove('marked'));
    blocks.forEach((block, order) => {
      const cell = this.cells[block];
      if (!cell) return;
      cell.classList.add('marked');
      const badge = make('span', { class: 'badge', text: String(order + 1), 'aria-hidden': 'true' }, cell.parentElement);
      badge.style.left = cell.style.left;
      badge.style.top = `${parseInt(cell.style.top, 10) + parseInt(cell.style.height, 10) + 3}px`;
      badge.style.width = cell.style.width;
      this.badges.push(badge);
    });
  }

  render(state) {
    const before = this.rendered;
    state.cells.forEach((cell, i) => {
      const old = before?.cells[i];
      const el = this.cells[i];
      if (!old || old.colour !== cell.colour) el.style.backgroundColor = cell.colour;
      if (!old || old.text !== cell.text) el.value = cell.text;
      if (!old || old.textColour !== cell.textColour) el.style.color = cell.textColour ?? '';
      if (!old || old.label !== cell.label) this.numbers[i].textContent = cell.label;
      if (!old || old.colour !== cell.colour) el.setAttribute('aria-description', cell.colour === '#ffffff' ? 'free' : 'used');
    });
    // A scenario's row click shows its row chosen, as a click of one's own does.
    if (state.row !== null && state.row !== undefined) this.lists.get('lvDirectory').current = state.row;
    for (const [control, data] of Object.entries(state.lists)) {
      const list = this.lists.get(control);
      if (list) this.renderList(list, data);
    }
    for (const [control, text] of Object.entries(state.captions)) {
      const el = this.controls.get(control);
      if (el && el.textContent !== text) el.textContent = text;
    }
    for (const [field, text] of Object.entries(state.fields)) {
      const box = this.controls.get(field);
      if (box && box.value !== text) box.value = text;
    }
    for (const [control, s] of Object.entries(state.controls)) {
      const el = this.controls.get(control);
      if (!el) continue;
      el.hidden = !s.visible;
      if ('disabled' in el && el.tagName !== 'DIV') el.disabled = !s.enabled;
    }
    if (state.focus) {
      const el = this.controls.get(state.focus);
      if (el && !el.disabled && !el.hidden) el.focus();
    }
    this.rendered = state;
  }
}
