// SPDX-License-Identifier: GPL-3.0-or-later
// The page: loads the core, builds the window from its control table, reports
// each act of the user to the core and plays the events each act answers
// with, one after another.
import { loadCore } from './core.js';
import { CalcView } from './controls.js';
import { Dialogs } from './dialogs.js';
import { Menus } from './menus.js';
import { actOfKey } from './keys.js';
import { Feedback } from './feedback.js';
import { fitWindow } from './scale.js';

// The window itself holds the focus, no control does.
const WINDOW_FOCUS = 0;
// A paragraph separator starts a new line in the pad.
const PARAGRAPH_SEPARATOR = /\u2029/g;

class Page {
  constructor(core) {
    this.core = core;
    this.table = core.table;
    this.window = document.getElementById('window');
    this.restart = document.getElementById('restart');
    this.view = new CalcView(this.table, document.getElementById('client'));
    this.padId = this.table.scratchPad;
    this.displayId = this.table.display;
    this.dialogs = new Dialogs(document.body, (action) => this.quietly(action));
    this.menus = new Menus(document.body, (element) => this.placeFocus(element));
    this.feedback = new Feedback(this.window, document.getElementById('announcer'));
    this.acts = [];
    this.playing = false;
    this.placingFocus = false;
    document.getElementById('title').textContent = this.table.frame.title;
    this.listen();
  }

  // A fresh calculator: every box as at start-up, the focus where it starts.
  start() {
    const snapshot = this.core.start();
    this.window.hidden = false;
    this.restart.hidden = true;
    // Drawn first and then laid out, so that the boxes are fitted once.
    this.view.render(snapshot, { fit: false });
    this.relayout();
    document.documentElement.dataset.state = 'ready';
    this.showFocus(snapshot.focus);
  }

  // A change of layout may move the focused key to another row, which
  // takes the focus from it: it gets it back.
  relayout() {
    const focused = document.activeElement;
    fitWindow(this.view);
    if (document.activeElement !== focused) this.placeFocus(focused);
  }

  // Acts run one at a time: one that comes while a message box of the
  // previous one is open waits for it.
  act(perform) {
    this.acts.push(perform);
    if (!this.playing) this.drain();
  }

  async drain() {
    this.playing = true;
    while (this.acts.length) {
      const perform = this.acts.shift();
      if (document.documentElement.dataset.state !== 'ready') continue;
      await this.play(perform(this.core));
    }
    this.playing = false;
  }

  async play(events) {
    for (const event of events) {
      switch (event.event) {
        case 'state':
          this.view.render(event);
          this.feedback.announceState(event, this.view);
          break;
        case 'beep':
          this.feedback.beep();
          break;
        case 'message':
          await this.dialogs.message(this.table.appName, event.text, event.icon);
          break;
        case 'about':
          await this.dialogs.about(event.title, this.table.about);
          break;
        case 'focus':
          this.showFocus(event.id);
          break;
        case 'clipboard':
          this.feedback.clipboard(event.text);
          break;
        case 'closed':
          this.close();
          break;
      }
    }
  }

  close() {
    this.menus.close();
    this.acts.length = 0;
    this.window.hidden = true;
    this.restart.hidden = false;
    document.documentElement.dataset.state = 'closed';
    this.restart.focus();
  }

  // Focus moves that the page makes itself (the core moved the focus, a box
  // or menu gave it back) are not reported to the core as the user's.
  quietly(action) {
    this.placingFocus = true;
    try {
      action();
    } finally {
      this.placingFocus = false;
    }
  }

  placeFocus(element) {
    if (element?.isConnected) this.quietly(() => element.focus({ preventScroll: true }));
  }

  showFocus(id) {
    this.placeFocus(id === WINDOW_FOCUS ? this.window : this.view.element(id));
  }

  controlOf(target) {
    const element = target.closest?.('[data-id]');
    return element && this.window.contains(element) ? element : null;
  }

  listen() {
    this.window.addEventListener('click', (event) => this.onClick(event));
    this.window.addEventListener('focusin', (event) => this.onFocus(event));
    this.window.addEventListener('mousedown', (event) => this.onMouseDown(event));
    this.window.addEventListener('contextmenu', (event) => this.onContextMenu(event));
    this.window.addEventListener('input', (event) => this.onInput(event));
    document.addEventListener('keydown', (event) => this.onKey(event));
    document.addEventListener('paste', (event) => this.onPaste(event));
    document.getElementById('menu-button').addEventListener('click', (event) => {
      const bounds = event.currentTarget.getBoundingClientRect();
      this.openWindowMenu(bounds.left, bounds.bottom);
    });
    this.restart.addEventListener('click', () => this.start());
  }

  onClick(event) {
    const element = this.controlOf(event.target);
    if (!element || !(element.tagName === 'BUTTON' || element.tagName === 'INPUT')) return;
    const id = Number(element.dataset.id);
    const control = this.table.controls.find((row) => row.id === id);
    if (!control?.takesClicks) return;
    this.act((core) => core.click(id));
  }

  onFocus(event) {
    if (this.placingFocus) return;
    if (event.target === this.window) {
      this.act((core) => core.focus(WINDOW_FOCUS));
      return;
    }
    const element = this.controlOf(event.target);
    if (element) this.act((core) => core.focus(Number(element.dataset.id)));
  }

