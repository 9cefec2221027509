// SPDX-License-Identifier: GPL-3.0-or-later
// The scientific functions of the display's number, with the angle mode.
#pragma once

#include "panels/InPlaceOutcome.h"

namespace varnock {

enum class MathKey {
    kSin,
    kCos,
    kTan,
    kArcSin,
    kArcCos,
    kArcTan,
    kLog,
    kLn,
    kTenToX,
    kExp,
    kInverse,
    kSquare,
};

// Degrees: trigonometric arguments and inverse results are in degrees.
enum class AngleMode { kDegrees, kRadians };

struct MathInput {
    MathKey key;
    double x;
    AngleMode angles;
};

InPlaceOutcome evaluateMath(const MathInput& input);

}  // namespace varnock
