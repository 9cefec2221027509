// SPDX-License-Identifier: GPL-3.0-or-later
// The main window built from the core's control table: one element per
// control, inside the panel (the outermost frame) that holds it, laid out
// from the dialog-unit rectangles. The elements show the core's state and
// nothing else.
import { glyphFor } from './glyphs.js';
import { fitText } from './fit.js';

// Controls whose tops lie this close (dialog units) share a row when the
// panels reflow into one column.
const ROW_TOLERANCE = 4;

function place(element, rect, origin) {
  const [x, y, width, height] = rect;
  element.style.setProperty('--x', x - origin[0]);
  element.style.setProperty('--y', y - origin[1]);
  element.style.setProperty('--w', width);
  element.style.setProperty('--h', height);
}

function describe(element, control) {
  if (control.description) element.title = control.description;
}

function pushButton(control) {
  const button = document.createElement('button');
  button.type = 'button';
  const face = control.flags.iconFace ? glyphFor(control.caption) : null;
  if (face) {
    button.append(face);
    button.setAttribute('aria-label', control.name);
  } else {
    button.textContent = control.plain;
  }
  if (control.flags.defaultButton) button.classList.add('default');
  if (control.mnemonic) button.setAttribute('aria-keyshortcuts', `Alt+${control.mnemonic}`);
  return button;
}

// A radio button or the check box: the input is the control, its label the
// larger target around it.
function toggle(control) {
  const label = document.createElement('label');
  const input = document.createElement('input');
  input.type = control.kind === 'radio' ? 'radio' : 'checkbox';
  const caption = document.createElement('span');
  caption.textContent = control.plain;
  label.append(input, caption);
  if (control.flags.pushLike) label.classList.add('push-like');
  return { outer: label, inner: input };
}

function box(control) {
  if (control.kind === 'pad') {
    const pad = document.createElement('textarea');
    pad.spellcheck = false;
    pad.setAttribute('aria-label', control.name || control.description);
    return pad;
  }
  const input = document.createElement('input');
  input.type = 'text';
  input.readOnly = true;
  input.tabIndex = -1;  // it gives the focus back at once: no Tab stop
  input.setAttribute('aria-label', control.name);
  input.autocomplete = 'off';
  return input;
}

function label(control) {
  const text = document.createElement('span');
  text.textContent = control.plain;
  return text;
}

function groupBox(control) {
  const frame = document.createElement('div');
  frame.className = 'frame';
  if (control.plain.trim()) {
    const caption = document.createElement('span');
    caption.className = 'frame-caption';
    caption.textContent = control.plain.trim();
    frame.append(caption);
  }
  return frame;
}

// The element that is placed (outer) and the one that carries the
// control's identifier (inner).
function controlElement(control) {
  switch (control.kind) {
    case 'button': {
      const button = pushButton(control);
      return { outer: button, inner: button };
    }
    case 'radio':
    case 'check':
      return toggle(control);
    case 'edit':
    case 'pad': {
      const element = box(control);
      return { outer: element, inner: element };
    }
    case 'group': {
      const frame = groupBox(control);
      return { outer: frame, inner: frame };
    }
    default: {
      const text = label(control);
      return { outer: text, inner: text };
    }
  }
}

// Splits a panel's controls into rows by their tops, for the one-column
// layout; in the wide layout the rows vanish from the box tree.
function rowsOf(members) {
  const sorted = [...members].sort((a, b) => a.rect[1] - b.rect[1] || a.rect[0] - b.rect[0]);
  const rows = [];
  for (const control of sorted) {
    const row = rows[rows.length - 1];
    const sameRow = row && control.kind !== 'group' && row[0].kind !== 'group' &&
        control.rect[1] - row[0].rect[1] <= ROW_TOLERANCE;
    if (sameRow) row.push(control);
    else rows.push([control]);
  }
  for (const row of rows) row.sort((a, b) => a.rect[0] - b.rect[0]);
  return rows;
}

function panelElement(frameControl, index) {
  const section = document.createElement('section');
  section.className = 'panel';
  section.dataset.panel = index;
  const caption = frameControl.plain.trim();
  if (caption) {
    const heading = document.createElement('h2');
    heading.className = 'frame-caption';
    heading.textContent = caption;
    section.append(heading);
    section.setAttribute('aria-label', caption);
  }
  place(section, frameControl.rect, [0, 0]);
  return section;
}

