// The lesson panel beside the disk: Read, Free space, Exercise and Lecture. Every answer and every
// lecture action comes from the logic; this file only lays them out and forwards the clicks.

import { el } from './dom.js';
const counted = (n, one, many) => `${n} ${n === 1 ? one : many}`;
const answer = (id, name) => el('p', { class: 'answer', id, 'aria-label': name, 'aria-live': 'polite' });

export class LessonPanel {
  // app: { core, render, view(), focusedControl(), busy() }
  constructor(app) {
    this.app = app;
    this.root = document.getElementById('lesson');
    this.marks = { read: [], exercise: [] };
    this.title = el('h2', { id: 'lesson-title', text: 'Lesson' });
    this.methodName = el('p', { class: 'method-name', id: 'lessonMethod' });
    const tabs = el('div', { role: 'tablist', 'aria-label': 'Lesson' });
    this.panels = [];
    this.tabs = [];
    for (const [name, key, build] of [['Read', 'r', () => this.buildRead()], ['Free space', 's', () => this.buildFree()],
      ['Exercise', 'x', () => this.buildExercise()], ['Lecture', 'e', () => this.buildLecture()]]) {
      const id = name.toLowerCase().replace(' ', '-');
      const tab = el('button', { type: 'button', role: 'tab', id: `tab-${id}`, 'aria-controls': `page-${id}`, text: name });
      tab.dataset.key = key;
      const panel = el('div', { role: 'tabpanel', id: `page-${id}`, 'aria-labelledby': `tab-${id}` }, ...build());
      tab.addEventListener('click', () => this.select(this.tabs.indexOf(tab)));
      tab.addEventListener('keydown', (e) => {
        const step = { ArrowRight: 1, ArrowLeft: -1 }[e.key];
        if (!step) return;
        e.preventDefault();
        const next = (this.tabs.indexOf(tab) + step + this.tabs.length) % this.tabs.length;
        this.select(next);
        this.tabs[next].focus();
      });
      tabs.append(tab);
      this.tabs.push(tab);
      this.panels.push(panel);
    }
    this.root.append(this.title, this.methodName, tabs, ...this.panels);
    this.select(0);
  }

  select(index) {
    this.tabs.forEach((t, i) => {
      t.setAttribute('aria-selected', String(i === index));
      t.tabIndex = i === index ? 0 : -1;
      this.panels[i].hidden = i !== index;
    });
    this.page = index;
    this.showMarks();
  }

  show() {
    this.root.hidden = false;
    this.refresh();
    this.tabs[this.page].focus();
  }

  get open() { return !this.root.hidden; }

  buildRead() {
    this.file = el('select', { id: 'lessonFile' });
    this.block = el('input', { type: 'number', id: 'lessonBlock', min: 0, value: 0 });
    const clear = el('button', { type: 'button', class: 'push', id: 'lessonClearPick', text: 'Clear the pick' });
    const compare = el('button', { type: 'button', class: 'push', id: 'lessonCompare', text: 'Compare (F6)' });
    compare.setAttribute('aria-keyshortcuts', 'F6');
    compare.addEventListener('click', () => this.app.compare());
    this.file.addEventListener('change', () => this.answerRead());
    this.block.addEventListener('input', () => this.answerRead());
    clear.addEventListener('click', () => { this.file.value = ''; this.block.value = 0; this.answerRead(); });
    this.rule = answer('lessonRule', 'How this method reads');
    this.path = answer('lessonPath', 'Disk reads');
    this.whole = answer('lessonWhole', 'Reading the whole file');
    this.note = answer('lessonNote', 'What the file holds');
    return [this.rule, el('label', { for: 'lessonFile', text: 'File:' }), this.file, el('label', { for: 'lessonBlock', text: 'Block:' }), this.block,
      el('p', {}, clear, ' ', compare), el('h3', { text: 'Reads:' }), this.path, el('h3', { text: 'Whole file:' }), this.whole, this.note];
  }

