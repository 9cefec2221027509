// The scientific functions of the display and the degrees/radians mode.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "InPlaceKeys.h"

namespace varnock::testing {
namespace {

enum : int {
    kSin = 1021,
    kCos = 1029,
    kTan = 1034,
    kArcSin = 1031,
    kArcCos = 1032,
    kArcTan = 1035,
    kLog = 1030,
    kLn = 1036,
    kTenToX = 1033,
    kExp = 1037,
    kInverse = 1038,
    kSquare = 1039,
    kDegrees = 1024,
    kRadians = 1025,
    kClearAll = 1012,
};

// "" leaves the display at the "0" of start-up.
INSTANTIATE_TEST_SUITE_P(
    MathFunctions, InPlaceResult,
    ::testing::Values(
        KeyCase{"", {kSin}, "0"}, KeyCase{"", {kCos}, "1"}, KeyCase{"", {kTenToX}, "1"},
        KeyCase{"", {kExp}, "1"}, KeyCase{"", {kArcCos}, "90"},
        KeyCase{"", {kRadians, kArcCos}, "1.5707963267949"}, KeyCase{"1", {kArcSin}, "90"},
        KeyCase{"1~", {kArcSin}, "-90"}, KeyCase{"1~", {kArcCos}, "180"},
        KeyCase{"1", {kArcCos}, "0"}, KeyCase{"1", {kArcTan}, "45"}, KeyCase{".5", {kArcSin}, "30"},
        KeyCase{"45", {kTan}, "1"}, KeyCase{"90", {kSin}, "1"},
        KeyCase{"1", {kRadians, kArcTan}, "0.785398163397448"}, KeyCase{"4~", {kInverse}, "-0.25"},
        KeyCase{"8", {kInverse}, "0.125"}, KeyCase{"3~", {kSquare}, "9"},
        KeyCase{"1.5", {kSquare}, "2.25"}, KeyCase{"1000", {kLog}, "3"}, KeyCase{"1", {kLn}, "0"},
        KeyCase{"2", {kTenToX}, "100"}, KeyCase{"1", {kLn, kExp}, "1"},
        KeyCase{"400", {kTenToX}, "inf"}, KeyCase{"1000", {kExp}, "inf"},
        KeyCase{"1000", {kExp, kSquare}, "inf"}));

INSTANTIATE_TEST_SUITE_P(
    MathFunctions, InPlaceNearResult,
    ::testing::Values(NearCase{"180", {kSin}, 1.2246e-16, 1e-3},
                      NearCase{"90", {kCos}, 6.123e-17, 1e-3},
                      NearCase{"90", {kTan}, 1.633e16, 1e-3},
                      NearCase{"3.14159265358979", {kRadians, kSin}, 3.23e-15, 1e-2},
                      NearCase{"180", {kRadians, kSin}, -0.801, 1e-3}));

constexpr const char* kArcSinAbove = "ERROR - Number can't be greater than 1.0 for ARCSIN";
constexpr const char* kArcSinBelow = "ERROR - Number can't be less than -1.0 for ARCSIN";
constexpr const char* kArcCosAbove = "ERROR - Number can't be greater than 1.0 for ARCCOS";
constexpr const char* kArcCosBelow = "ERROR - Number can't be less than -1.0 for ARCCOS";
constexpr const char* kInverseOfZero = "ERROR - Can't take the INVERSE of Zero";

INSTANTIATE_TEST_SUITE_P(MathFunctions, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"1.0000001", kArcSin, kArcSinAbove},
                                           RefusalCase{"1.0000001~", kArcSin, kArcSinBelow},
                                           RefusalCase{"2", kArcCos, kArcCosAbove},
                                           RefusalCase{"1.5~", kArcCos, kArcCosBelow},
                                           RefusalCase{"", kLog, kNotAboveZero},
                                           RefusalCase{"5~", kLog, kNotAboveZero},
                                           RefusalCase{"1~", kLn, kNotAboveZero},
                                           RefusalCase{"0.", kLn, kNotAboveZero},
                                           RefusalCase{"", kInverse, kInverseOfZero},
                                           RefusalCase{"~", kInverse, kInverseOfZero}));

TEST(AngleMode, RadiansChangeOnlyTheTrigonometricKeys) {
    Calculator calc;
    calc.click(kRadians);
    calc.type("2");
    calc.click(kSquare);
    EXPECT_EQ(calc.display(), "4");
    calc.type("1");
    calc.click(kArcSin);
    EXPECT_EQ(calc.display(), "1.5707963267949");
    calc.click(kDegrees);
    calc.type("1");
    calc.click(kArcSin);
    EXPECT_EQ(calc.display(), "90");
}

TEST(AngleMode, ClearAllBringsBackDegrees) {
    Calculator calc;
    calc.click(kRadians);
    calc.click(kClearAll);
    EXPECT_EQ(calc.check(kDegrees), 1);
    EXPECT_EQ(calc.check(kRadians), 0);
    calc.click(kArcCos);
    EXPECT_EQ(calc.display(), "90");
}

}  // namespace
}  // namespace varnock::testing
