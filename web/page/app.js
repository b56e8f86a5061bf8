// The page: starts the logic, builds the loaded screen, and sends it every event.
import createPellucor from './pellucor.js';
import { messageOpen, setUpMessages, showAbout, showMessages } from './dialogs.js';
import { CompareDialog } from './compare.js';
import { LessonPanel } from './lesson.js';
import { ScreenView } from './view.js';

const params = new URLSearchParams(location.search);
const core = await createPellucor();
let view = null;
let screenName = null;
let ended = false;
let lesson = null;
let comparing = null;
const status = document.getElementById('status');

function announce(text) {
  if (text) status.textContent = text;
}

// What changed that the eye sees at once: blocks painted or freed, rows, counts.
function changes(before, after) {
  if (!before || before.screen !== after.screen) return '';
  const said = [];
  const painted = after.cells.filter((c, i) => c.colour !== before.cells[i].colour).length;
  if (painted) said.push(`${painted} ${painted === 1 ? 'block' : 'blocks'} changed`);
  const rows = after.lists.lvDirectory?.rows.length ?? 0;
  if (rows !== (before.lists.lvDirectory?.rows.length ?? 0)) said.push(`Directory: ${rows} ${rows === 1 ? 'row' : 'rows'}`);
  for (const [control, text] of Object.entries(after.captions)) {
    if (control !== 'Label4' && text !== before.captions[control]) said.push(text);
  }
  return said.join('. ');
}

function render() {
  const state = JSON.parse(core.state());
  if (state.screen !== screenName) build(state.screen);
  const before = view.rendered;
  // The focus is sent once the messages are answered, as the desktop's boxes give it back.
  const focus = state.focus;
  view.render({ ...state, focus: null });
  announce(changes(before, state));
  showMessages(state.messages, () => {
    if (focus) view.render({ ...view.rendered, focus });
  });
  lesson?.refresh();
  return state;
}

function act(fn) {
  return (...args) => {
    if (ended || messageOpen()) return;
    fn(...args);
    render();
  };
}

// The control that has the focus, by its name, for Step back to give it back.
function focusedControl() {
  const id = document.activeElement?.id ?? '';
  return view?.controls.has(id) ? id : '';
}

const on = {
  type: (field, text) => { core.type(field, text); },
  enter: act((field) => core.enter(field)),
  add: act(() => core.add(focusedControl())),
  next: act(() => core.next(focusedControl())),
  clear: act(() => core.clear(focusedControl())),
  clickRow: act((row) => core.clickRow(row)),
  switchTo: act((name) => core.switchTo(name)),
};

const facts = new Map();
function factsOf(name) {
  if (!facts.has(name)) facts.set(name, JSON.parse(core.facts(name)));
  return facts.get(name);
}

function build(name) {
  screenName = name;
  const f = factsOf(name);
  document.getElementById('caption').textContent = f.caption;
  document.title = f.caption;
  view = new ScreenView(document.getElementById('client'), f, on);
  buildMenus(f);
}

// The menu bar: Menu (Exit), Method (the two other methods), About; Alt and the underlined letter.
const menubar = document.getElementById('menubar');
function accessText(caption) {
  const i = caption.indexOf('&');
  const plain = caption.replace('&', '');
  return { plain, key: i >= 0 ? caption[i + 1].toLowerCase() : '', html: i >= 0 ? `${plain.slice(0, i)}<u>${plain[i]}</u>${plain.slice(i + 1)}` : plain };
}

function closeMenus(focusTitle) {
  for (const t of menubar.querySelectorAll('[aria-expanded="true"]')) {
    t.setAttribute('aria-expanded', 'false');
    t.nextElementSibling.hidden = true;
    if (focusTitle) t.focus();
  }
}