  answerRead() {
    const picked = this.file.value === '' ? -1 : Number(this.file.value);
    const r = JSON.parse(this.app.core.reading(picked, Number(this.block.value) || 0));
    this.rule.textContent = r.rule;
    const names = r.files.map((n, i) => `${i}:${n}`).join('\n');
    if (this.file.dataset.names !== names) {
      const kept = this.file.value;
      this.file.dataset.names = names;
      this.file.replaceChildren(el('option', { value: '', text: '(pick a listed file)' }), ...r.files.map((n, i) => el('option', { value: String(i), text: n })));
      this.file.value = kept !== '' && Number(kept) < r.files.length ? kept : '';
      if (this.file.value !== kept) return this.answerRead();
    }
    if (r.held === undefined) {
      this.block.disabled = true;
      this.path.textContent = r.files.length ? 'Pick a file.' : 'No file is listed yet.';
      this.whole.textContent = this.note.textContent = '';
      this.marks.read = [];
    } else {
      this.block.disabled = r.held === 0;
      this.block.max = Math.max(r.held - 1, 0);
      this.whole.textContent = `${counted(r.wholeReads, 'disk read', 'disk reads')}, ${counted(r.jumps, 'jump of the head', 'jumps of the head')}`;
      this.note.textContent = r.note;
      this.path.textContent = r.path ?? 'It holds no data block to read.';
      this.marks.read = r.marks ?? [];
    }
    this.showMarks();
    return undefined;
  }

  buildFree() {
    this.bitmap = el('pre', { class: 'answer bitmap', id: 'lessonBitmap', 'aria-label': 'Free-block map, one row of eight blocks a line, 1 used, 0 free' });
    this.runs = answer('lessonRuns', 'Free runs');
    this.free = answer('lessonFree', 'Free blocks');
    this.largest = answer('lessonLargest', 'Largest run');
    return [el('h3', { text: 'Free-block map (1 used, 0 free):' }), this.bitmap, el('h3', { text: 'Free runs:' }), this.runs,
      el('h3', { text: 'Free blocks:' }), this.free, this.largest];
  }

  answerFree() {
    const f = JSON.parse(this.app.core.freeSpace());
    this.bitmap.textContent = f.bitmap.join('\n');
    this.runs.textContent = f.runs;
    this.free.textContent = String(f.free);
    const largest = counted(f.largest, 'block', 'blocks');
    this.largest.textContent = f.oneRun ? `Largest file Add can place: ${largest} (the longest free run)` : `Longest free run: ${largest}`;
  }

  buildExercise() {
    this.asked = answer('exerciseQuestion', 'Question');
    this.answerText = el('input', { type: 'text', id: 'exerciseAnswer', autocomplete: 'off' });
    this.answerChoice = el('select', { id: 'exerciseChoice', hidden: true });
    this.checkButton = el('button', { type: 'button', class: 'push', id: 'exerciseCheck', text: 'Check', disabled: true });
    this.verdict = el('p', { class: 'answer', id: 'exerciseVerdict', tabIndex: -1, 'aria-live': 'assertive' });
    this.working = answer('exerciseWorking', 'The worked answer');
    this.aboutAdd = el('input', { type: 'checkbox', id: 'exerciseAboutAdd' });
    this.score = el('p', { id: 'exerciseScore' });
    const another = el('button', { type: 'button', class: 'push', id: 'exerciseAnother', text: 'Another question' });
    another.addEventListener('click', () => this.ask());
    this.checkButton.addEventListener('click', () => this.check());
    this.answerText.addEventListener('keydown', (e) => { if (e.key === 'Enter') this.check(); });
    this.asked.textContent = 'Press Another question for a question about the disk on screen.';
    return [this.asked, el('label', { for: 'exerciseAnswer', text: 'Your answer:' }), this.answerText, this.answerChoice,
      el('p', {}, this.checkButton), this.verdict, this.working, el('p', {}, another),
      el('label', {}, this.aboutAdd, ' Ask what Add will do with the fields as typed'), this.score];
  }

