// The in-place unit conversions: dB levels, temperatures, wavelength,
// frequency and lengths.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "InPlaceKeys.h"

namespace varnock::testing {
namespace {

enum : int {
    kMwToDbm = 1000,
    kDbmToMw = 1001,
    kWToDbm = 1019,
    kDbmToW = 1020,
    kUvToDbmv = 1013,
    kDbmvToUv = 1014,
    kMvToDbmv = 1015,
    kDbmvToMv = 1016,
    kVToDbmv = 1017,
    kDbmvToV = 1018,
};

INSTANTIATE_TEST_SUITE_P(
    DbLevels, InPlaceResult,
    ::testing::Values(KeyCase{"1", {kMwToDbm}, "0"}, KeyCase{"1000", {kMwToDbm}, "30"},
                      KeyCase{"0.001", {kMwToDbm}, "-30"},
                      KeyCase{"2", {kMwToDbm}, "3.01029995663981"}, KeyCase{"1", {kWToDbm}, "30"},
                      KeyCase{"30", {kDbmToW}, "1"}, KeyCase{"", {kDbmToW}, "0.001"},
                      KeyCase{"3", {kDbmToMw}, "1.99526231496888"},
                      KeyCase{"30~", {kDbmToMw}, "0.001"}, KeyCase{"", {kDbmToMw}, "1"},
                      KeyCase{"1", {kVToDbmv}, "60"}, KeyCase{"60", {kDbmvToV}, "1"},
                      KeyCase{"1000", {kUvToDbmv}, "0"}, KeyCase{"1", {kUvToDbmv}, "-60"},
                      KeyCase{"", {kDbmvToUv}, "1000"}, KeyCase{"20~", {kDbmvToUv}, "100"},
                      KeyCase{"60", {kDbmvToUv}, "1000000"}, KeyCase{"10", {kMvToDbmv}, "20"},
                      KeyCase{"20", {kDbmvToMv}, "10"}, KeyCase{"4000", {kDbmToMw}, "inf"}));

INSTANTIATE_TEST_SUITE_P(DbLevels, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"", kMwToDbm, kNotAboveZero},
                                           RefusalCase{"5~", kMvToDbmv, kNotAboveZero},
                                           RefusalCase{"1~", kWToDbm, kNotAboveZero},
                                           RefusalCase{"0.", kUvToDbmv, kNotAboveZero},
                                           RefusalCase{"", kVToDbmv, kNotAboveZero}));

enum : int {
    kCToF = 1042,
    kFToC = 1040,
    kKToF = 1045,
    kFToK = 1041,
    kCToK = 1043,
    kKToC = 1044,
};

INSTANTIATE_TEST_SUITE_P(
    Temperature, InPlaceResult,
    ::testing::Values(KeyCase{"100", {kCToF}, "212"}, KeyCase{"37", {kCToF}, "98.6"},
                      KeyCase{"40~", {kCToF}, "-40"}, KeyCase{"", {kCToF}, "32"},
                      KeyCase{"500~", {kCToF}, "-868"}, KeyCase{"212", {kFToC}, "100"},
                      KeyCase{"98.6", {kFToC}, "37"}, KeyCase{"", {kFToC}, "-17.7777777777778"},
                      KeyCase{"", {kCToK}, "273.16"}, KeyCase{"273.16~", {kCToK}, "0"},
                      KeyCase{"273.15~", {kCToK}, "0.0100000000000477"},
                      KeyCase{"", {kKToC}, "-273.16"}, KeyCase{"300", {kKToC}, "26.84"},
                      KeyCase{"", {kKToF}, "-459.688"}, KeyCase{"273.16", {kKToF}, "32"},
                      KeyCase{"373.16", {kKToF}, "212"}, KeyCase{"32", {kFToK}, "273.16"},
                      KeyCase{"~", {kKToC}, "-273.16"}));

constexpr const char* kBelowAbsoluteZero = "There really isn't anything colder than Absolute Zero.";
constexpr const char* kKelvinBelowZero =
    "The input is Invalid...it produces a value of Kelvin less than Zero";

INSTANTIATE_TEST_SUITE_P(Temperature, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"273.17~", kCToK, kKelvinBelowZero},
                                           RefusalCase{"459.69~", kFToK, kKelvinBelowZero},
                                           RefusalCase{"0.001~", kKToC, kBelowAbsoluteZero},
                                           RefusalCase{"1~", kKToF, kBelowAbsoluteZero}));

enum : int {
    kWavelengthToFrequency = 1063,
    kFrequencyToWavelength = 1064,
    kHertzToSeconds = 1076,
    kSecondsToHertz = 1077,
    kHertzToMhz = 1071,
    kHertzToKhz = 1072,
    kMilesToKm = 1073,
    kKmToMiles = 1079,
    kMeterToFeet = 1074,
    kFeetToMeter = 1080,
    kMeterToMiles = 1075,
    kMilesToMeter = 1078,
};

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
        KeyCase{"4", {kSecondsToHertz}, "0.25"}, KeyCase{"146520000", {kHertzToMhz}, "146.52"},
        KeyCase{"1500", {kHertzToKhz}, "1.5"}, KeyCase{"1", {kMilesToKm}, "1.609344"},
        KeyCase{"1", {kMilesToMeter}, "1609.344"}, KeyCase{"1", {kKmToMiles}, "0.62137"},
        KeyCase{"1000", {kMeterToMiles}, "0.621371192237334"},
        KeyCase{"1", {kMeterToFeet}, "3.28083333333333"},
        KeyCase{"1", {kMeterToFeet, kFeetToMeter}, "0.999997999999999"},
        KeyCase{"1", {kKmToMiles, kMilesToKm}, "0.99999808128"},
        KeyCase{"10~", {kFeetToMeter}, "-3.048"}, KeyCase{"", {kMeterToFeet}, "0"},
        KeyCase{"5~", {kHertzToKhz}, "-0.005"}));

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
        {"37", kCToF, 98.60000000000001},            // 37 × 9 × 0.2 + 32
        {"273.15~", kCToK, 0.010000000000047748},    // −273.15 + 273.16
        {"459.688~", kFToK, 5.684341886080802e-14},  // (x − 32) × 5 × 0.1111111111111111 + 273.16
        {"146520000", kHertzToMhz, 146.51999999999998},  // x × 0.000001
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
