// SPDX-License-Identifier: GPL-3.0-or-later
// Return loss, reflection coefficient, VSWR and the impedance extremes of a
// 50 ohm line from a wattmeter's forward and reflected readings.
#pragma once

namespace varnock {

// Both readings in one power unit, any.
struct VswrInput {
    double forward;
    double reflected;
};

struct VswrResult {
    double returnLoss;  // dB
    double reflectionCoefficient;
    double vswr;
    double zMax;  // ohms
    double zMin;  // ohms
};

VswrResult computeVswr(const VswrInput& input);

}  // namespace varnock
