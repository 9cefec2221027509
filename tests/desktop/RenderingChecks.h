// SPDX-License-Identifier: GPL-3.0-or-later
// What a box's drawing of its text must hold, whatever the box and font, for
// the tests of the fitting itself and of every box of the window.
#pragma once

#include <QString>
#include <QStringList>

#include "TextFitting.h"

// Texts of every kind a box can hold: short and long numbers in both
// notations, with rounding that carries, the extreme exponents, the texts of
// infinities and not-a-numbers, the beam tilt's marker, and numbers being
// typed (runs of zeros, with and without a sign or point), and a number in a
// notation of its own.
QStringList boxTextClasses();

// Whether "%.15g" writes the text for a finite value.
bool isFinishedNumber(const QString& text);

// The mantissa's digits from the first one that is not zero; with
// `withoutTrailingZeros`, up to the last one that is not zero.
int significantDigits(const QString& number, bool withoutTrailingZeros);

// Empty when `shown` is a sound drawing of `text` in the room: the text
// itself when it fits; otherwise something that fits, marks what it leaves
// out, and either reads back as the number to the digits it shows, with its
// sign and magnitude, or keeps the end of the text that `keep` names. Where
// the trailing end is kept, only a finished number counts as a number.
QString renderingFault(const QString& text, const QString& shown, const TextWidth& width, int room,
                       KeptEnd keep);
