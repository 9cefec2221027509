// SPDX-License-Identifier: GPL-3.0-or-later
// Distance to the radio horizon from an antenna height.
#include "panels/LineOfSight.h"

#include <cmath>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
// Feet per metre: the line of sight has always used this figure.
constexpr double kFeetPerMetre = 3.281;
// Kilometres per mile: the line of sight has always used this figure.
constexpr double kKilometresPerMile = 1.609344;

// Miles from feet: the square root of twice the height.
double horizonMiles(double feet) { return std::sqrt(feet + feet); }

// Kilometres from metres, through feet and miles.
double horizonKilometres(double metres) {
    return std::sqrt((metres * kFeetPerMetre) + (metres * kFeetPerMetre)) * kKilometresPerMile;
}
}  // namespace

LineOfSightResult computeLineOfSight(const LineOfSightInput& input) {
    if (input.units == UnitSystem::kStandard) return {horizonMiles(input.height)};
    return {horizonKilometres(input.height)};
}

void CCalcDlg::OnLosEnter() {
    const double v = ReadDisplay();
    if (v < 0)
        return RefuseInput(" Invalid Input, Do you really want to put an antenna underground?");
    if (!(v > 0)) return;
    m_losHeight = v;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
    m_losDistance = computeLineOfSight({v, unitSystem(IsChecked(kSightStandard))}).distance;
    ShowAllFields();
    EntryReset();
}

// The height keeps its number, read in the new unit.
void CCalcDlg::SetLosUnits(bool standard) {
    // Metric is the window's start: its captions are the table's.
    SetCaption(kSightHeightUnitLabel, standard ? "In Feet" : startCaption(kSightHeightUnitLabel));
    SetCaption(kSightDistanceUnitLabel,
               standard ? "In Miles" : startCaption(kSightDistanceUnitLabel));
    const double h = ReadBox(kSightHeightBox);
    m_losDistance = computeLineOfSight({h, unitSystem(standard)}).distance;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
}

void CCalcDlg::OnLosMetric() { SetLosUnits(false); }

void CCalcDlg::OnLosStandard() { SetLosUnits(true); }

void CCalcDlg::OnLosHelp() {
    ShowHelp(
        "To enter a Height, just enter a number with your keypad or use the Data Input Module. "
        "Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
