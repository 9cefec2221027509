// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison decides which differences the web replay lets pass as a
// last shown digit: it must let through exactly one unit in the 15th
// significant digit, and nothing else.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { compareOutputs, differsInLastDigitOnly } from './lib/compare.mjs';

const cases = [
    // console, page, a last-digit difference only
    ['box 1007 "13.0102999566398"', 'box 1007 "13.0102999566399"', true],
    ['box 1007 "13.0102999566398"', 'box 1007 "13.0102999566397"', true],
    ['box 1007 "13.0102999566398"', 'box 1007 "13.0102999566396"', false],
    ['box 1007 "10"', 'box 1007 "9.99999999999999"', true],
    ['box 1007 "10"', 'box 1007 "10.0000000000001"', true],
    ['box 1007 "12.5"', 'box 1007 "12.5000000000001"', true],
    ['box 1007 "-0.5"', 'box 1007 "-0.500000000000001"', true],
    ['box 1007 "1.23456789012345e-05"', 'box 1007 "1.23456789012346e-05"', true],
    ['box 1007 "1.23456789012345e-05"', 'box 1007 "1.23456789012345e-06"', false],
    ['box 1007 "0.5"', 'box 1007 "-0.5"', false],
    ['box 1007 "12"', 'box 1007 "13"', false],
    ['box 1007 "12"', 'box 1008 "12"', false],
    ['box 1007 "inf"', 'box 1007 "1.79769313486232e+308"', false],
    ['message exclamation "x"', 'message exclamation "y"', false],
    ['box 1007 "12"', 'box 1007 "12"', false],
];

test('a difference passes as a last digit only when it is one', () => {
    for (const [console, page, lastDigit] of cases) {
        assert.equal(differsInLastDigitOnly(console, page), lastDigit, `${console} / ${page}`);
    }
});

test('missing and extra lines are real differences', () => {
    const found = compareOutputs('beep\nbox 1007 "0.1"\n', 'beep\nbox 1007 "0.100000000000001"\nbeep\n');
    assert.deepEqual(found.lastDigit.map((entry) => entry.line), [2]);
    assert.deepEqual(found.other.map((entry) => entry.line), [3, 4]);
});
