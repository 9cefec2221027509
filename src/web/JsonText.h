// SPDX-License-Identifier: GPL-3.0-or-later
// A small writer of JSON text, for what the binding hands to the page: the
// control table and the events of each act. Strings are quoted as the
// console quotes them.
#pragma once

#include <string>
#include <string_view>

namespace varnock::web {

class JsonText {
public:
    // Containers; each value or member inside one is separated from the
    // previous one by a comma.
    JsonText& beginObject();
    JsonText& endObject();
    JsonText& beginArray();
    JsonText& endArray();
    // An object's member name; its value follows.
    JsonText& key(std::string_view name);

    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(int number);
    JsonText& value(bool flag);

    // key(name) then value(v), for the common case.
    template <typename Value>
    JsonText& member(std::string_view name, const Value& v) {
        return key(name).value(v);
    }

    const std::string& text() const { return m_text; }
    std::string take() { return std::move(m_text); }
    void clear();

private:
    void separate();
    void open(char bracket);
    void close(char bracket);

    std::string m_text;
    // Whether the next value at this point needs a comma before it.
    bool m_needsComma = false;
};

}  // namespace varnock::web
