// SPDX-License-Identifier: GPL-3.0-or-later
// The temperature conversions as a pure function of the display's number.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "form/ControlIds.h"
#include "panels/Temperature.h"

namespace varnock::testing {
namespace {

using enum TemperatureKey;
const std::string kBelowAbsoluteZero =
    "refused: There really isn't anything colder than Absolute Zero.";
const std::string kKelvinBelowZero =
    "refused: The input is Invalid...it produces a value of Kelvin less than Zero";

TEST(TemperatureFormula, ResultsAndRefusals) {
    const struct {
        TemperatureInput input;
        std::string seen;
    } rows[] = {
        {{kCelsiusToFahrenheit, 100}, "212"},
        {{kCelsiusToFahrenheit, -40}, "-40"},
        {{kCelsiusToFahrenheit, 0}, "32"},
        {{kCelsiusToFahrenheit, -500}, "-868"},  // below absolute zero, not tested
        {{kFahrenheitToCelsius, 212}, "100"},
        {{kFahrenheitToCelsius, 98.6}, "37"},
        {{kFahrenheitToCelsius, 0}, "-17.7777777777778"},
        {{kCelsiusToKelvin, 0}, "273.16"},
        {{kCelsiusToKelvin, -273.15}, "0.0100000000000477"},
        {{kKelvinToCelsius, 300}, "26.84"},
        {{kKelvinToFahrenheit, 273.16}, "32"},
        {{kKelvinToFahrenheit, 373.16}, "212"},
        {{kFahrenheitToKelvin, 32}, "273.16"},
        // Exactly zero kelvins passes, as input and as result.
        {{kKelvinToCelsius, 0}, "-273.16"},
        {{kKelvinToFahrenheit, 0}, "-459.688"},
        {{kCelsiusToKelvin, -273.16}, "0"},
        {{kKelvinToCelsius, -0.001}, kBelowAbsoluteZero},
        {{kKelvinToFahrenheit, -1}, kBelowAbsoluteZero},
        {{kCelsiusToKelvin, -273.17}, kKelvinBelowZero},
        {{kFahrenheitToKelvin, -459.69}, kKelvinBelowZero},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.x));
        EXPECT_EQ(seen(convertTemperature(row.input)), row.seen);
    }
}

// 9/5 as × 9 × 0.2 and the offset 273.16 leave their marks in the last bits.
TEST(TemperatureFormula, ExactDoubles) {
    EXPECT_EQ(convertTemperature({kCelsiusToFahrenheit, 37}).value, 98.60000000000001);
    const InPlaceOutcome nearZero = convertTemperature({kFahrenheitToKelvin, -459.688});
    EXPECT_FALSE(nearZero.refused());
    expectAbout(nearZero.value, 5.6843419e-14);
}

}  // namespace
}  // namespace varnock::testing