function buildMenus(f) {
  const menus = [
    { caption: '&Menu', id: 'menu', items: [{ caption: 'E&xit', id: 'exit', run: exitProgram }] },
    { caption: 'Me&thod', id: 'mnMethod', items: f.methodMenu.map((m) => ({ caption: m.caption, id: m.name, run: () => on.switchTo(m.target) })) },
    { caption: '&About', id: 'mnAbout', run: () => showAbout(JSON.parse(core.about())) },
  ];
  menubar.replaceChildren();
  for (const m of menus) {
    const holder = document.createElement('div');
    const title = document.createElement('button');
    title.type = 'button';
    title.className = 'menu-title';
    title.id = m.id;
    title.setAttribute('role', 'menuitem');
    const t = accessText(m.caption);
    title.innerHTML = t.html;
    title.dataset.key = t.key;
    holder.append(title);
    if (m.items) {
      title.setAttribute('aria-haspopup', 'menu');
      title.setAttribute('aria-expanded', 'false');
      const list = document.createElement('div');
      list.setAttribute('role', 'menu');
      list.setAttribute('aria-label', t.plain);
      list.hidden = true;
      for (const item of m.items) {
        const b = document.createElement('button');
        b.type = 'button';
        b.setAttribute('role', 'menuitem');
        b.id = item.id;
        const a = accessText(item.caption);
        b.innerHTML = a.html;
        b.dataset.key = a.key;
        b.tabIndex = -1;
        b.addEventListener('click', () => { closeMenus(false); item.run(); });
        list.append(b);
      }
      list.addEventListener('keydown', (e) => {
        const items = [...list.children];
        const at = items.indexOf(document.activeElement);
        if (e.key === 'ArrowDown') items[(at + 1) % items.length].focus();
        else if (e.key === 'ArrowUp') items[(at - 1 + items.length) % items.length].focus();
        else if (e.key === 'Escape') closeMenus(true);
        else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') { closeMenus(false); moveAlongBar(title, e.key === 'ArrowRight' ? 1 : -1); }
        else {
          const hit = items.find((i) => i.dataset.key === e.key.toLowerCase());
          if (!hit) return;
          hit.click();
        }
        e.preventDefault();
        e.stopPropagation();
      });
      title.addEventListener('click', () => (title.getAttribute('aria-expanded') === 'true' ? closeMenus(true) : openMenu(title)));
      holder.append(list);
    } else {
      title.addEventListener('click', () => { closeMenus(false); m.run(); });
    }
    title.addEventListener('keydown', (e) => {
      if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') { moveAlongBar(title, e.key === 'ArrowRight' ? 1 : -1); e.preventDefault(); }
      if (e.key === 'ArrowDown' && m.items) { openMenu(title); e.preventDefault(); }
    });
    menubar.append(holder);
  }
  const titles = [...menubar.querySelectorAll('.menu-title')];
  titles.forEach((t, i) => { t.tabIndex = i === 0 ? 0 : -1; });
}

function moveAlongBar(from, step) {
  const titles = [...menubar.querySelectorAll('.menu-title')];
  const next = titles[(titles.indexOf(from) + step + titles.length) % titles.length];
  next.focus();
}

function openMenu(title) {
  closeMenus(false);
  title.setAttribute('aria-expanded', 'true');
  const list = title.nextElementSibling;
  list.hidden = false;
  list.firstElementChild.focus();
}

document.addEventListener('click', (e) => { if (!menubar.contains(e.target)) closeMenus(false); });
document.addEventListener('keydown', (e) => {
  if (!e.altKey || e.ctrlKey || e.metaKey || ended || messageOpen() || comparing?.dialog.open) return;
  const title = [...menubar.querySelectorAll('.menu-title')].find((t) => t.dataset.key === e.key.toLowerCase());
  const tab = lesson?.open && [...document.querySelectorAll('#lesson [role="tab"]')].find((t) => t.dataset.key === e.key.toLowerCase());
  if (tab) {
    e.preventDefault();
    tab.click();
    tab.focus();
    return;
  }
  if (!title) return;
  e.preventDefault();
  if (title.hasAttribute('aria-haspopup')) openMenu(title); else title.click();
});

// The lecture's keys, beside the screen's own: F2 the lesson panel, F3 a picture, F4 Step back,
// F5 Restart, F6 Compare, Escape stops Play on.
document.addEventListener('keydown', (e) => {
  if (ended || messageOpen() || comparing?.dialog.open || e.altKey || e.ctrlKey || e.metaKey) return;
  const run = { F2: () => lessonPanel().show(), F3: () => lessonPanel().copyPicture(), F4: () => lessonPanel().stepBack(),
    F5: () => lessonPanel().restart(), F6: () => compareDialog().show(), Escape: () => lesson?.stopPlaying() }[e.key];
  if (!run || (e.key === 'Escape' && !lesson)) return;
  e.preventDefault();
  run();
});

function lessonPanel() {
  lesson ??= new LessonPanel({ core, render, view: () => view, focusedControl, busy: () => ended || messageOpen(), picture,
    compare: () => compareDialog().show() });
  return lesson;
}

function compareDialog() {
  comparing ??= new CompareDialog(core);
  return comparing;
}

