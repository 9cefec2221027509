// SPDX-License-Identifier: GPL-3.0-or-later
// Scientific functions of the display, with the degrees/radians mode.
#include "panels/MathFunctions.h"

#include <cmath>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"

namespace varnock {
namespace {
// The double nearest 180/pi.
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansFactor = 1.0;
constexpr double kSineLimit = 1.0;

// Divides trigonometric arguments and multiplies inverse results; 1.0 in
// radians mode, where it changes nothing.
double degreeFactor(AngleMode angles) {
    return angles == AngleMode::kDegrees ? kDegreesPerRadian : kRadiansFactor;
}

// An inverse sine or cosine: defined from -1.0 to 1.0, the bounds included.
struct BoundedInverse {
    double (*inverse)(double);
    std::string_view aboveOne;
    std::string_view belowMinusOne;

    InPlaceOutcome operator()(double x, AngleMode angles) const {
        if (x > kSineLimit) return refusedWith(aboveOne);
        if (x < -kSineLimit) return refusedWith(belowMinusOne);
        return resultOf(inverse(x) * degreeFactor(angles));
    }
};
constexpr BoundedInverse kArcSin{[](double x) { return std::asin(x); },
                                 "ERROR - Number can't be greater than 1.0 for ARCSIN",
                                 "ERROR - Number can't be less than -1.0 for ARCSIN"};
constexpr BoundedInverse kArcCos{[](double x) { return std::acos(x); },
                                 "ERROR - Number can't be greater than 1.0 for ARCCOS",
                                 "ERROR - Number can't be less than -1.0 for ARCCOS"};
constexpr std::string_view kInverseOfZero = "ERROR - Can't take the INVERSE of Zero";

constexpr InPlaceConversion kLog{Accepts::kAboveZero, [](double x) { return std::log10(x); }};
constexpr InPlaceConversion kLn{Accepts::kAboveZero, [](double x) { return std::log(x); }};
}  // namespace

InPlaceOutcome evaluateMath(const MathInput& input) {
    const double x = input.x;
    switch (input.key) {
        case MathKey::kSin:
            return resultOf(std::sin(x / degreeFactor(input.angles)));
        case MathKey::kCos:
            return resultOf(std::cos(x / degreeFactor(input.angles)));
        case MathKey::kTan:
            return resultOf(std::tan(x / degreeFactor(input.angles)));
        case MathKey::kArcSin:
            return kArcSin(x, input.angles);
        case MathKey::kArcCos:
            return kArcCos(x, input.angles);
        case MathKey::kArcTan:
            return resultOf(std::atan(x) * degreeFactor(input.angles));
        case MathKey::kLog:
            return kLog(x);
        case MathKey::kLn:
            return kLn(x);
        case MathKey::kTenToX:
            return resultOf(std::pow(10.0, x));
        case MathKey::kExp:
            return resultOf(std::exp(x));
        case MathKey::kInverse:
            if (x == 0) return refusedWith(kInverseOfZero);
            return resultOf(1 / x);
        case MathKey::kSquare:
            return resultOf(x * x);
    }
    return {};  // not reached: every key is handled above
}

void CCalcDlg::MathKeyPressed(MathKey key) {
    const double x = ReadDisplay();
    const AngleMode angles = IsChecked(kMathDegrees) ? AngleMode::kDegrees : AngleMode::kRadians;
    PutOutcome(evaluateMath({key, x, angles}));
}

void CCalcDlg::OnSin() { MathKeyPressed(MathKey::kSin); }
void CCalcDlg::OnCos() { MathKeyPressed(MathKey::kCos); }
void CCalcDlg::OnTan() { MathKeyPressed(MathKey::kTan); }
void CCalcDlg::OnArcSin() { MathKeyPressed(MathKey::kArcSin); }
void CCalcDlg::OnArcCos() { MathKeyPressed(MathKey::kArcCos); }
void CCalcDlg::OnArcTan() { MathKeyPressed(MathKey::kArcTan); }
void CCalcDlg::OnLog() { MathKeyPressed(MathKey::kLog); }
void CCalcDlg::OnLn() { MathKeyPressed(MathKey::kLn); }
void CCalcDlg::OnTenToX() { MathKeyPressed(MathKey::kTenToX); }
void CCalcDlg::OnExp() { MathKeyPressed(MathKey::kExp); }
void CCalcDlg::OnInverse() { MathKeyPressed(MathKey::kInverse); }
void CCalcDlg::OnSquare() { MathKeyPressed(MathKey::kSquare); }

}  // namespace varnock
