// SPDX-License-Identifier: GPL-3.0-or-later
// Texts as JSON strings, the one way the console prints them and the web
// page's binding hands them over.
#pragma once

#include <string>
#include <string_view>

namespace varnock::text {

// The text as a JSON string in double quotes: `"`, `\` and the control
// characters (U+0000 to U+001F, U+007F to U+009F) escaped, new line, tab and
// carriage return as \n, \t, \r, the others as \u00XX; every other character
// as it stands. Bytes that are not UTF-8 become U+FFFD, so the result is
// always valid UTF-8.
std::string jsonString(std::string_view text);

// The same, appended to out.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace varnock::text
