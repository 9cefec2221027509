// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/JsonString.h"

#include <cstdio>

#include "text/Utf8.h"

namespace varnock::text {
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

// Printable ASCII but the quote and the backslash: bytes that stand for
// themselves, which nearly every text is made of.
bool isPlainAscii(char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size() + 2);
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
}

std::string jsonString(std::string_view text) {
    std::string out;
    appendJsonString(out, text);
    return out;
}

}  // namespace varnock::text
