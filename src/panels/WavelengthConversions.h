// SPDX-License-Identifier: GPL-3.0-or-later
// Wavelength and frequency, frequency and period, frequency units and
// lengths.
#pragma once

#include "panels/InPlaceOutcome.h"

namespace varnock {

enum class WavelengthKey {
    kWavelengthFrequency,  // one quotient serves both directions
    kHertzSeconds,         // likewise
    kHertzToMhz,
    kHertzToKhz,
    kMilesToKm,
    kKmToMiles,
    kMeterToFeet,
    kFeetToMeter,
    kMeterToMiles,
    kMilesToMeter,
};

struct WavelengthInput {
    WavelengthKey key;
    double x;
};

// The two reciprocal keys refuse a number not above zero.
InPlaceOutcome convertWavelength(const WavelengthInput& input);

}  // namespace varnock
