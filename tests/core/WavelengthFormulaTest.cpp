// SPDX-License-Identifier: GPL-3.0-or-later
// The wavelength, frequency and length conversions as a pure function of the
// display's number.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/WavelengthConversions.h"

namespace varnock::testing {
namespace {

using enum WavelengthKey;
const std::string kNotAboveZero = "refused:  Invalid Input, Number must be greater than Zero.";

TEST(WavelengthFormula, ResultsAndRefusals) {
    const struct {
        WavelengthInput input;
        std::string seen;
    } rows[] = {
        {{kWavelengthFrequency, 2}, "150000000"},
        {{kWavelengthFrequency, 100000000}, "3"},
        {{kWavelengthFrequency, 146520000}, "2.04750204750205"},
        {{kHertzSeconds, 1000}, "0.001"},
        {{kHertzSeconds, 0.001}, "1000"},
        {{kHertzSeconds, 60}, "0.0166666666666667"},
        {{kHertzToMhz, 146520000}, "146.52"},
        {{kHertzToKhz, 1500}, "1.5"},
        {{kMilesToKm, 1}, "1.609344"},
        {{kMilesToMeter, 1}, "1609.344"},
        {{kKmToMiles, 1}, "0.62137"},
        {{kMeterToMiles, 1000}, "0.621371192237334"},
        {{kMeterToFeet, 1}, "3.28083333333333"},
        {{kFeetToMeter, 3.28083333333333}, "0.999997999999999"},
        {{kMilesToKm, 0.62137}, "0.99999808128"},
        // The factor keys convert zero and negative numbers; the reciprocal
        // keys refuse them.
        {{kFeetToMeter, -10}, "-3.048"},
        {{kMeterToFeet, 0}, "0"},
        {{kWavelengthFrequency, 0}, kNotAboveZero},
        {{kWavelengthFrequency, -1}, kNotAboveZero},
        {{kHertzSeconds, -0.0}, kNotAboveZero},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.x));
        EXPECT_EQ(seen(convertWavelength(row.input)), row.seen);
    }
}

// Each factor is a multiplication of its own, rounded before the next.
TEST(WavelengthFormula, ExactDoubles) {
    EXPECT_EQ(convertWavelength({kHertzToMhz, 146520000}).value, 146.51999999999998);
    // Through inches, each product rounded: 377.2958333333333 another way.
    EXPECT_EQ(convertWavelength({kMeterToFeet, 115}).value, 377.29583333333323);
}

}  // namespace
}  // namespace varnock::testing
