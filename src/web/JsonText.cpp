// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/JsonText.h"

#include "text/JsonString.h"

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
    text::appendJsonString(m_text, name);
    m_text += ':';
    m_needsComma = false;
    return *this;
}

JsonText& JsonText::value(std::string_view words) {
    separate();
    text::appendJsonString(m_text, words);
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

}  // namespace varnock::web
