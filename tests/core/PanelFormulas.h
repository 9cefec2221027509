// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the tables of the panels' pure functions: numbers as the boxes
// show them, and an in-place outcome as the user sees it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "panels/InPlaceOutcome.h"

namespace varnock::testing {

// "%.15g", as every box shows a number.
inline std::string shown(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// The display's text after the key, or "refused: " and the message.
inline std::string seen(const InPlaceOutcome& outcome) {
    if (outcome.refused()) return "refused: " + std::string(outcome.refusal);
    return shown(outcome.value);
}

// A value given to eight significant digits ("about 0.13476079"); an
// infinity or a zero exactly.
inline void expectAbout(double actual, double expected) {
    if (std::isinf(expected)) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-7) << shown(actual);
    }
}

}  // namespace varnock::testing
