#include "form/NumberText.h"

#include <cstdio>
#include <cstdlib>

namespace varnock {

std::string formatDouble(double value) {
    char buffer[32];
    int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string formatInt(int value) {
    char buffer[16];
    int length = std::snprintf(buffer, sizeof buffer, "%d", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

double parseNumber(std::string_view text) {
    char buffer[kMaxBoxText + 1];
    std::size_t length = text.copy(buffer, kMaxBoxText);
    buffer[length] = '\0';
    return std::strtod(buffer, nullptr);
}

}  // namespace varnock
