// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Utf8.h"

#include <cstdio>

namespace varnock::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The range the second byte must lie in after this lead byte; the others are
// plain continuation bytes. This rules out overlong forms, surrogates and
// values above U+10FFFF.
struct LeadRule {
    std::size_t length;
    unsigned char secondLow, secondHigh;
};

LeadRule leadRule(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

Utf8Step decodeUtf8(std::string_view text, std::size_t pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) return {lead, 1, true};

    const LeadRule rule = leadRule(lead);
    const Utf8Step invalid{kReplacement, 1, false};
    if (rule.length == 0 || pos + rule.length > text.size()) return invalid;
    const unsigned char second = byteAt(pos + 1);
    if (second < rule.secondLow || second > rule.secondHigh) return invalid;

    char32_t codePoint = lead & (0x7F >> rule.length);
    for (std::size_t i = 1; i < rule.length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if (!isContinuation(next)) return invalid;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {codePoint, rule.length, true};
}

std::size_t findInvalidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {  // ASCII, nearly every byte
            ++pos;
            continue;
        }
        const Utf8Step step = decodeUtf8(text, pos);
        if (!step.valid) return pos;
        pos += step.length;
    }
    return std::string_view::npos;
}

std::size_t lastCharacterSize(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t start = text.size() - 1;
    while (start > 0 && isContinuation(static_cast<unsigned char>(text[start]))) --start;
    return text.size() - start;
}

void removeLastCharacter(std::string& text) { text.resize(text.size() - lastCharacterSize(text)); }

std::string_view cutAtCharacter(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end]))) --end;
    return text.substr(0, end);
}

std::string codePointName(char32_t codePoint) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(codePoint));
    return buffer;
}

}  // namespace varnock::text
