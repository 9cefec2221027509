// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers never show cut off: a box whose text is wider than the box shows
// it in a font just small enough to fit, however small that is (zooming in
// brings the one-column layout, where every box is wide). The box's value
// stays the whole text.
const canvas = document.createElement('canvas');
const context = canvas.getContext('2d');

// Room kept free of the measured width, for the rounding of glyph advances.
const MEASURE_SLACK = 0.97;

export function fitText(input) {
  input.style.removeProperty('font-size');
  if (!input.value || !input.isConnected) return;
  const style = getComputedStyle(input);
  const room = input.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  if (room <= 0) return;
  context.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
  const needed = context.measureText(input.value).width;
  if (needed <= room) return;
  const size = parseFloat(style.fontSize) * (room / needed) * MEASURE_SLACK;
  input.style.fontSize = `${Math.floor(size * 10) / 10}px`;
}
