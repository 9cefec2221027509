// SPDX-License-Identifier: GPL-3.0-or-later
// Lets a window test binary run by hand on a machine without a display: when
// no display server is reachable and no Qt platform was chosen, the window
// opens on Qt's offscreen platform instead of failing to start.
#pragma once

#include <string_view>

namespace varnock::testing {

// Whether the offscreen platform must stand in: QT_QPA_PLATFORM, DISPLAY and
// WAYLAND_DISPLAY as found in the environment, an unset one as "".
bool needsOffscreenPlatform(std::string_view chosenPlatform, std::string_view x11Display,
                            std::string_view waylandDisplay);

// Sets QT_QPA_PLATFORM to "offscreen" when needsOffscreenPlatform() says so.
// Call before the application object is made.
void fallBackToOffscreenWithoutDisplay();

}  // namespace varnock::testing
