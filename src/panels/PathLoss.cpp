// SPDX-License-Identifier: GPL-3.0-or-later
// Free space path loss from a frequency in MHz and a distance in kilometres
// or miles.
#include "panels/PathLoss.h"

#include <cmath>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Strings.h"

namespace varnock {
namespace {
constexpr double kDbPerDecade = 20;
// dB for a distance in kilometres and in miles: the path loss has always used
// these figures.
constexpr double kKmsConstant = 32.4;
constexpr double kMilesConstant = 36.6;
}  // namespace

// The distance term first, then the frequency term, the constant last.
PathLossResult computePathLoss(const PathLossInput& input) {
    const double constant = input.units == UnitSystem::kMetric ? kKmsConstant : kMilesConstant;
    return {
        (kDbPerDecade * std::log10(input.distance) + kDbPerDecade * std::log10(input.frequency)) +
        constant};
}

void CCalcDlg::OnFsplEnterFrequency() {
    const double v = ReadDisplay();
    if (v > 0) return TakeInput(m_fsplFrequency, v);
    RefuseInput(kMustBeGreaterThanZero);
}

void CCalcDlg::OnFsplEnterDistance() {
    const double v = ReadDisplay();
    if (v > 0) return TakeInput(m_fsplDistance, v);
    RefuseInput(kMustBeGreaterThanZero);
}

// Both missing inputs are reported, the frequency first.
void CCalcDlg::OnFsplLoss() {
    const double f = ReadBox(kPathLossFrequencyBox);
    const double d = ReadBox(kPathLossDistanceBox);
    const UnitSystem units =
        IsChecked(kPathLossKilometers) ? UnitSystem::kMetric : UnitSystem::kStandard;
    if (!(f > 0)) ShowExclamation(" Invalid Operation, There is no entry for Frequency.");
    if (!(d > 0)) return ShowExclamation("Invalid Operation: There is no entry for Distance.");
    if (!(f > 0)) return;
    m_fsplLoss = computePathLoss({f, d, units}).loss;
    ShowAllFields();
    EntryReset();
}

// The distance keeps its number; only the loss is computed for the new unit.
void CCalcDlg::RecomputePathLoss(bool standard) {
    const double f = ReadBox(kPathLossFrequencyBox);
    const double d = ReadBox(kPathLossDistanceBox);
    if (!(f > 0 && d > 0)) return;
    m_fsplLoss = computePathLoss({f, d, unitSystem(standard)}).loss;
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::OnFsplKms() { RecomputePathLoss(false); }

void CCalcDlg::OnFsplMiles() { RecomputePathLoss(true); }

void CCalcDlg::OnFsplHelpFrequency() {
    ShowHelp(
        "To enter a FREQUENCY (in mHz), just enter a number with your keypad or use the Data "
        "Input Module. Clicking on <ENTER> button will transfer the number down.");
}

void CCalcDlg::OnFsplHelpDistance() {
    ShowHelp(
        "To enter a DISTANCE, just enter a number with your keypad or use the Data Input "
        "Module. Clicking on <ENTER> button will transfer the number down.Be sure you select "
        "the correct linear measurement i.e. kms or miles.The default is measured in metric "
        "(kms).");
}

}  // namespace varnock
