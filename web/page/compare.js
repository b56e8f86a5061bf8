// The Compare dialog: a workload laid on the four methods by the logic, its table, small disks and
// chart of reads. Every figure comes from the logic; this file only lays them out.

const SVG = 'http://www.w3.org/2000/svg';
const LINE_COLOURS = ['#1f5fbf', '#c03020', '#208040', '#8040a0'];

import { el } from './dom.js';
const svg = (tag, attrs = {}) => {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, v);
  return e;
};

export class CompareDialog {
  constructor(core) {
    this.core = core;
    this.dialog = document.getElementById('compare');
    this.workload = el('input', { type: 'text', id: 'compareWorkload', placeholder: 'report:20,notes:8', spellcheck: false });
    const place = el('button', { type: 'button', class: 'push', id: 'comparePlace', text: 'Place' });
    this.error = el('p', { id: 'compareError', role: 'alert' });
    this.file = el('select', { id: 'compareFile' });
    this.block = el('input', { type: 'number', id: 'compareBlock', min: 0, value: 0 });
    this.table = el('table', { id: 'compareTable', class: 'compare-table' });
    this.disks = el('div', { class: 'compare-disks' });
    this.chart = svg('svg', { id: 'compareChart', role: 'img', 'aria-label': 'Reads to block k of the chosen file', viewBox: '0 0 520 180' });
    const close = el('button', { type: 'button', class: 'push', id: 'compareClose', text: 'Close' });
    place.addEventListener('click', () => this.place());
    this.workload.addEventListener('keydown', (e) => { if (e.key === 'Enter') this.place(); });
    this.file.addEventListener('change', () => this.refresh(-1));
    this.block.addEventListener('input', () => this.refresh(Number(this.block.value) || 0));
    close.addEventListener('click', () => this.dialog.close());
    this.dialog.append(el('h2', { id: 'compare-title', text: 'Compare' }),
      el('p', {}, el('label', { for: 'compareWorkload', text: 'Workload (NAME:LENGTH,...):' }), this.workload, place), this.error,
      el('p', {}, el('label', { for: 'compareFile', text: 'File:' }), this.file, el('label', { for: 'compareBlock', text: 'Block k:' }), this.block),
      this.table, this.disks, this.chart, el('p', {}, close));
    this.place();
  }

  show(workload) {
    if (workload !== undefined) {
      this.workload.value = workload;
      this.place();
    }
    if (!this.dialog.open) this.dialog.showModal();
    this.workload.focus();
  }

  place() {
    const why = this.core.comparePlace(this.workload.value);
    this.error.textContent = why;
    if (why) return;
    this.names = null;
    this.refresh(-1);
  }

  refresh(k) {
    const c = JSON.parse(this.core.compare(Number(this.file.value) || 0, k));
    const names = c.files.map((f) => f.label).join('\n');
    if (names !== this.names) {
      this.names = names;
      this.file.replaceChildren(...c.files.map((f, i) => el('option', { value: String(i), text: f.label })));
    }
    this.file.disabled = this.block.disabled = !c.files.length;
    this.file.value = String(c.file);
    this.block.max = c.files.length ? c.files[c.file].length - 1 : 0;
    this.block.value = c.k;
    const [head, ...rows] = c.rows;
    this.table.replaceChildren(el('thead', {}, el('tr', {}, ...head.map((h) => el('th', { scope: 'col', text: h })))),
      el('tbody', {}, ...rows.map((r) => el('tr', {}, el('th', { scope: 'row', text: r[0] }), ...r.slice(1).map((t) => el('td', { text: t }))))));
    this.disks.replaceChildren(...c.methods.map((m, i) => this.disk(m, i, c.k)));
    this.drawChart(c);
  }

  disk(method, n, k) {
    const grid = el('div', { class: 'compare-grid', role: 'img',
      'aria-label': `${method.name}: ${method.path ? `reading block ${k}: ${method.path}` : 'no read path'}` });
    method.cells.forEach((cell, i) => {
      const at = method.marks.indexOf(i);
      const box = el('span', { class: at < 0 ? 'compare-cell' : 'compare-cell marked', text: cell.text, title: `Block ${i}`, id: `compareCell${n}_${i}` });
      if (at >= 0) box.dataset.order = String(at + 1);
      box.style.background = cell.colour;
      if (cell.textColour) box.style.color = cell.textColour;
      grid.append(box);
    });
    return el('figure', { class: 'compare-disk' }, el('figcaption', { text: method.name }), grid);
  }

  drawChart(c) {
    const longest = Math.max(1, ...c.methods.map((m) => m.reads.length));
    const most = Math.max(1, ...c.methods.flatMap((m) => m.reads.filter((r) => r !== null)));
    const x = (k) => 40 + (300 * k) / Math.max(longest - 1, 1);
    const y = (r) => 150 - (130 * r) / most;
    this.chart.replaceChildren(svg('line', { x1: 40, y1: 150, x2: 340, y2: 150, stroke: '#000' }),
      svg('line', { x1: 40, y1: 20, x2: 40, y2: 150, stroke: '#000' }));
    const label = (text, attrs) => { const t = svg('text', { 'font-size': 10, ...attrs }); t.textContent = text; this.chart.append(t); };
    label('k', { x: 340, y: 165, 'text-anchor': 'end' });
    label(String(longest - 1), { x: 340, y: 176, 'text-anchor': 'end' });
    label('0', { x: 40, y: 165, 'text-anchor': 'middle' });
    label(String(most), { x: 34, y: 24, 'text-anchor': 'end' });
    label('reads', { x: 34, y: 150, 'text-anchor': 'end' });
    c.methods.forEach((m, i) => {
      let points = [];
      const flush = () => {
        if (points.length) this.chart.append(svg('polyline', { points: points.join(' '), fill: 'none', stroke: LINE_COLOURS[i], 'stroke-width': 2 }));
        points = [];
      };
      m.reads.forEach((r, k) => { if (r === null) flush(); else points.push(`${x(k)},${y(r)}`); });
      flush();
      label(m.name, { x: 352, y: 30 + 16 * i, fill: LINE_COLOURS[i] });
    });
  }
}
