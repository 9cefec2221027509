// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/NumberText.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

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

double parseNumber(std::string_view text) {
    char buffer[kMaxBoxText + 1];
    std::size_t length = text.copy(buffer, kMaxBoxText);
    buffer[length] = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace varnock
