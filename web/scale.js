// SPDX-License-Identifier: GPL-3.0-or-later
// The window at its place and proportions, scaled to the viewport: the size
// lays the panels out on its own.
const DIALOG_UNIT_ASPECT = 13 / 12;  // a dialog unit is taller than wide
const SMALLEST_UNIT = 1;

export function fitWindow(view) {
  const root = document.documentElement;
  const client = document.getElementById('client');
  const bar = document.getElementById('titlebar');
  const width = Number(client.style.getPropertyValue('--dw'));
  const height = Number(client.style.getPropertyValue('--dh'));
  const margin = 16;
  const roomWidth = root.clientWidth - margin;
  const roomHeight = innerHeight - bar.offsetHeight - margin;
  const unit = Math.max(SMALLEST_UNIT, Math.min(roomWidth / width, roomHeight / (height * DIALOG_UNIT_ASPECT)));
  root.style.setProperty('--ux', `${unit}px`);
  root.style.setProperty('--uy', `${unit * DIALOG_UNIT_ASPECT}px`);
  view.refit();
}
