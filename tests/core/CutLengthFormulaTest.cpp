// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna's cutting length as a pure function of frequency, fraction,
// unit and fringing.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/AntennaCutting.h"

namespace varnock::testing {
namespace {

constexpr UnitSystem kCm = UnitSystem::kMetric;
constexpr UnitSystem kInches = UnitSystem::kStandard;
constexpr bool kFringing = true;
constexpr bool kNoFringing = false;

TEST(CutLengthFormula, Length) {
    const struct {
        CutLengthInput input;
        const char* length;
    } rows[] = {
        {{146, 0.25, kCm, kNoFringing}, "51.3698630136986"},
        {{146, 0.25, kCm, kFringing}, "48.8013698630137"},
        {{146, 0.25, kInches, kNoFringing}, "20.2243150684932"},
        {{146, 0.25, kInches, kFringing}, "19.2130993150685"},
        {{146, 0.375, kCm, kNoFringing}, "77.0547945205479"},
        {{146, 0.75, kCm, kNoFringing}, "154.109589041096"},
        {{300, 0.5, kCm, kNoFringing}, "50"},
        {{300, 0.5, kCm, kFringing}, "47.5"},
        {{100, 1, kCm, kNoFringing}, "300"},
        {{300, 0.625, kInches, kNoFringing}, "24.60625"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.frequency) + " MHz, fraction " + shown(row.input.fraction));
        EXPECT_EQ(shown(computeCutLength(row.input).length), row.length);
    }
}

// Fringing subtracts 5 % of the length from it, rather than multiplying by
// 0.95, which would end in ...427.
TEST(CutLengthFormula, ExactDouble) {
    EXPECT_EQ(computeCutLength({7, 0.25, kCm, kFringing}).length, 1017.8571428571428);
}

}  // namespace
}  // namespace varnock::testing
