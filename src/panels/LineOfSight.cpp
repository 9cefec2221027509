// Distance to the radio horizon from an antenna height.
#include <cmath>

#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
constexpr int kHeightBox = 1126;
constexpr int kStandard = 1131;
constexpr int kHeightUnitLabel = 1135;
constexpr int kDistanceUnitLabel = 1136;

// Miles from feet: the square root of twice the height.
double horizonMiles(double feet) { return std::sqrt(feet + feet); }

// Kilometres from metres, through feet and miles.
double horizonKilometres(double metres) {
    return std::sqrt((metres * 3.281) + (metres * 3.281)) * 1.609344;
}

double horizon(double height, bool standard) {
    return standard ? horizonMiles(height) : horizonKilometres(height);
}
}  // namespace

void CCalcDlg::OnLosEnter() {
    const double v = ReadDisplay();
    if (v < 0)
        return RefuseInput(" Invalid Input, Do you really want to put an antenna underground?");
    if (!(v > 0)) return;
    m_losHeight = v;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
    m_losDistance = horizon(v, IsChecked(kStandard));
    ShowAllFields();
    EntryReset();
}

// The height keeps its number, read in the new unit.
void CCalcDlg::SetLosUnits(bool standard) {
    // Metric is the window's start: its captions are the table's.
    SetCaption(kHeightUnitLabel, standard ? "In Feet" : startCaption(kHeightUnitLabel));
    SetCaption(kDistanceUnitLabel, standard ? "In Miles" : startCaption(kDistanceUnitLabel));
    const double h = ReadBox(kHeightBox);
    m_losDistance = horizon(h, standard);
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
