// SPDX-License-Identifier: GPL-3.0-or-later
// The wattmeter's results as a pure function of the two readings.
#include <gtest/gtest.h>

#include <string>

#include "PanelFormulas.h"
#include "panels/Vswr.h"

namespace varnock::testing {
namespace {

// Each result as its box shows it.
struct VswrRow {
    VswrInput input;
    const char* returnLoss;
    const char* coefficient;
    const char* vswr;
    const char* zMax;
    const char* zMin;
};

TEST(VswrFormula, FiveResults) {
    const VswrRow rows[] = {
        {{100, 1}, "20", "0.1", "1.22222222222222", "61.1111111111111", "40.9090909090909"},
        {{100, 25}, "6.02059991327962", "0.5", "3", "150", "16.6666666666667"},
        {{50, 2}, "13.9794000867204", "0.2", "1.5", "75", "33.3333333333333"},
        {{10, 0}, "inf", "0", "1", "50", "50"},   // a perfect match
        {{10, 10}, "0", "1", "inf", "inf", "0"},  // everything reflected
        {{10, 40}, "-6.02059991327962", "2", "-3", "-150", "-16.6666666666667"},
    };
    for (const VswrRow& row : rows) {
        SCOPED_TRACE(shown(row.input.forward) + " / " + shown(row.input.reflected));
        const VswrResult result = computeVswr(row.input);
        EXPECT_EQ(shown(result.returnLoss), row.returnLoss);
        EXPECT_EQ(shown(result.reflectionCoefficient), row.coefficient);
        EXPECT_EQ(shown(result.vswr), row.vswr);
        EXPECT_EQ(shown(result.zMax), row.zMax);
        EXPECT_EQ(shown(result.zMin), row.zMin);
    }
}

// Each step takes the double the step before gave: the VSWR of 50 and 2 is
// just under 1.5, and Zmax inherits it.
TEST(VswrFormula, ExactDoubles) {
    const VswrResult result = computeVswr({50, 2});
    EXPECT_EQ(result.vswr, 1.4999999999999998);
    EXPECT_EQ(result.zMax, 74.99999999999999);
}

}  // namespace
}  // namespace varnock::testing
