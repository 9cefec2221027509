// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardTwins.h"

#include <QKeyEvent>

namespace {

struct KeyChar {
    int key;
    char character;
};

constexpr KeyChar kTwinKeys[] = {
    {Qt::Key_0, '0'},     {Qt::Key_1, '1'},     {Qt::Key_2, '2'},        {Qt::Key_3, '3'},
    {Qt::Key_4, '4'},     {Qt::Key_5, '5'},     {Qt::Key_6, '6'},        {Qt::Key_7, '7'},
    {Qt::Key_8, '8'},     {Qt::Key_9, '9'},     {Qt::Key_Period, '.'},   {Qt::Key_Plus, '+'},
    {Qt::Key_Minus, '-'}, {Qt::Key_Slash, '/'}, {Qt::Key_Asterisk, '*'}, {Qt::Key_Equal, '='},
};

}  // namespace

char twinKeyOf(const QKeyEvent& event) {
    // Shift stays allowed: "+" and "*" need it on many layouts.
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const int key = event.key();
    // Some layouts put a comma on the keypad's decimal key.
    if (key == Qt::Key_Comma && (event.modifiers() & Qt::KeypadModifier)) return '.';
    for (const KeyChar& entry : kTwinKeys) {
        if (entry.key == key) return entry.character;
    }
    return 0;
}

bool isAltMnemonic(const QKeyEvent& event) { return (event.modifiers() & Qt::AltModifier) != 0; }
