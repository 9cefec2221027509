// SPDX-License-Identifier: GPL-3.0-or-later
// Just enough UTF-8 for the front ends' texts: checking the console's input
// lines, stepping over characters of the scratch pad, cutting long words for
// messages, and quoting texts for JSON.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnock::text {

// One step through a UTF-8 text.
struct Utf8Step {
    char32_t codePoint;  // U+FFFD when the bytes do not form a character
    std::size_t length;  // bytes consumed, at least 1
    bool valid;  // a well-formed sequence (no overlong form, surrogate or value above U+10FFFF)
};

// Decodes the character that begins at pos (pos < text.size()).
Utf8Step decodeUtf8(std::string_view text, std::size_t pos);

// The offset of the first byte that does not begin a well-formed character,
// or npos when the whole text is valid UTF-8.
std::size_t findInvalidUtf8(std::string_view text);

// The bytes of the last character of a valid UTF-8 text; 0 when it is empty.
std::size_t lastCharacterSize(std::string_view text);

// Removes the last character of a valid UTF-8 text; nothing when it is empty.
void removeLastCharacter(std::string& text);

// The longest start of the text that has at most maxBytes bytes and does not
// cut a character in two.
std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes);

// U+0000 to U+001F and U+007F to U+009F.
inline bool isControlCharacter(char32_t codePoint) {
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The 66 code points that Unicode keeps out of text for good: U+FDD0 to
// U+FDEF and the last two of every plane.
inline bool isNoncharacter(char32_t codePoint) {
    return (codePoint >= 0xFDD0 && codePoint <= 0xFDEF) || (codePoint & 0xFFFE) == 0xFFFE;
}

// "U+001B": how messages name a character.
std::string codePointName(char32_t codePoint);

}  // namespace varnock::text
