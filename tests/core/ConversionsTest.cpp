// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place unit conversions: dB levels, temperatures, wavelength,
// frequency and lengths.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "InPlaceKeys.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

INSTANTIATE_TEST_SUITE_P(
    DbLevels, InPlaceResult,
    ::testing::Values(
        KeyCase{"1", {kMilliwattsToDbm}, "0"}, KeyCase{"1000", {kMilliwattsToDbm}, "30"},
        KeyCase{"0.001", {kMilliwattsToDbm}, "-30"},
        KeyCase{"2", {kMilliwattsToDbm}, "3.01029995663981"}, KeyCase{"1", {kWattsToDbm}, "30"},
        KeyCase{"30", {kDbmToWatts}, "1"}, KeyCase{"", {kDbmToWatts}, "0.001"},
        KeyCase{"3", {kDbmToMilliwatts}, "1.99526231496888"},
        KeyCase{"30~", {kDbmToMilliwatts}, "0.001"}, KeyCase{"", {kDbmToMilliwatts}, "1"},
        KeyCase{"1", {kVoltsToDbmv}, "60"}, KeyCase{"60", {kDbmvToVolts}, "1"},
        KeyCase{"1000", {kMicrovoltsToDbmv}, "0"}, KeyCase{"1", {kMicrovoltsToDbmv}, "-60"},
        KeyCase{"", {kDbmvToMicrovolts}, "1000"}, KeyCase{"20~", {kDbmvToMicrovolts}, "100"},
        KeyCase{"60", {kDbmvToMicrovolts}, "1000000"}, KeyCase{"10", {kMillivoltsToDbmv}, "20"},
        KeyCase{"20", {kDbmvToMillivolts}, "10"}, KeyCase{"4000", {kDbmToMilliwatts}, "inf"}));

INSTANTIATE_TEST_SUITE_P(DbLevels, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"", kMilliwattsToDbm, kNotAboveZero},
                                           RefusalCase{"5~", kMillivoltsToDbmv, kNotAboveZero},
                                           RefusalCase{"1~", kWattsToDbm, kNotAboveZero},
                                           RefusalCase{"0.", kMicrovoltsToDbmv, kNotAboveZero},
                                           RefusalCase{"", kVoltsToDbmv, kNotAboveZero}));

INSTANTIATE_TEST_SUITE_P(Temperature, InPlaceResult,
                         ::testing::Values(KeyCase{"100", {kCelsiusToFahrenheit}, "212"},
                                           KeyCase{"37", {kCelsiusToFahrenheit}, "98.6"},
                                           KeyCase{"40~", {kCelsiusToFahrenheit}, "-40"},
                                           KeyCase{"", {kCelsiusToFahrenheit}, "32"},
                                           KeyCase{"500~", {kCelsiusToFahrenheit}, "-868"},
                                           KeyCase{"212", {kFahrenheitToCelsius}, "100"},
                                           KeyCase{"98.6", {kFahrenheitToCelsius}, "37"},
                                           KeyCase{"", {kFahrenheitToCelsius}, "-17.7777777777778"},
                                           KeyCase{"", {kCelsiusToKelvin}, "273.16"},
                                           KeyCase{"273.16~", {kCelsiusToKelvin}, "0"},
                                           KeyCase{
                                               "273.15~", {kCelsiusToKelvin}, "0.0100000000000477"},
                                           KeyCase{"", {kKelvinToCelsius}, "-273.16"},
                                           KeyCase{"300", {kKelvinToCelsius}, "26.84"},
                                           KeyCase{"", {kKelvinToFahrenheit}, "-459.688"},
                                           KeyCase{"273.16", {kKelvinToFahrenheit}, "32"},
                                           KeyCase{"373.16", {kKelvinToFahrenheit}, "212"},
                                           KeyCase{"32", {kFahrenheitToKelvin}, "273.16"},
                                           KeyCase{"~", {kKelvinToCelsius}, "-273.16"}));

constexpr const char* kBelowAbsoluteZero = "There really isn't anything colder than Absolute Zero.";
constexpr const char* kKelvinBelowZero =
    "The input is Invalid...it produces a value of Kelvin less than Zero";

