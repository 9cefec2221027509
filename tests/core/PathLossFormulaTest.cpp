// SPDX-License-Identifier: GPL-3.0-or-later
// The free space path loss as a pure function of frequency, distance and
// unit.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/PathLoss.h"

namespace varnock::testing {
namespace {

constexpr UnitSystem kKms = UnitSystem::kMetric;
constexpr UnitSystem kMiles = UnitSystem::kStandard;

TEST(PathLossFormula, LossInDb) {
    const struct {
        PathLossInput input;
        const char* loss;
    } rows[] = {
        {{100, 10, kKms}, "92.4"},
        {{100, 10, kMiles}, "96.6"},  // the same distance read as miles
        {{2400, 1, kKms}, "100.004224834232"},
        {{0.001, 0.001, kKms}, "-87.6"},
        {{1, 1, kKms}, "32.4"},  // both terms zero: the constant alone
        {{1, 1, kMiles}, "36.6"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.frequency) + " MHz, " + shown(row.input.distance));
        EXPECT_EQ(shown(computePathLoss(row.input).loss), row.loss);
    }
}

}  // namespace
}  // namespace varnock::testing
