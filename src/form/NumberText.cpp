// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/NumberText.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>

namespace varnock {

// std::to_chars in the general format is defined as printf's %g in the "C"
// locale, and gives the same text for every double (NumberTextTest holds it
// to snprintf) several times faster, which the console feels on every key.
// A standard library without it (the web build's) prints with snprintf.
std::string formatDouble(double value) {
    char buffer[32];
#if defined(__cpp_lib_to_chars)
    const std::to_chars_result end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, end.ptr);
#else
    const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return std::string(buffer, static_cast<std::size_t>(length));
#endif
}

std::string formatInt(int value) {
    char buffer[16];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end.ptr);
}

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Digits that a double holds exactly as a whole number.
constexpr int kExactDigits = 15;

// A plain decimal as the display shows it ("-12.5", "0.30", "7."), read
// without strtod: with at most 15 significant digits and 22 decimal places,
// the digits and the power of ten are both exact doubles, and their quotient
// is the correctly rounded value, which is what strtod returns too. Anything
// else (an exponent, blanks, more digits) is left to strtod.
std::optional<double> parsePlainDecimal(std::string_view text) {
    std::size_t pos = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++pos;
    std::uint64_t digits = 0;
    int significant = 0;
    int places = 0;
    bool anyDigit = false;
    bool point = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        anyDigit = true;
        if (digits != 0 || c != '0') ++significant;
        if (significant > kExactDigits) return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        if (point) ++places;
    }
    if (!anyDigit || places >= static_cast<int>(std::size(kExactPowersOfTen))) return std::nullopt;
    const double value = static_cast<double>(digits) / kExactPowersOfTen[places];
    return negative ? -value : value;
}

}  // namespace

double parseNumber(std::string_view text) {
    if (text.size() <= kMaxBoxText) {
        if (const std::optional<double> plain = parsePlainDecimal(text)) return *plain;
    }
    char buffer[kMaxBoxText + 1];
    std::size_t length = text.copy(buffer, kMaxBoxText);
    buffer[length] = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace varnock