INSTANTIATE_TEST_SUITE_P(
    Temperature, InPlaceRefusal,
    ::testing::Values(RefusalCase{"273.17~", kCelsiusToKelvin, kKelvinBelowZero},
                      RefusalCase{"459.69~", kFahrenheitToKelvin, kKelvinBelowZero},
                      RefusalCase{"0.001~", kKelvinToCelsius, kBelowAbsoluteZero},
                      RefusalCase{"1~", kKelvinToFahrenheit, kBelowAbsoluteZero}));

INSTANTIATE_TEST_SUITE_P(
    Wavelength, InPlaceResult,
    ::testing::Values(
        KeyCase{"2", {kWavelengthToFrequency}, "150000000"},
        KeyCase{"100000000", {kFrequencyToWavelength}, "3"},
        KeyCase{"146520000", {kFrequencyToWavelength}, "2.04750204750205"},
        KeyCase{"3", {kWavelengthToFrequency, kFrequencyToWavelength}, "3"},
        KeyCase{"3", {kWavelengthToFrequency}, "100000000"},
        KeyCase{"100000000", {kWavelengthToFrequency}, "3"},
        KeyCase{"1000", {kHertzToSeconds}, "0.001"}, KeyCase{"0.001", {kSecondsToHertz}, "1000"},
        KeyCase{"60", {kHertzToSeconds}, "0.0166666666666667"},
        KeyCase{"4", {kSecondsToHertz}, "0.25"},
        KeyCase{"146520000", {kHertzToMegahertz}, "146.52"},
        KeyCase{"1500", {kHertzToKilohertz}, "1.5"}, KeyCase{"1", {kMilesToKilometers}, "1.609344"},
        KeyCase{"1", {kMilesToMeters}, "1609.344"}, KeyCase{"1", {kKilometersToMiles}, "0.62137"},
        KeyCase{"1000", {kMetersToMiles}, "0.621371192237334"},
        KeyCase{"1", {kMetersToFeet}, "3.28083333333333"},
        KeyCase{"1", {kMetersToFeet, kFeetToMeters}, "0.999997999999999"},
        KeyCase{"1", {kKilometersToMiles, kMilesToKilometers}, "0.99999808128"},
        KeyCase{"10~", {kFeetToMeters}, "-3.048"}, KeyCase{"", {kMetersToFeet}, "0"},
        KeyCase{"5~", {kHertzToKilohertz}, "-0.005"}));

INSTANTIATE_TEST_SUITE_P(Wavelength, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"", kWavelengthToFrequency, kNotAboveZero},
                                           RefusalCase{"1~", kWavelengthToFrequency, kNotAboveZero},
                                           RefusalCase{"", kFrequencyToWavelength, kNotAboveZero},
                                           RefusalCase{"1~", kFrequencyToWavelength, kNotAboveZero},
                                           RefusalCase{"0.", kHertzToSeconds, kNotAboveZero},
                                           RefusalCase{"4~", kSecondsToHertz, kNotAboveZero}));

// The record keeps the unrounded double; only the display is cut to 15 digits.
// These results use plain arithmetic alone, so every step's rounding is fixed.
TEST(ConversionRecord, KeepsTheDoubleOfEachStepInOrder) {
    struct Step {
        const char* keys;
        int id;
        double stored;
    };
    const Step steps[] = {
        {"37", kCelsiusToFahrenheit, 98.60000000000001},      // 37 × 9 × 0.2 + 32
        {"273.15~", kCelsiusToKelvin, 0.010000000000047748},  // −273.15 + 273.16
        {"459.688~", kFahrenheitToKelvin,
         5.684341886080802e-14},  // (x − 32) × 5 × 0.1111111111111111 + 273.16
        {"146520000", kHertzToMegahertz, 146.51999999999998},  // x × 0.000001
    };
    for (const Step& step : steps) {
        Calculator calc;
        calc.type(step.keys);
        calc.click(step.id);
        EXPECT_EQ(calc.record().m_display, step.stored) << step.keys << ' ' << step.id;
    }
}

}  // namespace
}  // namespace varnock::testing
