// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessPlatform.h"

#include <cstdlib>

namespace varnock::testing {
namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

bool needsOffscreenPlatform(std::string_view chosenPlatform, std::string_view x11Display,
                            std::string_view waylandDisplay) {
    return chosenPlatform.empty() && x11Display.empty() && waylandDisplay.empty();
}

void fallBackToOffscreenWithoutDisplay() {
    if (needsOffscreenPlatform(environment("QT_QPA_PLATFORM"), environment("DISPLAY"),
                               environment("WAYLAND_DISPLAY"))) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
}

}  // namespace varnock::testing
