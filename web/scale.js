// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout: the stylesheet scales the window to the viewport and
// chooses between the window at its proportions and one column; the page
// moves the keys that one column shows with the keypad and fits the boxes
// to their new sizes.

// The stylesheet says which layout holds in its custom property --layout.
const ONE_COLUMN = 'column';

export function isOneColumn() {
  return getComputedStyle(document.documentElement).getPropertyValue('--layout').trim() === ONE_COLUMN;
}

export function fitWindow(view) {
  view.arrange(isOneColumn());
  // What the keypad covers at the top: scrolling a control into view keeps
  // it out from under the keypad.
  const root = document.documentElement.style;
  const covered = `${view.keypadHeight()}px`;
  if (root.getPropertyValue('--keypad-height') !== covered) root.setProperty('--keypad-height', covered);
  view.refit();
}
