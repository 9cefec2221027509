// SPDX-License-Identifier: GPL-3.0-or-later
// The scientific functions of the display and the degrees/radians mode.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "InPlaceKeys.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

// "" leaves the display at the "0" of start-up.
INSTANTIATE_TEST_SUITE_P(
    MathFunctions, InPlaceResult,
    ::testing::Values(KeyCase{"", {kMathSin}, "0"}, KeyCase{"", {kMathCos}, "1"},
                      KeyCase{"", {kMathTenToX}, "1"}, KeyCase{"", {kMathExp}, "1"},
                      KeyCase{"", {kMathArcCos}, "90"},
                      KeyCase{"", {kMathRadians, kMathArcCos}, "1.5707963267949"},
                      KeyCase{"1", {kMathArcSin}, "90"}, KeyCase{"1~", {kMathArcSin}, "-90"},
                      KeyCase{"1~", {kMathArcCos}, "180"}, KeyCase{"1", {kMathArcCos}, "0"},
                      KeyCase{"1", {kMathArcTan}, "45"}, KeyCase{".5", {kMathArcSin}, "30"},
                      KeyCase{"45", {kMathTan}, "1"}, KeyCase{"90", {kMathSin}, "1"},
                      KeyCase{"1", {kMathRadians, kMathArcTan}, "0.785398163397448"},
                      KeyCase{"4~", {kMathReciprocal}, "-0.25"},
                      KeyCase{"8", {kMathReciprocal}, "0.125"}, KeyCase{"3~", {kMathSquare}, "9"},
                      KeyCase{"1.5", {kMathSquare}, "2.25"}, KeyCase{"1000", {kMathLog}, "3"},
                      KeyCase{"1", {kMathLn}, "0"}, KeyCase{"2", {kMathTenToX}, "100"},
                      KeyCase{"1", {kMathLn, kMathExp}, "1"}, KeyCase{"400", {kMathTenToX}, "inf"},
                      KeyCase{"1000", {kMathExp}, "inf"},
                      KeyCase{"1000", {kMathExp, kMathSquare}, "inf"}));

INSTANTIATE_TEST_SUITE_P(
    MathFunctions, InPlaceNearResult,
    ::testing::Values(NearCase{"180", {kMathSin}, 1.2246e-16, 1e-3},
                      NearCase{"90", {kMathCos}, 6.123e-17, 1e-3},
                      NearCase{"90", {kMathTan}, 1.633e16, 1e-3},
                      NearCase{"3.14159265358979", {kMathRadians, kMathSin}, 3.23e-15, 1e-2},
                      NearCase{"180", {kMathRadians, kMathSin}, -0.801, 1e-3}));

constexpr const char* kArcSinAbove = "ERROR - Number can't be greater than 1.0 for ARCSIN";
constexpr const char* kArcSinBelow = "ERROR - Number can't be less than -1.0 for ARCSIN";
constexpr const char* kArcCosAbove = "ERROR - Number can't be greater than 1.0 for ARCCOS";
constexpr const char* kArcCosBelow = "ERROR - Number can't be less than -1.0 for ARCCOS";
constexpr const char* kInverseOfZero = "ERROR - Can't take the INVERSE of Zero";

INSTANTIATE_TEST_SUITE_P(MathFunctions, InPlaceRefusal,
                         ::testing::Values(RefusalCase{"1.0000001", kMathArcSin, kArcSinAbove},
                                           RefusalCase{"1.0000001~", kMathArcSin, kArcSinBelow},
                                           RefusalCase{"2", kMathArcCos, kArcCosAbove},
                                           RefusalCase{"1.5~", kMathArcCos, kArcCosBelow},
                                           RefusalCase{"", kMathLog, kNotAboveZero},
                                           RefusalCase{"5~", kMathLog, kNotAboveZero},
                                           RefusalCase{"1~", kMathLn, kNotAboveZero},
                                           RefusalCase{"0.", kMathLn, kNotAboveZero},
                                           RefusalCase{"", kMathReciprocal, kInverseOfZero},
                                           RefusalCase{"~", kMathReciprocal, kInverseOfZero}));

TEST(AngleMode, RadiansChangeOnlyTheTrigonometricKeys) {
    Calculator calc;
    calc.click(kMathRadians);
    calc.type("2");
    calc.click(kMathSquare);
    EXPECT_EQ(calc.display(), "4");
    calc.type("1");
    calc.click(kMathArcSin);
    EXPECT_EQ(calc.display(), "1.5707963267949");
    calc.click(kMathDegrees);
    calc.type("1");
    calc.click(kMathArcSin);
    EXPECT_EQ(calc.display(), "90");
}

TEST(AngleMode, ClearAllBringsBackDegrees) {
    Calculator calc;
    calc.click(kMathRadians);
    calc.click(kClearAll);
    EXPECT_EQ(calc.check(kMathDegrees), 1);
    EXPECT_EQ(calc.check(kMathRadians), 0);
    calc.click(kMathArcCos);
    EXPECT_EQ(calc.display(), "90");
}

}  // namespace
}  // namespace varnock::testing
