// SPDX-License-Identifier: GPL-3.0-or-later
// What a box draws when its text is wider than the box: a shorter rendering
// that fits, never the text silently cut at the edge. The box's text itself
// stays whole; only its drawing changes.
//
// - A number keeps its sign and exponent, and its mantissa is rounded to as
//   many significant digits as fit: "6.66666666666667e+15" draws as
//   "6.666667…e+15", "100000000000" as "1e+11". The rendering holds the
//   value to the digits it shows.
// - Any other text keeps the end the box names: the leading characters
//   ("0VER HO…"), or the sign, the first digit and the trailing characters,
//   where typed digits arrive ("1…0000000"). In a box that keeps typed digits
//   in view, a number counts as a number only when finished, as "%.15g"
//   writes it: "1000" followed by more zeros, or "1.50", is still being typed.
//
// An ellipsis marks where digits are left out, so that a rounded number never
// passes for the whole one. A rendering that only changes the notation
// ("1e+11") leaves out nothing and has no mark.
#pragma once

#include <QChar>
#include <QString>
#include <functional>

// Drawn in place of the characters a rendering leaves out.
inline constexpr QChar kLeftOutMark{0x2026};  // HORIZONTAL ELLIPSIS

// Which characters of a text that is not a finished number stay in view.
enum class KeptEnd {
    Leading,   // the first ones: a label-like text such as "0VER HORIZ"
    Trailing,  // the last ones, behind the sign and first digit: typed digits
};

// The width of a text in the units of the room, as the box's font draws it.
using TextWidth = std::function<int(const QString&)>;

// The text itself when it fits the room; otherwise its rendering that fits,
// or, in a room too narrow for any (a few characters), the one that keeps
// the fewest characters.
QString fitBoxText(const QString& text, const TextWidth& width, int room, KeptEnd keep);
