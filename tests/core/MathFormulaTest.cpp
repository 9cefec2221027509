// SPDX-License-Identifier: GPL-3.0-or-later
// The scientific functions as a pure function of the number and the angle
// mode.
#include <gtest/gtest.h>

#include "PanelFormulas.h"
#include "panels/MathFunctions.h"

namespace varnock::testing {
namespace {

constexpr AngleMode kDeg = AngleMode::kDegrees;
constexpr AngleMode kRad = AngleMode::kRadians;
const std::string kNotAboveZero = "refused:  Invalid Input, Number must be greater than Zero.";

struct SeenRow {
    MathInput input;
    std::string seen;
};

TEST(MathFormula, ResultsAndRefusals) {
    const SeenRow rows[] = {
        {{MathKey::kSin, 0, kDeg}, "0"},
        {{MathKey::kCos, 0, kDeg}, "1"},
        {{MathKey::kTenToX, 0, kDeg}, "1"},
        {{MathKey::kExp, 0, kDeg}, "1"},
        {{MathKey::kArcCos, 0, kDeg}, "90"},
        {{MathKey::kArcCos, 0, kRad}, "1.5707963267949"},
        {{MathKey::kArcSin, 0.5, kDeg}, "30"},
        {{MathKey::kArcTan, 1, kDeg}, "45"},
        {{MathKey::kTan, 45, kDeg}, "1"},
        {{MathKey::kLog, 1000, kDeg}, "3"},
        {{MathKey::kInverse, -4, kDeg}, "-0.25"},
        {{MathKey::kSquare, -3, kDeg}, "9"},
        // The bounds of the inverse functions are accepted.
        {{MathKey::kArcSin, 1, kDeg}, "90"},
        {{MathKey::kArcSin, -1, kDeg}, "-90"},
        {{MathKey::kArcCos, -1, kDeg}, "180"},
        {{MathKey::kArcSin, 1.0000001, kDeg},
         "refused: ERROR - Number can't be greater than 1.0 for ARCSIN"},
        {{MathKey::kArcSin, -1.0000001, kRad},
         "refused: ERROR - Number can't be less than -1.0 for ARCSIN"},
        {{MathKey::kArcCos, 1.5, kRad},
         "refused: ERROR - Number can't be greater than 1.0 for ARCCOS"},
        {{MathKey::kArcCos, -2, kDeg},
         "refused: ERROR - Number can't be less than -1.0 for ARCCOS"},
        {{MathKey::kLog, 0, kDeg}, kNotAboveZero},
        {{MathKey::kLn, -1, kDeg}, kNotAboveZero},
        {{MathKey::kLn, 1e-300, kDeg}, "-690.775527898214"},
        {{MathKey::kInverse, 0, kDeg}, "refused: ERROR - Can't take the INVERSE of Zero"},
        {{MathKey::kInverse, -0.0, kDeg}, "refused: ERROR - Can't take the INVERSE of Zero"},
        {{MathKey::kTenToX, 400, kDeg}, "inf"},
    };
    for (const SeenRow& row : rows) {
        SCOPED_TRACE(shown(row.input.x));
        EXPECT_EQ(seen(evaluateMath(row.input)), row.seen);
    }
}

// Values that only an accurate library fixes to the last digits.
TEST(MathFormula, ValuesAboutRight) {
    const struct {
        MathInput input;
        double about;
    } rows[] = {
        {{MathKey::kSin, 180, kDeg}, 1.2246468e-16},
        {{MathKey::kCos, 90, kDeg}, 6.1232340e-17},
        {{MathKey::kTan, 90, kDeg}, 1.6331239e16},
        {{MathKey::kSin, 3.14159265358979, kRad}, 3.2310891e-15},
        {{MathKey::kSin, 180, kRad}, -0.80115264},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(shown(row.input.x));
        expectAbout(evaluateMath(row.input).value, row.about);
    }
}

}  // namespace
}  // namespace varnock::testing