export class CalcView {
  constructor(table, client) {
    this.table = table;
    this.elements = new Map();  // identifier -> element
    this.build(client);
  }

  build(client) {
    const controls = this.table.controls;
    client.style.setProperty('--dw', this.table.frame.width);
    client.style.setProperty('--dh', this.table.frame.height);
    const panels = new Map();  // table index -> {section, members}
    const loose = [];
    controls.forEach((control, index) => {
      if (control.kind === 'group' && control.panel < 0) {
        const section = panelElement(control, index);
        if (control.id >= 0) {
          // The caption stands for the frame: its text is the frame's caption.
          const caption = section.querySelector(':scope > .frame-caption') ?? section;
          caption.dataset.id = control.id;
          this.elements.set(control.id, caption);
        }
        panels.set(index, { control, section, members: [] });
      }
    });
    for (const control of controls) {
      if (control.flags.hidden) continue;
      const panel = panels.get(control.panel);
      if (panel) panel.members.push(control);
      else if (!(control.kind === 'group' && control.panel < 0)) loose.push(control);
    }
    for (const { control, section, members } of panels.values()) {
      // The panel that holds the display stays in reach in one column.
      if (members.some((member) => member.id === this.table.display)) section.classList.add('holds-display');
      this.fillRows(section, members, control.rect);
      client.append(section);
    }
    if (loose.length) {
      const section = document.createElement('section');
      section.className = 'panel loose';
      this.fillRows(section, loose, [0, 0]);
      client.append(section);
    }
    this.buildHidden(client);
    this.buildRadioGroups();
  }

  fillRows(section, members, origin) {
    for (const row of rowsOf(members)) {
      const line = document.createElement('div');
      line.className = 'row';
      for (const control of row) line.append(this.make(control, origin));
      section.append(line);
    }
  }

  // The hidden keypad twins and boxes: they exist, as in the window, and are
  // never shown.
  buildHidden(client) {
    const store = document.createElement('div');
    store.className = 'hidden-controls';
    for (const control of this.table.controls) {
      if (control.flags.hidden) store.append(this.make(control, [0, 0]));
    }
    client.append(store);
  }

  make(control, origin) {
    const { outer, inner } = controlElement(control);
    outer.classList.add('control', `kind-${control.kind}`);
    place(outer, control.rect, origin);
    if (control.id >= 0) {
      inner.dataset.id = control.id;
      this.elements.set(control.id, inner);
    }
    if (control.flags.hidden) {
      outer.hidden = true;
      inner.hidden = true;
      inner.tabIndex = -1;
    }
    describe(inner, control);
    return outer;
  }

  // The core, not the browser, moves the radio buttons' marks, so they share
  // no name; their group is noted for the stylesheet and the tests.
  buildRadioGroups() {
    for (const control of this.table.controls) {
      if (control.kind !== 'radio' || !control.group) continue;
      const input = this.elements.get(control.id);
      input.dataset.group = control.group;
    }
  }

  element(id) {
    return this.elements.get(id);
  }

  // Draws a state event: texts, captions and marks as the core holds them.
  render(state) {
    for (const [id, text] of state.texts) this.showText(id, text);
    for (const [id, caption] of state.captions) {
      const element = this.elements.get(id);
      if (!element) continue;
      const target = element.querySelector(':scope > .frame-caption') ?? element;
      if (target.textContent !== caption) target.textContent = caption;
    }
    for (const [id, mark] of state.checks) {
      const element = this.elements.get(id);
      if (element) element.checked = mark === 1;
    }
  }

  showText(id, text) {
    const element = this.elements.get(id);
    if (!element) return;
    // Writing the pad's own text again would move its caret.
    if (element.value !== text) element.value = text;
    if (element.tagName === 'INPUT' && !element.hidden) fitText(element);
  }

  // Every visible box fits its text again, after the scale changed.
  refit() {
    for (const element of this.elements.values()) {
      if (element.tagName === 'INPUT' && element.type === 'text' && !element.hidden) fitText(element);
    }
  }

  // The control's accessible name, for the announcements.
  nameOf(id) {
    return this.elements.get(id)?.getAttribute('aria-label') ?? '';
  }
}
