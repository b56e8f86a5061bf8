// Message boxes and the About dialog, as modal <dialog>s.

const queue = [];
let showing = false;
let afterAll = null;

const ICON_NAMES = { Critical: 'Error', Information: 'Information', None: '' };

function showNext() {
  const dialog = document.getElementById('message');
  const message = queue.shift();
  if (!message) {
    showing = false;
    document.documentElement.dataset.messages = 'idle';
    const then = afterAll;
    afterAll = null;
    then?.();
    return;
  }
  showing = true;
  const html = document.documentElement.dataset;
  html.messages = 'open';
  html.shown = String(Number(html.shown ?? 0) + 1);
  document.getElementById('message-title').textContent = message.title;
  document.getElementById('message-text').textContent = message.text;
  const icon = document.getElementById('message-icon');
  icon.className = `message-icon ${message.icon}`;
  icon.textContent = message.icon === 'Critical' ? '\u2715' : message.icon === 'Information' ? 'i' : '';
  icon.setAttribute('aria-label', ICON_NAMES[message.icon]);
  icon.hidden = message.icon === 'None';
  dialog.showModal();
  document.getElementById('message-ok').focus();
}

export function setUpMessages() {
  const dialog = document.getElementById('message');
  document.getElementById('message-ok').addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => showNext());
}

// Shows the messages one after the other, each waiting for OK, then calls `then`.
export function showMessages(messages, then) {
  if (!messages.length) {
    if (showing) afterAll = then; else then?.();
    return;
  }
  queue.push(...messages);
  afterAll = then;
  if (!showing) showNext();
}

export function messageOpen() { return showing; }

const px = (twips) => Math.floor((2 * twips + 15) / 30);
function place(el, [left, top, width, height]) {
  Object.assign(el.style, { left: `${px(left)}px`, top: `${px(top)}px`, width: `${px(width)}px`, height: `${px(height)}px` });
  return el;
}

// The About dialog beside the screen. System Info tells what the browser says of this machine.
export function showAbout(about) {
  const dialog = document.getElementById('about');
  if (!dialog.firstChild) {
    const title = document.createElement('div');
    title.className = 'about-title';
    title.id = 'about-title';
    title.textContent = `About ${about.title}`;
    const client = document.createElement('div');
    client.className = 'about-client';
    client.style.width = `${px(about.client[0])}px`;
    client.style.height = `${px(about.client[1])}px`;
    const text = (t, rect, cls) => {
      const p = place(document.createElement('p'), rect);
      p.textContent = t;
      if (cls) p.className = cls;
      client.append(p);
    };
    text(about.title, about.titleRect, 'about-name');
    text(about.version, about.versionRect);
    for (const t of about.texts) text(t.text, t.rect);
    const separator = place(document.createElement('div'), [600, 2445, 6480, 30]);
    separator.className = 'separator';
    client.append(separator);
    const ok = place(document.createElement('button'), about.ok);
    ok.type = 'button';
    ok.className = 'push';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => dialog.close());
    const info = place(document.createElement('button'), about.sysInfo);
    info.type = 'button';
    info.className = 'push';
    info.innerHTML = '<u>S</u>ystem Info...';
    info.setAttribute('aria-label', 'System Info');
    info.setAttribute('accesskey', 's');
    info.addEventListener('click', () => showMessages([{ title: 'System Info', text: systemInfo(), icon: 'None' }]));
    client.append(ok, info);
    dialog.append(title, client);
  }
  if (!dialog.open) dialog.show();
  dialog.querySelector('button').focus();
}

function systemInfo() {
  const n = navigator;
  const lines = [`Browser: ${n.userAgent}`, `Language: ${n.language}`];
  if (n.hardwareConcurrency) lines.push(`Processors: ${n.hardwareConcurrency}`);
  if (n.deviceMemory) lines.push(`Memory: about ${n.deviceMemory} GB`);
  lines.push(`Screen: ${screen.width} x ${screen.height} at ${window.devicePixelRatio}x`);
  return lines.join('\n');
}
