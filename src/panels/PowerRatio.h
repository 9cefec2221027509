// SPDX-License-Identifier: GPL-3.0-or-later
// Two of input power, output power and their ratio in dB give the third.
#pragma once

namespace varnock {

// The quantity "=" computes, named by its mode radio: the ratio in dB
// ("dB"), the input power ("Pin") or the output power ("Pout").
enum class PowerUnknown { kRatio, kInput, kOutput };

// What the two boxes hold depends on the mode: the first a power in "dB"
// mode and a ratio in dB otherwise, the second always a power.
struct PowerRatioInput {
    PowerUnknown unknown;
    double first;
    double second;
};

struct PowerRatioResult {
    double value;
};

PowerRatioResult computePowerRatio(const PowerRatioInput& input);

}  // namespace varnock
