// SPDX-License-Identifier: GPL-3.0-or-later
// Distance to the radio horizon from an antenna height.
#pragma once

#include "panels/UnitSystem.h"

namespace varnock {

struct LineOfSightInput {
    double height;  // metres in metric units, feet in standard ones
    UnitSystem units;
};

struct LineOfSightResult {
    double distance;  // kilometres in metric units, miles in standard ones
};

LineOfSightResult computeLineOfSight(const LineOfSightInput& input);

}  // namespace varnock
