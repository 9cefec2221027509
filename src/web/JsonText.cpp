// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/JsonText.h"

#include <array>

namespace varnock::web {

JsonText& JsonText::beginObject() {
    open('{');
    return *this;
}

JsonText& JsonText::endObject() {
    close('}');
    return *this;
}

JsonText& JsonText::beginArray() {
    open('[');
    return *this;
}

JsonText& JsonText::endArray() {
    close(']');
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    separate();
    appendQuoted(m_text, name);
    m_text += ':';
    m_needsComma = false;
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    appendQuoted(m_text, text);
    m_needsComma = true;
    return *this;
}

JsonText& JsonText::value(int number) {
    separate();
    m_text += std::to_string(number);
    m_needsComma = true;
    return *this;
}

JsonText& JsonText::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
    m_needsComma = true;
    return *this;
}

void JsonText::clear() {
    m_text.clear();
    m_needsComma = false;
}

void JsonText::separate() {
    if (m_needsComma) m_text += ',';
}

void JsonText::open(char bracket) {
    separate();
    m_text += bracket;
    m_needsComma = false;
}

void JsonText::close(char bracket) {
    m_text += bracket;
    m_needsComma = true;
}

void appendQuoted(std::string& out, std::string_view text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    out.reserve(out.size() + text.size() + 2);
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace varnock::web
