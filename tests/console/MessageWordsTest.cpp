// SPDX-License-Identifier: GPL-3.0-or-later
// Words of the input as the console's messages quote them.
#include <gtest/gtest.h>

#include <string>

#include "console/Json.h"

namespace varnock::console {
namespace {

TEST(MessageWords, QuotedWordsAreCutForMessages) {
    EXPECT_EQ(quotedWord("foo"), "\"foo\"");
    const std::string shown = quotedWord(std::string(100000, 'x'));
    EXPECT_EQ(shown, "\"" + std::string(40, 'x') + "\"...");
    EXPECT_EQ(shownWord("1234"), "1234");
    EXPECT_EQ(shownWord(std::string(41, '9')), std::string(40, '9') + "...");
}

}  // namespace
}  // namespace varnock::console