// The client area drawn from what the screen shows, as a PNG.
function picture() {
  const state = view.rendered;
  const canvas = document.createElement('canvas');
  const scale = window.devicePixelRatio || 1;
  const client = document.getElementById('client');
  canvas.width = client.offsetWidth * scale;
  canvas.height = client.offsetHeight * scale;
  const g = canvas.getContext('2d');
  g.scale(scale, scale);
  g.fillStyle = '#fff';
  g.fillRect(0, 0, client.offsetWidth, client.offsetHeight);
  const font = getComputedStyle(document.body).fontFamily;
  const box = (el) => {
    const a = el.getBoundingClientRect(), c = client.getBoundingClientRect();
    return [a.left - c.left, a.top - c.top, a.width, a.height];
  };
  const text = (t, x, y, w, h, align = 'center', colour = '#000', bold = false) => {
    g.fillStyle = colour;
    g.font = `${bold ? 'bold ' : ''}11px ${font}`;
    g.textAlign = align;
    g.textBaseline = 'middle';
    g.fillText(t, align === 'center' ? x + w / 2 : x + 3, y + h / 2, w);
  };
  for (const el of client.querySelectorAll('.frame, .scheme-frame, .list, input.field, button.push')) {
    if (el.hidden) continue;
    const [x, y, w, h] = box(el);
    g.strokeStyle = '#a0a0a0';
    g.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
    if (el.tagName === 'BUTTON') text(el.textContent, x, y, w, h);
    if (el.tagName === 'INPUT') text(el.value, x, y, w, h, 'left');
  }
  for (const el of client.querySelectorAll('.caption-label, .heading, .plain-label, .lb-type')) {
    if (el.hidden) continue;
    const [x, y, w, h] = box(el);
    if (el.classList.contains('lb-type')) {
      g.fillStyle = '#004000';
      g.fillRect(x, y, w, h);
      g.fillStyle = '#ff0';
      g.font = `bold 32px ${font}`;
      g.textAlign = 'center';
      g.fillText(el.textContent, x + w / 2, y + h / 2, w);
    } else {
      text(el.textContent, x, y, w, h, el.classList.contains('plain-label') && !el.classList.contains('centred') ? 'left' : 'center', '#000', el.classList.contains('heading'));
    }
  }
  for (const list of client.querySelectorAll('.list')) {
    const bottom = box(list)[1] + list.offsetHeight;
    for (const cell of list.querySelectorAll('th, td')) {
      const [x, y, w, h] = box(cell);
      if (y + h > bottom) continue;
      text(cell.textContent, x, y, w, h, 'left', cell.style.color || '#000', true);
    }
  }
  state.cells.forEach((c, i) => {
    const [x, y, w, h] = box(view.cells[i]);
    g.fillStyle = c.colour;
    g.fillRect(x, y, w, h);
    g.strokeStyle = '#a0a0a0';
    g.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
    if (c.text) text(c.text, x, y, w, h, 'center', c.textColour ?? '#000');
    const [nx, ny, nw, nh] = box(view.numbers[i]);
    text(c.label, nx, ny, nw, nh);
  });
  return new Promise((resolve, reject) => canvas.toBlob((b) => (b ? resolve(b) : reject(new Error('no picture'))), 'image/png'));
}

// A page cannot close its own tab: Exit ends the run and says how to start again.
function exitProgram() {
  ended = true;
  document.getElementById('about').close();
  comparing?.dialog.close();
  const client = document.getElementById('client');
  client.replaceChildren();
  client.style.width = '';
  client.style.height = '';
  const p = document.createElement('p');
  p.className = 'ended';
  p.textContent = 'Pellucor has ended. Reload the page to start it again.';
  client.append(p);
  menubar.replaceChildren();
  document.title = 'Pellucor';
  document.getElementById('caption').textContent = 'Pellucor';
}

setUpMessages();
if (!core.start(params.get('seed') ?? '', params.get('method') ?? '')) {
  const p = document.createElement('p');
  p.className = 'ended';
  p.textContent = 'The address asks for what Pellucor does not have: method is one of contiguous, linked, indexed and multilevel, and seed a whole number from 0.';
  document.getElementById('client').append(p);
  document.documentElement.dataset.ready = 'error';
} else {
  render();
  // Ready to type: the file name takes the focus as the window opens.
  window.pellucor = { core, render, screen: () => screenName, lastState: () => view.rendered, compare: () => compareDialog() };
  if (params.has('lesson')) lessonPanel().show();
  // A scenario from the page's own folder, as --script names a file.
  const script = params.get('script');
  if (script) {
    const url = new URL(script, location.href);
    if (url.origin === location.origin) {
      const response = await fetch(url).catch(() => null);
      if (response?.ok) lessonPanel().loadScenario(await response.text(), script);
      else lessonPanel().setStatus(`${script}: the page could not read it.`);
      lessonPanel().show();
      lessonPanel().select(3);
    }
  }
  document.getElementById('txFile')?.focus();
  // As --compare: the dialog opens, with the files given.
  if (params.has('compare')) compareDialog().show(params.get('compare') || undefined);
  document.documentElement.dataset.readyAt = String(Math.round(performance.now()));
  document.documentElement.dataset.ready = 'true';
}
