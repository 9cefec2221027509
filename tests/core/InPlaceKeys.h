// SPDX-License-Identifier: GPL-3.0-or-later
// Table rows for the keys that replace the display with a result: the
// scientific functions and the unit conversions. The suites are defined in
// InPlaceKeysTest.cpp and instantiated with each panel's rows.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace varnock::testing {

// Type keys on the keypad ('~' is the sign key), then click ids in order.
struct KeyCase {
    const char* keys;
    std::vector<int> ids;
    const char* display;  // the display's exact text afterwards
};

// As KeyCase, for results that only an accurate library fixes to the last
// digit: the display must read back within a relative tolerance.
struct NearCase {
    const char* keys;
    std::vector<int> ids;
    double value;
    double relativeTolerance;
};

// Type keys, then click id: refused with message.
struct RefusalCase {
    const char* keys;
    int id;
    const char* message;
};

void PrintTo(const KeyCase& c, std::ostream* out);
void PrintTo(const NearCase& c, std::ostream* out);
void PrintTo(const RefusalCase& c, std::ostream* out);

class InPlaceResult : public ::testing::TestWithParam<KeyCase> {};
class InPlaceNearResult : public ::testing::TestWithParam<NearCase> {};
class InPlaceRefusal : public ::testing::TestWithParam<RefusalCase> {};

inline constexpr const char* kNotAboveZero = " Invalid Input, Number must be greater than Zero.";

}  // namespace varnock::testing
