// SPDX-License-Identifier: GPL-3.0-or-later
// Length to cut an antenna element: a fraction of the wavelength, in
// centimetres or inches, optionally 5 % shorter for capacitive fringing.
#pragma once

#include "panels/UnitSystem.h"

namespace varnock {

struct CutLengthInput {
    double frequency;  // MHz
    double fraction;   // of the wavelength: 0.25 to 1
    UnitSystem units;  // centimetres or inches
    bool fringing;
};

struct CutLengthResult {
    double length;
};

CutLengthResult computeCutLength(const CutLengthInput& input);

}  // namespace varnock
