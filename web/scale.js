// SPDX-License-Identifier: GPL-3.0-or-later
// The window at its place and proportions, scaled to the viewport: the size
// lays the panels out on its own.
const DIALOG_UNIT_ASPECT = 13 / 12;  // a dialog unit is taller than wide
const SMALLEST_UNIT = 1;
const MARGIN = 16;

// The stylesheet alone decides between the two layouts, and says which one
// holds in its custom property --layout.
const ONE_COLUMN = 'column';

export function isOneColumn() {
  return getComputedStyle(document.documentElement).getPropertyValue('--layout').trim() === ONE_COLUMN;
}

// The size of a dialog unit for a window of frame.width by frame.height
// dialog units. Set before the controls are built, it spares the page a
// second pass over the style of every control.
export function scaleTo(frame) {
  const root = document.documentElement;
  const bar = document.getElementById('titlebar');
  const roomWidth = root.clientWidth - MARGIN;
  const roomHeight = innerHeight - bar.offsetHeight - MARGIN;
  const unit = Math.max(SMALLEST_UNIT, Math.min(roomWidth / frame.width, roomHeight / (frame.height * DIALOG_UNIT_ASPECT)));
  const ux = `${unit}px`;
  if (root.style.getPropertyValue('--ux') === ux) return;
  root.style.setProperty('--ux', ux);
  root.style.setProperty('--uy', `${unit * DIALOG_UNIT_ASPECT}px`);
}

export function fitWindow(view, frame) {
  scaleTo(frame);
  view.arrange(isOneColumn());
  // What the keypad covers at the top: scrolling a control into view keeps
  // it out from under the keypad.
  document.documentElement.style.setProperty('--keypad-height', `${view.keypadHeight()}px`);
  view.refit();
}
