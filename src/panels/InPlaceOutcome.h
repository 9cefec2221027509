// SPDX-License-Identifier: GPL-3.0-or-later
// What an in-place key makes of the display's number: the number that
// replaces it, or the message that refuses it.
#pragma once

#include <string_view>

#include "ui/Strings.h"

namespace varnock {

struct InPlaceOutcome {
    double value = 0;
    std::string_view refusal;  // empty when the number is accepted

    bool refused() const { return !refusal.empty(); }
};

// The accepted number's result, and the refusal with the message the user
// sees.
constexpr InPlaceOutcome resultOf(double value) { return {value, {}}; }
constexpr InPlaceOutcome refusedWith(std::string_view message) { return {0, message}; }

// A conversion of one number that refuses nothing but, for some keys,
// numbers not above zero (a logarithm's or a reciprocal's argument).
enum class Accepts { kAnyNumber, kAboveZero };

struct InPlaceConversion {
    Accepts accepts;
    double (*convert)(double);

    InPlaceOutcome operator()(double x) const {
        if (accepts == Accepts::kAboveZero && !(x > 0)) {
            return refusedWith(kMustBeGreaterThanZero);
        }
        return resultOf(convert(x));
    }
};

}  // namespace varnock
