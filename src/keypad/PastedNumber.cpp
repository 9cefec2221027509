// SPDX-License-Identifier: GPL-3.0-or-later
#include "keypad/PastedNumber.h"

#include "form/NumberText.h"

namespace varnock {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One line break at the end: "\n", "\r\n" or "\r", as the desktops write them.
std::string_view withoutLineBreak(std::string_view text) {
    if (text.ends_with("\r\n")) return text.substr(0, text.size() - 2);
    if (text.ends_with('\n') || text.ends_with('\r')) return text.substr(0, text.size() - 1);
    return text;
}

// Reads a run of digits from pos on; returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return pos - start;
}

// Whether the whole text is sign, digits with at most one point, exponent.
bool isPlainNumber(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && isSign(text[pos])) ++pos;
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0) return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && isSign(text[pos])) ++pos;
        if (skipDigits(text, pos) == 0) return false;
    }
    return pos == text.size();
}

}  // namespace

std::optional<PastedNumber> parsePastedNumber(std::string_view clipboard) {
    const std::string_view text = trimBlanks(withoutLineBreak(trimBlanks(clipboard)));
    if (text.size() > kMaxBoxText || !isPlainNumber(text)) return std::nullopt;
    return PastedNumber{std::string(text), parseNumber(text),
                        text.find('.') != std::string_view::npos};
}

}  // namespace varnock