  showExercise(x) {
    const q = x.question;
    this.score.textContent = `Questions tried: ${x.tried}, answered right: ${x.right}`;
    this.checkButton.disabled = !q || q.answered;
    if (!q || !q.answered) {
      this.verdict.textContent = this.working.textContent = '';
      this.marks.exercise = [];
    }
    this.showMarks();
  }

  ask() {
    const x = JSON.parse(this.app.core.ask(this.aboutAdd.checked));
    const q = x.question;
    this.answerText.value = '';
    this.showExercise(x);
    if (!q) {
      this.asked.textContent = 'There is nothing to ask about yet: add a file first.';
      this.checkButton.disabled = true;
      return;
    }
    this.asked.textContent = q.text;
    this.answerText.hidden = q.choice;
    this.answerChoice.hidden = !q.choice;
    this.answerChoice.replaceChildren(...q.choices.map((c) => el('option', { value: c, text: c })));
    (q.choice ? this.answerChoice : this.answerText).focus();
  }

  check() {
    const x = JSON.parse(this.app.core.check(this.answerChoice.hidden ? this.answerText.value : this.answerChoice.value));
    if (x.verdict === null) return;
    if (!x.ended) {
      // Not an answer, or a first wrong one: the question stays open.
      this.verdict.textContent = x.verdict === 'notAnAnswer' ? x.hint : `Not yet: try once more. ${x.hint}`.trim();
      (this.answerChoice.hidden ? this.answerText : this.answerChoice).focus();
      return;
    }
    const q = x.question;
    this.verdict.textContent = x.verdict === 'right' ? `Right: ${q.answer}.` : `Not quite: the answer is ${q.answer}.`;
    this.working.textContent = q.working;
    this.showExercise(x);
    this.marks.exercise = q.marks;
    this.showMarks();
    this.verdict.focus();
  }

  buildLecture() {
    // Named by their text; the desktop's shorter names come with the keys as shortcuts.
    const button = (id, html, keys, run) => {
      const b = el('button', { type: 'button', class: 'push wide', id });
      if (keys) b.setAttribute('aria-keyshortcuts', keys);
      b.innerHTML = html;
      b.addEventListener('click', run);
      return b;
    };
    this.playButton = button('lecturePlay', 'Play on', '', () => (this.lecture().playing ? this.stopPlaying() : this.play()));
    this.pace = el('input', { type: 'range', id: 'lecturePace', min: 1, max: 20, value: 5, 'aria-label': 'Pace of Play on, in tenths of a second a press' });
    this.paceText = el('span', { text: 'a press every 0.5 s' });
    this.pace.addEventListener('input', () => {
      this.paceText.textContent = `a press every ${(this.pace.value / 10).toFixed(1)} s`;
      if (this.timer) this.play();
    });
    this.status = el('p', { class: 'answer', id: 'lectureStatus', role: 'status' });
    this.steps = el('ol', { id: 'lectureSteps', class: 'steps', 'aria-label': 'Steps of the scenario' });
    this.picker = el('input', { type: 'file', id: 'lectureOpen', accept: '.txt,text/plain' });
    this.picker.addEventListener('change', async () => {
      const file = this.picker.files[0];
      if (file) this.loadScenario(await file.text(), file.name);
    });
    return [
      button('lectureRestart', 'Res<u>t</u>art (F5)', 'F5', () => this.restart()),
      button('lectureStepBack', 'Step <u>b</u>ack (F4)', 'F4', () => this.stepBack()),
      this.playButton,
      el('label', { for: 'lecturePace', text: 'Pace:' }), this.pace, ' ', this.paceText,
      button('lecturePicture', '<u>C</u>opy picture (F3)', 'F3', () => this.copyPicture()),
      this.status,
      el('label', { for: 'lectureOpen', text: 'Scenario file:' }), this.picker, this.steps,
      button('lectureNextStep', '<u>N</u>ext step', '', () => this.act(() => this.app.core.performNextStep())),
      button('lectureRunToEnd', 'Run to <u>e</u>nd', '', () => { this.app.core.runToEnd(); this.runBatch(); }),
    ];
  }

