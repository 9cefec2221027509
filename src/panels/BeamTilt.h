// SPDX-License-Identifier: GPL-3.0-or-later
// Where a down-tilted antenna's vertical beam meets the ground.
#pragma once

#include "panels/UnitSystem.h"

namespace varnock {

struct BeamTiltInput {
    double height;     // metres in metric units, feet in standard ones
    double beamwidth;  // degrees between the 3 dB points
    double tilt;       // degrees below the horizontal
    UnitSystem units;
};

// Distances in kilometres in metric units, miles in standard ones.
struct BeamTiltResult {
    double horizon;
    double mainLobe;
    double lowerLobe;
    double upperLobe;  // 0 when the upper edge never reaches the ground
    // The upper 3 dB edge points at or above the horizontal: its box is
    // marked "VER HORIZ" instead of given a distance.
    bool upperAtOrAboveHorizontal;
};

BeamTiltResult computeBeamTilt(const BeamTiltInput& input);

}  // namespace varnock
