// SPDX-License-Identifier: GPL-3.0-or-later
// Which act of the core each key press is, outside and inside the pad.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { actOfKey } from '../../web/keys.js';

const press = (key, modifiers = {}) => ({ key, altKey: false, ctrlKey: false, metaKey: false, shiftKey: false, ...modifiers });

const OUTSIDE_PAD = [
  [press('7'), { act: 'key', name: '7' }],
  [press('*'), { act: 'key', name: '*' }],
  [press('Enter'), { act: 'key', name: 'Return' }],
  [press('Backspace'), { act: 'key', name: 'Backspace' }],
  [press('Delete'), { act: 'key', name: 'Delete' }],
  [press('Escape'), { act: 'key', name: 'Escape' }],
  [press('c', { ctrlKey: true }), { act: 'copy' }],
  [press('Insert', { ctrlKey: true }), { act: 'copy' }],
  [press('v', { ctrlKey: true }), null],
  [press('c', { altKey: true }), { act: 'mnemonic', key: 'c' }],
  [press('5', { altKey: true }), { act: 'mnemonic', key: '5' }],
  [press('F10', { shiftKey: true }), { act: 'window-menu' }],
  [press('ContextMenu'), { act: 'window-menu' }],
  [press('a'), null],
  [press('Tab'), null],
  [press(' '), null],
  [press('7', { ctrlKey: true }), null],
  [press('é', { altKey: true }), null],
];

const INSIDE_PAD = [
  [press('7'), null],
  [press('Enter'), null],
  [press('Backspace'), null],
  [press('c', { ctrlKey: true }), null],
  [press('Escape'), { act: 'key', name: 'Escape' }],
  [press('7', { altKey: true }), { act: 'mnemonic', key: '7' }],
];

test('keys outside the pad', () => {
  for (const [event, act] of OUTSIDE_PAD) assert.deepEqual(actOfKey(event, false), act, JSON.stringify(event));
});

test('the pad keeps its editing keys', () => {
  for (const [event, act] of INSIDE_PAD) assert.deepEqual(actOfKey(event, true), act, JSON.stringify(event));
});
