// SPDX-License-Identifier: GPL-3.0-or-later
// Free space path loss from a frequency in MHz and a distance in kilometres
// or miles.
#pragma once

#include "panels/UnitSystem.h"

namespace varnock {

struct PathLossInput {
    double frequency;  // MHz
    double distance;   // kilometres in metric units, miles in standard ones
    UnitSystem units;
};

struct PathLossResult {
    double loss;  // dB
};

PathLossResult computePathLoss(const PathLossInput& input);

}  // namespace varnock
