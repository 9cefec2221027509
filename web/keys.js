// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard, as the window takes it: which act of the core a key press
// is. The scratch pad keeps its own text-editing keys.

// Keys that run a keypad key's hidden twin outside the pad.
const TWIN_KEYS = new Set(['0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '.', '+', '-', '*', '/', '=']);

// Keys named as the core names them.
const NAMED_KEYS = { Enter: 'Return', Backspace: 'Backspace', Delete: 'Delete' };

// What a key press asks for: {act, ...} or null when the browser (or the
// focused control) should have the key. inPad: the scratch pad has the focus.
export function actOfKey(event, inPad) {
  const { key, altKey, ctrlKey, metaKey, shiftKey } = event;
  if (key === 'Escape') return { act: 'key', name: 'Escape' };
  if (key === 'ContextMenu' || (key === 'F10' && shiftKey && !ctrlKey && !altKey)) {
    return { act: 'window-menu' };
  }
  if (altKey && !ctrlKey && !metaKey && key.length === 1 && key.charCodeAt(0) < 0x80) {
    return { act: 'mnemonic', key };
  }
  if (inPad) return null;
  if (ctrlKey && !altKey && !metaKey) {
    const lower = key.toLowerCase();
    if (lower === 'c' || key === 'Insert') return { act: 'copy' };
    return null;  // Ctrl+V comes as a paste event
  }
  if (altKey || metaKey || ctrlKey) return null;
  if (TWIN_KEYS.has(key)) return { act: 'key', name: key };
  if (key in NAMED_KEYS && !shiftKey) return { act: 'key', name: NAMED_KEYS[key] };
  return null;
}
