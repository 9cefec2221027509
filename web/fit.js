// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers never show cut off: a box whose text is wider than the box shows
// it in a smaller font, down to a size still readable, and below that draws
// it shortened (web/fitting.js) over the box, whose value stays the whole
// text: a screen reader reads it and a copy takes it, and the tooltip
// shows it.
import { fitBoxText } from './fitting.js';

// Texts are measured on a canvas of their own, made at the first need.
let context = null;

// Room kept free of the measured width, for the rounding of glyph advances.
const MEASURE_SLACK = 0.97;
// The smallest font a box shrinks to: a share of its own size, never
// smaller than this many CSS pixels.
const SMALLEST_SHARE = 0.7;
const SMALLEST_PIXELS = 10;

// The box's own tooltip, before a shortened drawing added the whole text.
const ownTitles = new WeakMap();

function measure(style, size) {
  context ??= document.createElement('canvas').getContext('2d');
  context.font = `${style.fontWeight} ${size}px ${style.fontFamily}`;
  return (text) => context.measureText(text).width;
}

function showWhole(input, drawing) {
  input.style.removeProperty('font-size');
  input.classList.remove('shortened');
  drawing.textContent = '';
  drawing.style.removeProperty('font-size');
  if (ownTitles.has(input)) input.title = ownTitles.get(input);
}

// Fits every box given as {input, keep} (keep: which end of a text that
// is not a finished number stays in view). The boxes are reset first, then
// measured, then changed, so that the page is laid out once for them all.
export function fitBoxes(boxes) {
  const shown = boxes.filter(({ input }) => input.isConnected);
  for (const { input } of shown) {
    if (!ownTitles.has(input)) ownTitles.set(input, input.title);
    showWhole(input, input.nextElementSibling);
  }
  const measured = shown.filter(({ input }) => input.value).map((box) => ({ ...box, style: getComputedStyle(box.input), width: box.input.clientWidth }));
  for (const box of measured) fitOne(box);
}

function fitOne({ input, keep, style, width }) {
  const room = (width - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight)) * MEASURE_SLACK;
  if (room <= 0) return;
  const size = parseFloat(style.fontSize);
  const needed = measure(style, size)(input.value);
  if (needed <= room) return;
  const smallest = Math.min(size, Math.max(SMALLEST_PIXELS, size * SMALLEST_SHARE));
  const shrunk = Math.floor(size * (room / needed) * 10) / 10;
  if (shrunk >= smallest) {
    input.style.fontSize = `${shrunk}px`;
    return;
  }
  const drawing = input.nextElementSibling;
  const shownText = fitBoxText(input.value, measure(style, smallest), room, keep);
  input.style.fontSize = `${smallest}px`;
  drawing.style.fontSize = `${smallest}px`;
  drawing.style.justifyContent = style.textAlign === 'right' || style.textAlign === 'end' ? 'flex-end' : 'flex-start';
  drawing.textContent = shownText;
  input.classList.add('shortened');
  input.title = [ownTitles.get(input), input.value].filter(Boolean).join('\n');
}
