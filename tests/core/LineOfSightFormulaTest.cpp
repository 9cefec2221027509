// SPDX-License-Identifier: GPL-3.0-or-later
// The distance to the radio horizon as a pure function of height and unit.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/LineOfSight.h"

namespace varnock::testing {
namespace {

TEST(LineOfSightFormula, DistanceToHorizon) {
    const struct {
        LineOfSightInput input;
        const char* distance;
    } rows[] = {
        {{100, UnitSystem::kMetric}, "41.2256012448877"},
        {{100, UnitSystem::kStandard}, "14.142135623731"},
        {{50, UnitSystem::kStandard}, "10"},
        {{8, UnitSystem::kStandard}, "4"},
        {{0, UnitSystem::kMetric}, "0"},
        {{0, UnitSystem::kStandard}, "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.height));
        EXPECT_EQ(shown(computeLineOfSight(row.input).distance), row.distance);
    }
}

}  // namespace
}  // namespace varnock::testing
