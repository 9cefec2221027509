// SPDX-License-Identifier: GPL-3.0-or-later
// The dB level conversions as a pure function of the display's number.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/DbConversions.h"

namespace varnock::testing {
namespace {

const std::string kNotAboveZero = "refused:  Invalid Input, Number must be greater than Zero.";

TEST(DbLevelFormula, ResultsAndRefusals) {
    const struct {
        DbLevelInput input;
        std::string seen;
    } rows[] = {
        {{DbLevelKey::kMwToDbm, 1}, "0"},
        {{DbLevelKey::kMwToDbm, 1000}, "30"},
        {{DbLevelKey::kMwToDbm, 0.001}, "-30"},
        {{DbLevelKey::kMwToDbm, 2}, "3.01029995663981"},
        {{DbLevelKey::kWToDbm, 1}, "30"},
        {{DbLevelKey::kDbmToW, 30}, "1"},
        {{DbLevelKey::kDbmToW, 0}, "0.001"},
        {{DbLevelKey::kDbmToMw, 3}, "1.99526231496888"},
        {{DbLevelKey::kDbmToMw, -30}, "0.001"},
        {{DbLevelKey::kDbmToMw, 0}, "1"},
        {{DbLevelKey::kDbmToMw, 4000}, "inf"},
        {{DbLevelKey::kVToDbmv, 1}, "60"},
        {{DbLevelKey::kDbmvToV, 60}, "1"},
        {{DbLevelKey::kUvToDbmv, 1000}, "0"},
        {{DbLevelKey::kUvToDbmv, 1}, "-60"},
        {{DbLevelKey::kDbmvToUv, 0}, "1000"},
        {{DbLevelKey::kDbmvToUv, -20}, "100"},
        {{DbLevelKey::kDbmvToUv, 60}, "1000000"},
        {{DbLevelKey::kMvToDbmv, 10}, "20"},
        {{DbLevelKey::kDbmvToMv, 20}, "10"},
        // Only the five keys that take a logarithm test their number.
        {{DbLevelKey::kMwToDbm, 0}, kNotAboveZero},
        {{DbLevelKey::kWToDbm, -0.0}, kNotAboveZero},
        {{DbLevelKey::kUvToDbmv, -1}, kNotAboveZero},
        {{DbLevelKey::kMvToDbmv, -5}, kNotAboveZero},
        {{DbLevelKey::kVToDbmv, 0}, kNotAboveZero},
        {{DbLevelKey::kVToDbmv, 1e-300}, "-5940"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.x));
        EXPECT_EQ(seen(convertDbLevel(row.input)), row.seen);
    }
}

}  // namespace
}  // namespace varnock::testing
