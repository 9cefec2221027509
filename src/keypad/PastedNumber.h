// SPDX-License-Identifier: GPL-3.0-or-later
// Which clipboard texts the display takes as a pasted number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnock {

// A clipboard text that reads as one plain number.
struct PastedNumber {
    std::string text;  // as the display shows it: blanks and the line break trimmed
    double value;      // by strtod
    bool hasPoint;     // the entry's one point is used up
};

// The clipboard text as a number for the display, or nullopt when it is
// anything else. Blanks (spaces and tabs) around the text and one line break
// at its end are trimmed; what remains must be a plain decimal number in the
// "C" locale of at most 63 characters: an optional sign, digits with at most
// one point (at least one digit), and an optional exponent ("e" or "E", an
// optional sign, digits). Words, a second number, a decimal comma,
// thousands separators and digits or signs outside ASCII are refused.
std::optional<PastedNumber> parsePastedNumber(std::string_view clipboard);

}  // namespace varnock
