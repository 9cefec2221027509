// SPDX-License-Identifier: GPL-3.0-or-later
// The modal boxes: a message with its icon and OK, and the About box. Each
// returns a promise kept when the user has closed it with OK (or Escape); the
// focus then goes back where it was.
import { glyphForMessage } from './icons.js';

function okButton() {
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.className = 'ok';
  ok.textContent = 'OK';
  return ok;
}

function heading(text) {
  const title = document.createElement('h2');
  title.className = 'dialog-title';
  title.textContent = text;
  return title;
}

export class Dialogs {
  // quietly(action) runs an action whose focus moves are not the user's
  // (the focus going back after OK).
  constructor(host, quietly) {
    this.host = host;
    this.quietly = quietly;
    this.open = null;
  }

  isOpen() {
    return this.open !== null;
  }

  message(appName, text, icon) {
    const dialog = document.createElement('dialog');
    dialog.className = 'message';
    dialog.dataset.icon = icon;
    const body = document.createElement('div');
    body.className = 'message-body';
    const words = document.createElement('p');
    words.className = 'message-text';
    words.id = 'message-text';
    words.textContent = text;
    body.append(glyphForMessage(icon), words);
    dialog.setAttribute('aria-labelledby', 'message-title');
    dialog.setAttribute('aria-describedby', 'message-text');
    const title = heading(appName);
    title.id = 'message-title';
    dialog.append(title, body, okButton());
    return this.run(dialog);
  }

  about(title, about) {
    const dialog = document.createElement('dialog');
    dialog.className = 'about';
    const heading_ = heading(title);
    heading_.id = 'about-title';
    dialog.setAttribute('aria-labelledby', 'about-title');
    const body = document.createElement('div');
    body.className = 'about-body';
    const picture = document.createElement('img');
    picture.src = 'icons/icon.svg';
    picture.alt = '';
    picture.className = 'about-picture';
    body.append(picture);
    const words = document.createElement('div');
    words.className = 'about-words';
    for (const item of about.items) {
      if (item.kind !== 'label') continue;
      const line = document.createElement('p');
      line.textContent = item.text.trim();
      words.append(line);
    }
    body.append(words);
    dialog.append(heading_, body, okButton());
    return this.run(dialog);
  }

  run(dialog) {
    const before = document.activeElement;
    this.host.append(dialog);
    this.open = dialog;
    return new Promise((resolve) => {
      const ok = dialog.querySelector('button.ok');
      const close = () => this.quietly(() => {
        dialog.close();
        if (before?.isConnected) {
          before.focus({ preventScroll: true });
          // A text box gets its caret back at the end, where typing goes on.
          if (before.tagName === 'TEXTAREA') before.setSelectionRange(before.value.length, before.value.length);
        }
      });
      ok.addEventListener('click', close);
      dialog.addEventListener('cancel', (event) => {
        event.preventDefault();  // Escape is OK, closed the same way
        close();
      });
      dialog.addEventListener('close', () => {
        dialog.remove();
        this.open = null;
        resolve();
      });
      dialog.showModal();
      ok.focus();
    });
  }
}
