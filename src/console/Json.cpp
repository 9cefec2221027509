// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/Json.h"

#include <cstdio>

#include "console/Utf8.h"

namespace varnock::console {
namespace {

void appendControl(std::string& out, char32_t codePoint) {
    switch (codePoint) {
        case '\n':
            out += "\\n";
            return;
        case '\t':
            out += "\\t";
            return;
        case '\r':
            out += "\\r";
            return;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(codePoint));
            out += escape;
        }
    }
}

constexpr std::size_t kQuotedWordBytes = 40;

// Printable ASCII but the quote and the backslash: bytes that stand for
// themselves, which nearly every text is made of.
bool isPlainAscii(char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t plainEnd = pos;
        while (plainEnd < text.size() && isPlainAscii(text[plainEnd])) ++plainEnd;
        out.append(text.substr(pos, plainEnd - pos));
        pos = plainEnd;
        if (pos == text.size()) break;
        const Utf8Step step = decodeUtf8(text, pos);
        if (!step.valid) {
            out += "\xEF\xBF\xBD";  // U+FFFD
        } else if (step.codePoint == '"' || step.codePoint == '\\') {
            out += '\\';
            out += static_cast<char>(step.codePoint);
        } else if (isControlCharacter(step.codePoint)) {
            appendControl(out, step.codePoint);
        } else {
            out.append(text, pos, step.length);
        }
        pos += step.length;
    }
    out += '"';
    return out;
}

std::string quotedWord(std::string_view word) {
    const std::string_view shown = cutAtCharacter(word, kQuotedWordBytes);
    return jsonString(shown) + (shown.size() < word.size() ? "..." : "");
}

std::string shownWord(std::string_view word) {
    const std::string_view shown = cutAtCharacter(word, kQuotedWordBytes);
    return std::string(shown) + (shown.size() < word.size() ? "..." : "");
}

}  // namespace varnock::console
