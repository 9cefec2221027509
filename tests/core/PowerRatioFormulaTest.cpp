// SPDX-License-Identifier: GPL-3.0-or-later
// The power ratio as a pure function of the mode and the two boxes.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/PowerRatio.h"

namespace varnock::testing {
namespace {

using enum PowerUnknown;

TEST(PowerRatioFormula, TheThirdQuantity) {
    const struct {
        PowerRatioInput input;
        const char* value;
    } rows[] = {
        {{kRatio, 2, 20}, "10"},
        {{kRatio, 2, 1}, "-3.01029995663981"},
        {{kRatio, 5, 5}, "0"},
        {{kInput, 3, 10}, "5.01187233627272"},
        {{kInput, -3, 10}, "19.9526231496888"},
        {{kInput, 0, 10}, "10"},  // a ratio of 0 dB: the power itself
        {{kOutput, 3, 10}, "19.9526231496888"},
        {{kOutput, 10, 5}, "50"},
        {{kOutput, 0, 10}, "10"},
        {{kOutput, -10, 5}, "0.5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.first) + ", " + shown(row.input.second));
        EXPECT_EQ(shown(computePowerRatio(row.input).value), row.value);
    }
}

// The ratio is scaled by 0.1, not divided by 10: -6 x 0.1 is just below -0.6,
// which shows in the last bits.
TEST(PowerRatioFormula, ExactDoubles) {
    EXPECT_EQ(computePowerRatio({kInput, -6, 10}).value, 39.810717055349734);
    EXPECT_EQ(computePowerRatio({kOutput, -6, 10}).value, 2.5118864315095797);
}

}  // namespace
}  // namespace varnock::testing
