// SPDX-License-Identifier: GPL-3.0-or-later
// dB levels: milliwatts or watts and dBm; microvolts, millivolts or volts
// and dBmV.
#pragma once

#include "panels/InPlaceOutcome.h"

namespace varnock {

enum class DbLevelKey {
    kMwToDbm,
    kDbmToMw,
    kWToDbm,
    kDbmToW,
    kUvToDbmv,
    kDbmvToUv,
    kMvToDbmv,
    kDbmvToMv,
    kVToDbmv,
    kDbmvToV,
};

struct DbLevelInput {
    DbLevelKey key;
    double x;
};

// The keys that take a logarithm refuse a number not above zero.
InPlaceOutcome convertDbLevel(const DbLevelInput& input);

}  // namespace varnock
