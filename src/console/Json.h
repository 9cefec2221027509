// SPDX-License-Identifier: GPL-3.0-or-later
// Texts as the console prints them: JSON strings.
#pragma once

#include <string>
#include <string_view>

#include "text/JsonString.h"

namespace varnock::console {

using text::jsonString;

// A word of the input quoted for a message: its JSON string, cut after 40
// bytes with "..." so that a huge word cannot flood the error output.
std::string quotedWord(std::string_view word);

// A word of the input as it stands, cut in the same way: for words that are
// known to be plain ASCII, such as the digits of an identifier.
std::string shownWord(std::string_view word);

}  // namespace varnock::console
