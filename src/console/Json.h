// SPDX-License-Identifier: GPL-3.0-or-later
// Texts as the console prints them: JSON strings.
#pragma once

#include <string>
#include <string_view>

namespace varnock::console {

// The text as a JSON string in double quotes: `"`, `\` and the control
// characters (U+0000 to U+001F, U+007F to U+009F) escaped, new line, tab and
// carriage return as \n, \t, \r, the others as \u00XX; every other character
// as it stands. Bytes that are not UTF-8 become U+FFFD, so the result is
// always valid UTF-8.
std::string jsonString(std::string_view text);

// A word of the input quoted for a message: its JSON string, cut after 40
// bytes with "..." so that a huge word cannot flood the error output.
std::string quotedWord(std::string_view word);

// A word of the input as it stands, cut in the same way: for words that are
// known to be plain ASCII, such as the digits of an identifier.
std::string shownWord(std::string_view word);

}  // namespace varnock::console
