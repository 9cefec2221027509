// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that run the keypad's hidden twin buttons: 0-9 . + - * / = on the
// main keyboard or the numeric keypad, with or without Alt.
#pragma once

class QKeyEvent;

// The twin's mnemonic character that this key press stands for, or 0.
char twinKeyOf(const QKeyEvent& event);

// Whether the key press holds Alt, which makes it a mnemonic wherever the
// focus is, the scratch pad included.
bool isAltMnemonic(const QKeyEvent& event);