  // A press on the window's background leaves the focus where it is, as in
  // a desktop window, and so does a right-button press (it opens a menu);
  // the pad keeps its own.
  onMouseDown(event) {
    // The menu button opens the window's menu without taking the focus.
    if (event.target.closest('#menu-button')) {
      event.preventDefault();
      return;
    }
    const element = this.controlOf(event.target);
    if (element && Number(element.dataset.id) === this.padId) return;
    const onControl = element || event.target.closest('label, button');
    if (event.button !== 0 || !onControl) event.preventDefault();
  }

  onContextMenu(event) {
    const element = this.controlOf(event.target);
    if (element && element.id !== 'menu-button') {
      const id = Number(element.dataset.id);
      if (id === this.padId) return;  // the pad's own text menu
      event.preventDefault();
      const control = this.table.controls.find((row) => row.id === id);
      if (control?.copyable) this.openBoxMenu(id, event.clientX, event.clientY);
      return;
    }
    if (event.target.closest('button, label')) return;
    event.preventDefault();
    this.openWindowMenu(event.clientX, event.clientY);
  }

  onInput(event) {
    const element = this.controlOf(event.target);
    if (!element || Number(element.dataset.id) !== this.padId) return;
    const text = element.value.replace(PARAGRAPH_SEPARATOR, '\n');
    this.act((core) => core.padEdited(text));
  }

  onKey(event) {
    if (this.dialogs.isOpen() || this.menus.isOpen()) return;
    if (document.documentElement.dataset.state !== 'ready') return;
    // The page's own buttons (the menu button) take Return and Space.
    if ((event.key === 'Enter' || event.key === ' ') && event.target.closest?.('button:not([data-id])')) return;
    const inPad = document.activeElement === this.view.element(this.padId);
    const wanted = actOfKey(event, inPad);
    if (!wanted) return;
    event.preventDefault();
    if (event.repeat && wanted.act === 'window-menu') return;
    switch (wanted.act) {
      case 'key':
        this.act((core) => core.key(wanted.name));
        break;
      case 'mnemonic':
        this.act((core) => core.mnemonic(wanted.key));
        break;
      case 'copy':
        this.act((core) => core.copy(this.displayId));
        break;
      case 'window-menu':
        this.openWindowMenuAtFocus();
        break;
    }
  }

  onPaste(event) {
    if (this.dialogs.isOpen() || this.menus.isOpen()) return;
    if (document.documentElement.dataset.state !== 'ready') return;
    if (event.target === this.view.element(this.padId)) return;  // the pad pastes itself
    event.preventDefault();
    const text = event.clipboardData?.getData('text/plain') ?? '';
    this.act((core) => core.paste(text));
  }

  openWindowMenuAtFocus() {
    const focused = this.window.contains(document.activeElement) ? document.activeElement : this.window;
    const bounds = focused.getBoundingClientRect();
    this.openWindowMenu(bounds.left, focused === this.window ? bounds.top : bounds.bottom);
  }

  // The browser has no place for minimising or keeping a window on top: the
  // menu offers the entries that a page can do.
  openWindowMenu(x, y) {
    const offered = new Set(['about', 'close']);
    const entries = this.table.menu.filter((entry) => offered.has(entry.command));
    this.act((core) => core.menuOpened());
    this.menus.open(entries, x, y, this.table.frame.title, (command) => {
      this.act((core) => (command === 'about' ? core.menuAbout() : core.menuClose()));
    });
  }

  openBoxMenu(id, x, y) {
    const entries = this.table.boxMenu.filter((entry) => entry.command !== 'paste' || id === this.displayId);
    this.act((core) => core.menuOpened());
    this.menus.open(entries, x, y, this.view.nameOf(id), (command) => this.chooseBoxEntry(command, id));
  }

  chooseBoxEntry(command, id) {
    switch (command) {
      case 'copy':
        this.act((core) => core.copy(id));
        break;
      case 'copy-all':
        this.act((core) => core.copyAll(id));
        break;
      case 'paste':
        this.pasteFromClipboard();
        break;
    }
  }

  // Paste from the menu reads the clipboard, which the browser may refuse:
  // then nothing is pasted, as from an empty clipboard.
  async pasteFromClipboard() {
    let text = '';
    try {
      text = await navigator.clipboard.readText();
    } catch {
      text = '';
    }
    this.act((core) => core.paste(text));
  }
}

async function main() {
  const core = await loadCore();
  const page = new Page(core);
  addEventListener('resize', () => page.relayout());
  page.start();
  keepForOffline();
}

// The worker that keeps the site for offline use downloads all of it on a
// first visit: it starts once the calculator has settled, so that the first
// keys do not wait on that download.
const SETTLE_MS = 1500;

function keepForOffline() {
  if (!('serviceWorker' in navigator) || location.protocol === 'file:') return;
  setTimeout(() => navigator.serviceWorker.register('sw.js').catch(() => {}), SETTLE_MS);
}

main().catch((error) => {
  const note = document.querySelector('.loading-note');
  if (note) note.textContent = `The calculator could not start here: ${error.message ?? error}`;
});
