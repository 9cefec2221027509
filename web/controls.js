// SPDX-License-Identifier: GPL-3.0-or-later
// The main window built from the core's control table: one element per
// control, inside the panel (the outermost frame) that holds it, laid out
// from the dialog-unit rectangles. The elements show the core's state and
// nothing else.
import { glyphFor } from './glyphs.js';
import { fitBoxes } from './fit.js';
import { KEEP_LEADING, KEEP_TRAILING } from './fitting.js';

// Controls whose tops lie this close (dialog units) share a row when the
// panels reflow into one column; a frame without a caption whose top lies
// this close under a panel's bottom continues that panel.
const ROW_TOLERANCE = 4;

// The keys that the keyboard's hidden twins stand for: the digits, the point
// and the arithmetic keys, which with the display are what a sum needs.
function typedKeys(controls) {
  const keys = new Set();
  for (const control of controls) {
    if (control.flags.hidden && control.kind === 'button' && control.partner) keys.add(control.partner);
  }
  return keys;
}

// A frame without a caption right under a panel, at its left and as wide,
// belongs to it (the clear keys under the digits).
function continues(lower, upper) {
  const [x, y, width] = lower.rect;
  const [upperX, upperY, upperWidth, upperHeight] = upper.rect;
  return !lower.plain.trim() && x === upperX && width === upperWidth &&
      Math.abs(y - (upperY + upperHeight)) <= ROW_TOLERANCE;
}

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
  // A number too long for the box is drawn shortened over it, the box's
  // own value staying whole for the reader, the copy and the tests.
  const drawing = document.createElement('span');
  drawing.className = 'shown-text';
  drawing.setAttribute('aria-hidden', 'true');
  const frame = document.createElement('span');
  frame.className = 'box';
  frame.append(input, drawing);
  return { outer: frame, inner: input };
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
      return box(control);
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
    this.borrowed = [];  // keys shown with the keypad in one column: {element, home, row}
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
    const keypad = this.keypadPanels(panels);
    for (const [index, { control, section, members }] of panels) {
      this.fillRows(section, members, control.rect);
      if (index === keypad.indexes[0]) client.append(keypad.block);
      (keypad.indexes.includes(index) ? keypad.block : client).append(section);
    }
    this.gatherKeypad(keypad, panels);
    this.keypadBlock = keypad.block;
    if (loose.length) {
      const section = document.createElement('section');
      section.className = 'panel loose';
      this.fillRows(section, loose, [0, 0]);
      client.append(section);
    }
    this.buildHidden(client);
    this.buildRadioGroups();
    // Numbers grow from the right in the display, as on a calculator.
    this.elements.get(this.table.display)?.classList.add('display');
  }

  // The panel that holds the display and the panels that continue it: in one
  // column they form the block that stays in reach while the rest scrolls.
  keypadPanels(panels) {
    const entries = [...panels];
    const first = entries.find(([, panel]) => panel.members.some((member) => member.id === this.table.display));
    const indexes = first ? [first[0]] : [];
    for (let last = first?.[1]; last;) {
      const next = entries.find(([index, panel]) => !indexes.includes(index) && continues(panel.control, last.control));
      if (next) indexes.push(next[0]);
      last = next?.[1];
    }
    const block = document.createElement('div');
    block.className = 'keypad-block';
    return { block, indexes };
  }

  // The typed keys that sit in other panels join the keypad's rows in one
  // column, one a row in the table's order, the rest on the last row; each
  // control in the block spans columns by its width.
  gatherKeypad({ block, indexes }, panels) {
    const typed = typedKeys(this.table.controls);
    const inBlock = indexes.flatMap((index) => panels.get(index).members);
    const outside = this.table.controls.filter((control) => typed.has(control.id) && !control.flags.hidden &&
        !inBlock.includes(control));
    const buttonRows = [...block.querySelectorAll('.row')].filter((row) => row.querySelector('button'));
    if (!buttonRows.length) return;
    const buttons = [...inBlock, ...outside].filter((control) => control.kind === 'button');
    const keyWidth = Math.min(...buttons.map((control) => control.rect[2]));
    for (const control of inBlock) {
      const element = this.outerOf(control.id);
      if (element) element.style.setProperty('--span', Math.max(1, Math.round(control.rect[2] / keyWidth)));
    }
    outside.forEach((control, order) => {
      const element = this.outerOf(control.id);
      const home = document.createComment('');
      element.before(home);
      element.style.setProperty('--span', 1);
      this.borrowed.push({ element, home, row: buttonRows[Math.min(order, buttonRows.length - 1)] });
    });
    const spans = (row) => [...row.children].reduce((sum, child) => sum + Number(child.style.getPropertyValue('--span') || 1), 0);
    const columns = Math.max(...buttonRows.map((row) => spans(row) + this.borrowed.filter((key) => key.row === row).length));
    block.style.setProperty('--columns', columns);
  }

  // One column shows the borrowed keys with the keypad; the window at its
  // proportions shows them at their places.
  arrange(oneColumn) {
    if (oneColumn === this.oneColumn) return;
    this.oneColumn = oneColumn;
    for (const { element, home, row } of this.borrowed) {
      if (oneColumn) row.append(element);
      else home.before(element);
    }
  }

  keypadHeight() {
    return this.keypadBlock?.offsetHeight ?? 0;
  }

  outerOf(id) {
    const element = this.elements.get(id);
    return element?.closest('.control') ?? element;
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
  // fit: false leaves the fitting of the boxes to a layout that follows.
  render(state, { fit = true } = {}) {
    const changed = state.texts.filter(([id, text]) => this.showText(id, text));
    if (fit) fitBoxes(changed.map(([id]) => this.fitting(id)).filter(Boolean));
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

  // Whether the box's text changed.
  showText(id, text) {
    const element = this.elements.get(id);
    // Writing the pad's own text again would move its caret.
    if (!element || element.value === text) return false;
    element.value = text;
    return true;
  }

  // A visible box to fit, with the end it keeps in view; null for the rest.
  fitting(id) {
    const input = this.elements.get(id);
    if (!input || input.tagName !== 'INPUT' || input.type !== 'text' || input.hidden) return null;
    return { input, keep: this.keptEnd(id) };
  }

  // The display keeps the digits being typed in view; the other boxes their
  // beginning.
  keptEnd(id) {
    return id === this.table.display ? KEEP_TRAILING : KEEP_LEADING;
  }

  // Every visible box fits its text again, after the scale changed.
  refit() {
    fitBoxes([...this.elements.keys()].map((id) => this.fitting(id)).filter(Boolean));
  }

  // The control's accessible name, for the announcements.
  nameOf(id) {
    return this.elements.get(id)?.getAttribute('aria-label') ?? '';
  }
}
