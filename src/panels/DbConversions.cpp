// SPDX-License-Identifier: GPL-3.0-or-later
// dB levels: milliwatts or watts and dBm; microvolts, millivolts or volts
// and dBmV. Exponent scales are multiplications by 0.1 and 0.05.
#include "panels/DbConversions.h"

#include <cmath>
#include <iterator>

#include "app/CalcDlg.h"

namespace varnock {
namespace {
constexpr double kPowerDbPerDecade = 10;
constexpr double kVoltageDbPerDecade = 20;
constexpr double kPowerExponentScale = 0.1;
constexpr double kVoltageExponentScale = 0.05;
constexpr double kKilo = 1000;
constexpr double kMilli = 0.001;
constexpr double kMicro = 0.000001;

// In the order of DbLevelKey; the unit scales multiply left to right.
constexpr InPlaceConversion kConversions[] = {
    {Accepts::kAboveZero, [](double mw) { return kPowerDbPerDecade * std::log10(mw); }},
    {Accepts::kAnyNumber, [](double dbm) { return std::pow(10.0, dbm * kPowerExponentScale); }},
    {Accepts::kAboveZero, [](double w) { return kPowerDbPerDecade * std::log10(w * kKilo); }},
    {Accepts::kAnyNumber,
     [](double dbm) { return std::pow(10.0, dbm * kPowerExponentScale) * kMilli; }},
    {Accepts::kAboveZero,
     [](double uv) { return kVoltageDbPerDecade * std::log10(uv * kMicro * kKilo); }},
    {Accepts::kAnyNumber,
     [](double dbmv) { return std::pow(10.0, dbmv * kVoltageExponentScale) * kKilo; }},
    {Accepts::kAboveZero,
     [](double mv) { return kVoltageDbPerDecade * std::log10(mv * kMilli * kKilo); }},
    {Accepts::kAnyNumber, [](double dbmv) { return std::pow(10.0, dbmv * kVoltageExponentScale); }},
    {Accepts::kAboveZero, [](double v) { return kVoltageDbPerDecade * std::log10(v * kKilo); }},
    {Accepts::kAnyNumber,
     [](double dbmv) { return std::pow(10.0, dbmv * kVoltageExponentScale) * kMilli; }},
};
static_assert(std::size(kConversions) == static_cast<std::size_t>(DbLevelKey::kDbmvToV) + 1);
}  // namespace

InPlaceOutcome convertDbLevel(const DbLevelInput& input) {
    return kConversions[static_cast<std::size_t>(input.key)](input.x);
}

void CCalcDlg::OnMwToDbm() { PutOutcome(convertDbLevel({DbLevelKey::kMwToDbm, ReadDisplay()})); }
void CCalcDlg::OnDbmToMw() { PutOutcome(convertDbLevel({DbLevelKey::kDbmToMw, ReadDisplay()})); }
void CCalcDlg::OnWToDbm() { PutOutcome(convertDbLevel({DbLevelKey::kWToDbm, ReadDisplay()})); }
void CCalcDlg::OnDbmToW() { PutOutcome(convertDbLevel({DbLevelKey::kDbmToW, ReadDisplay()})); }
void CCalcDlg::OnUvToDbmv() { PutOutcome(convertDbLevel({DbLevelKey::kUvToDbmv, ReadDisplay()})); }
void CCalcDlg::OnDbmvToUv() { PutOutcome(convertDbLevel({DbLevelKey::kDbmvToUv, ReadDisplay()})); }
void CCalcDlg::OnMvToDbmv() { PutOutcome(convertDbLevel({DbLevelKey::kMvToDbmv, ReadDisplay()})); }
void CCalcDlg::OnDbmvToMv() { PutOutcome(convertDbLevel({DbLevelKey::kDbmvToMv, ReadDisplay()})); }
void CCalcDlg::OnVToDbmv() { PutOutcome(convertDbLevel({DbLevelKey::kVToDbmv, ReadDisplay()})); }
void CCalcDlg::OnDbmvToV() { PutOutcome(convertDbLevel({DbLevelKey::kDbmvToV, ReadDisplay()})); }

}  // namespace varnock
