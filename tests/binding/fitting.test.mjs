// SPDX-License-Identifier: GPL-3.0-or-later
// How the page draws a number wider than its box, measured with a font whose
// every character is one unit wide, and the number texts it rounds to.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { fitBoxText, numberText, fixedText, KEEP_LEADING as LEAD, KEEP_TRAILING as TYPED } from '../../web/fitting.js';

const monospace = (text) => [...text].length;

const RENDERINGS = [
  ['100000000000', 12, LEAD, '100000000000'],
  ['6.66666666666667e+15', 13, LEAD, '6.666667…e+15'],
  ['-1.23456789012346e-308', 12, LEAD, '-1.235…e-308'],
  ['100000000000', 10, LEAD, '1e+11'],
  ['9.99999999999999e+15', 10, LEAD, '1.000…e+16'],
  ['12345.6789012345', 10, LEAD, '12345.679…'],
  ['-0.000123456789012345', 10, LEAD, '-0.000123…'],
  ['99999.99999999', 8, LEAD, '1.0…e+05'],
  ['6.66666666666667e+15', 12, TYPED, '6.66667…e+15'],
  ['0VER HORIZ', 8, LEAD, '0VER HO…'],
  [`1${'0'.repeat(62)}`, 13, TYPED, '1…00000000000'],
  [`-1${'0'.repeat(30)}`, 10, TYPED, '-1…0000000'],
  ['1.000000000000', 10, TYPED, '1…00000000'],
  ['-inf', 3, LEAD, '-i…'],
  ['-33.3333333333333e+100', 13, TYPED, '-3…33333e+100'],
  ['100.500', 6, LEAD, '100.50'],
  ['-0.00000000', 6, LEAD, '-0'],
  ['-1.23456789012346e-308', 3, LEAD, '-1…e-308'],
  ['0VER HORIZ', 0, LEAD, '…'],
];

test('a long text drawn shortened, marked where digits are left out', () => {
  for (const [text, room, keep, shown] of RENDERINGS) {
    assert.equal(fitBoxText(text, monospace, room, keep), shown, `${text} in ${room}`);
  }
});

// As "%.15g" and "%.*f" write them, ties rounded to even on the exact value.
const NUMBER_TEXTS = [
  [0.1, '0.1'],
  [1e-5, '1e-05'],
  [0.0001, '0.0001'],
  [-0, '-0'],
  [1e15, '1e+15'],
  [123456789012345, '123456789012345'],
  [1234567890123455, '1.23456789012346e+15'],
  [1234567890123445, '1.23456789012344e+15'],
  [5e-324, '4.94065645841247e-324'],
  [1.7976931348623157e308, '1.79769313486232e+308'],
  [2 / 3, '0.666666666666667'],
];

test('number texts as the core writes them', () => {
  for (const [value, text] of NUMBER_TEXTS) assert.equal(numberText(value), text, String(value));
  assert.deepEqual([0.5, 1.5, 2.5, -2.5].map((value) => fixedText(value, 0)), ['0', '2', '2', '-2']);
  assert.equal(fixedText(0.125, 2), '0.12');
  assert.equal(fixedText(99.996, 2), '100.00');
});