  lecture() { return JSON.parse(this.app.core.lecture()); }

  act(fn) {
    if (this.app.busy()) return;
    fn();
    this.app.render();
  }

  loadScenario(text, name) {
    const error = this.app.core.setScenario(text);
    this.setStatus(error ? `${name}: ${error}` : `${name}: ${counted(this.lecture().steps.length, 'step', 'steps')} to go through.`);
    this.refresh();
  }

  setStatus(text) { this.status.textContent = text; }

  restart() {
    this.stopPlaying();
    this.act(() => this.app.core.restart(this.app.focusedControl()));
    this.setStatus('Restarted: the same typing gives the same colours and blocks again. Step back undoes it.');
  }

  stepBack() {
    let undone = false;
    this.act(() => { undone = this.app.core.stepBack(); });
    this.setStatus(undone ? 'Stepped back one action.' : 'Nothing left to step back to.');
  }

  play() {
    clearInterval(this.timer);
    this.app.core.play();
    this.timer = setInterval(() => {
      if (this.app.busy()) return;
      this.app.core.tick();
      this.app.render();
      if (!this.lecture().playing) this.stopPlaying();
    }, Math.min(2000, Math.max(100, this.pace.value * 100)));
    this.refresh();
  }

  stopPlaying() {
    clearInterval(this.timer);
    this.timer = null;
    this.app.core.stop();
    this.refresh();
  }

  // Run to end in short batches, so that the page is drawn and Escape is heard between them.
  runBatch() {
    if (this.app.busy()) return;
    const started = performance.now();
    let going = true;
    while (going && performance.now() - started < 30) going = this.app.core.runSome(1);
    this.app.render();
    if (going) setTimeout(() => this.runBatch(), 0);
  }

  async copyPicture() {
    try {
      const blob = await this.app.picture();
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]);
      this.setStatus('A picture of the method window is on the clipboard.');
    } catch {
      this.setStatus('This browser does not let the page put a picture on the clipboard.');
    }
  }

  showMarks() {
    const view = this.app.view();
    if (!view) return;
    view.setMarks(!this.open ? [] : this.page === 0 ? this.marks.read : this.page === 2 ? this.marks.exercise : []);
  }

  // After every change to the screen.
  refresh() {
    if (!this.open) return;
    const facts = this.app.view()?.facts;
    this.methodName.textContent = facts ? facts.methodName : 'No method screen is open.';
    this.answerRead();
    this.answerFree();
    if (this.app.core.followExercise()) {
      this.asked.textContent = 'The disk has changed since that question was asked, so it is withdrawn: press Another question for one about the disk as it is now.';
    }
    const l = this.lecture();
    this.showExercise(l);
    this.playButton.textContent = l.playing ? 'Stop' : 'Play on';
    if (!this.timer && !this.status.textContent) this.setStatus(l.steps.length ? '' : 'No scenario: open a scenario file for one.');
    const key = l.steps.map((s) => s.text).join('\n');
    if (this.steps.dataset.key !== key) {
      this.steps.dataset.key = key;
      this.steps.replaceChildren(...l.steps.map((s) => el('li', { text: s.text })));
    }
    [...this.steps.children].forEach((li, i) => {
      const current = i === l.nextStep;
      li.classList.toggle('current', current);
      if (current) li.setAttribute('aria-current', 'step'); else li.removeAttribute('aria-current');
    });
    if (l.playing) this.setStatus('Playing: Next Block is pressed until the file is placed.');
    else if (l.steps.length && l.nextStep >= l.steps.length) this.setStatus('The scenario is done.');
    else if (l.steps.length) this.setStatus(`Next step, line ${l.steps[l.nextStep].line}: ${l.steps[l.nextStep].text}`);
  }
}
