// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace varnock::testing {
namespace {

struct PlatformCase {
    const char* chosenPlatform;
    const char* x11Display;
    const char* waylandDisplay;
    bool offscreen;
};

// Only when nothing names a platform or a display does offscreen stand in; a
// platform chosen by hand (even xcb on a machine without X) is left alone.
const PlatformCase kPlatformCases[] = {
    {"", "", "", true},           {"", ":0", "", false},
    {"", "", "wayland-0", false}, {"", ":1", "wayland-0", false},
    {"offscreen", "", "", false}, {"xcb", "", "", false},
    {"minimal", ":0", "", false},
};

TEST(HeadlessPlatform, OffscreenStandsInOnlyWithoutDisplayOrChosenPlatform) {
    for (const PlatformCase& c : kPlatformCases) {
        EXPECT_EQ(needsOffscreenPlatform(c.chosenPlatform, c.x11Display, c.waylandDisplay),
                  c.offscreen)
            << "platform '" << c.chosenPlatform << "' display '" << c.x11Display << "' wayland '"
            << c.waylandDisplay << "'";
    }
}

}  // namespace
}  // namespace varnock::testing
