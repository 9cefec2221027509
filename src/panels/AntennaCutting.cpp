// SPDX-License-Identifier: GPL-3.0-or-later
// Length to cut an antenna element: a fraction of the wavelength, in
// centimetres or inches, optionally 5 % shorter for capacitive fringing.
#include "panels/AntennaCutting.h"

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
// Metres per second, 3 x 10^8 rather than 299792458: the antenna cutting has
// always used this figure.
constexpr double kSpeedOfLight = 300000000;
constexpr double kHertzPerMegahertz = 1000000;
constexpr double kCentimetresPerMetre = 100;
// Inches per metre: the antenna cutting has always used this figure.
constexpr double kInchesPerMetre = 39.37;
constexpr double kFringingShortening = 0.05;

struct Fraction {
    int button;
    double value;
};
enum FractionIndex { kQuarter, kThreeEighths, kHalf, kFiveEighths, kThreeQuarters, kFull };
// "Full" is never read: it is the case in which none of the others is
// checked.
constexpr Fraction kFractions[] = {
    {kCutQuarterWave, 0.25},      {kCutThreeEighthsWave, 0.375}, {kCutHalfWave, 0.5},
    {kCutFiveEighthsWave, 0.625}, {kCutThreeQuarterWave, 0.75},  {kCutFullWave, 1},
};
}  // namespace

CutLengthResult computeCutLength(const CutLengthInput& input) {
    const double unitsPerMetre =
        input.units == UnitSystem::kMetric ? kCentimetresPerMetre : kInchesPerMetre;
    const double shortening = input.fringing ? kFringingShortening : 0;
    const double wavelength = kSpeedOfLight / (input.frequency * kHertzPerMegahertz);
    const double x = (wavelength * unitsPerMetre) * input.fraction;
    return {x - (x * shortening)};
}

double CCalcDlg::CutFraction() const {
    for (int i = kQuarter; i < kFull; ++i) {
        if (IsChecked(kFractions[i].button)) return kFractions[i].value;
    }
    return kFractions[kFull].value;
}

bool CCalcDlg::CutStandard() const { return !IsChecked(kCutMetric); }

bool CCalcDlg::CutFringing() const { return IsChecked(kCutFringing); }

void CCalcDlg::OnCutEnter() {
    const double v = ReadDisplay();
    const CutLengthInput input{v, CutFraction(), unitSystem(CutStandard()), CutFringing()};
    if (!(v > 0)) {
        return RefuseInput(
            " Invalid Input, You are attempting to enter Zero from the Data Input Module.");
    }
    m_cutFrequency = v;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
    m_cutLength = computeCutLength(input).length;
    ShowAllFields();
    EntryReset();
}

// Recomputes from the frequency box; silent while no frequency is present.
void CCalcDlg::RecomputeCutLength(double fraction, bool standard) {
    const double f = ReadBox(kCutFrequencyBox);
    const bool fringing = CutFringing();
    if (!(f > 0)) return;
    m_cutLength = computeCutLength({f, fraction, unitSystem(standard), fringing}).length;
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::OnCutQuarter() { RecomputeCutLength(kFractions[kQuarter].value, CutStandard()); }
void CCalcDlg::OnCutThreeEighths() {
    RecomputeCutLength(kFractions[kThreeEighths].value, CutStandard());
}
void CCalcDlg::OnCutHalf() { RecomputeCutLength(kFractions[kHalf].value, CutStandard()); }
void CCalcDlg::OnCutFiveEighths() {
    RecomputeCutLength(kFractions[kFiveEighths].value, CutStandard());
}
void CCalcDlg::OnCutThreeQuarters() {
    RecomputeCutLength(kFractions[kThreeQuarters].value, CutStandard());
}
void CCalcDlg::OnCutFull() { RecomputeCutLength(kFractions[kFull].value, CutStandard()); }

void CCalcDlg::OnCutMetric() {
    SetCaption(kCutLengthUnitLabel, startCaption(kCutLengthUnitLabel));
    RecomputeCutLength(CutFraction(), false);
}

void CCalcDlg::OnCutStandard() {
    SetCaption(kCutLengthUnitLabel, "Inches");
    RecomputeCutLength(CutFraction(), true);
}

void CCalcDlg::OnCutFringing() { RecomputeCutLength(CutFraction(), CutStandard()); }

void CCalcDlg::OnCutHelp() {
    ShowHelp(
        "To enter a Frequency, just enter a number with your keypad or use the Data Input "
        "Module. Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
