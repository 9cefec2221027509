// Length to cut an antenna element: a fraction of the wavelength, in
// centimetres or inches, optionally 5 % shorter for capacitive fringing.
#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
constexpr int kFrequencyBox = 1132;
constexpr int kMetric = 1187;
constexpr int kUnitLabel = 1188;
constexpr double kCentimetresPerMetre = 100;
constexpr double kInchesPerMetre = 39.37;

struct Fraction {
    int button;
    double value;
};
constexpr Fraction kFractions[] = {
    {1137, 0.25}, {1138, 0.375}, {1139, 0.5}, {1140, 0.625}, {1141, 0.75}, {1142, 1},
};
// The whole wavelength, also when no fraction is checked.
constexpr double kFull = 1;

double fractionOf(int button) {
    for (const Fraction& fraction : kFractions) {
        if (fraction.button == button) return fraction.value;
    }
    return kFull;
}

double cutLength(double frequency, double unitFactor, double fraction, double fringing) {
    const double wavelength = 300000000 / (frequency * 1000000);
    const double x = (wavelength * unitFactor) * fraction;
    return x - (x * fringing);
}
}  // namespace

double CCalcDlg::CutFraction() const {
    for (const Fraction& fraction : kFractions) {
        if (IsChecked(fraction.button)) return fraction.value;
    }
    return kFull;
}

double CCalcDlg::CutUnitFactor() const {
    return IsChecked(kMetric) ? kCentimetresPerMetre : kInchesPerMetre;
}

double CCalcDlg::CutFringing() const { return IsChecked(kFringingCheckBox) ? 0.05 : 0; }

void CCalcDlg::OnCutEnter() {
    const double v = ReadDisplay();
    const double fraction = CutFraction();
    const double unitFactor = CutUnitFactor();
    const double fringing = CutFringing();
    if (!(v > 0)) {
        return RefuseInput(
            " Invalid Input, You are attempting to enter Zero from the Data Input Module.");
    }
    m_cutFrequency = v;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
    m_cutLength = cutLength(v, unitFactor, fraction, fringing);
    ShowAllFields();
    EntryReset();
}

// Recomputes from the frequency box; silent while no frequency is present.
void CCalcDlg::RecomputeCutLength(double fraction, double unitFactor) {
    const double f = ReadBox(kFrequencyBox);
    const double fringing = CutFringing();
    if (!(f > 0)) return;
    m_cutLength = cutLength(f, unitFactor, fraction, fringing);
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::OnCutQuarter() { RecomputeCutLength(fractionOf(1137), CutUnitFactor()); }
void CCalcDlg::OnCutThreeEighths() { RecomputeCutLength(fractionOf(1138), CutUnitFactor()); }
void CCalcDlg::OnCutHalf() { RecomputeCutLength(fractionOf(1139), CutUnitFactor()); }
void CCalcDlg::OnCutFiveEighths() { RecomputeCutLength(fractionOf(1140), CutUnitFactor()); }
void CCalcDlg::OnCutThreeQuarters() { RecomputeCutLength(fractionOf(1141), CutUnitFactor()); }
void CCalcDlg::OnCutFull() { RecomputeCutLength(fractionOf(1142), CutUnitFactor()); }

void CCalcDlg::OnCutMetric() {
    SetCaption(kUnitLabel, startCaption(kUnitLabel));
    RecomputeCutLength(CutFraction(), kCentimetresPerMetre);
}

void CCalcDlg::OnCutStandard() {
    SetCaption(kUnitLabel, "Inches");
    RecomputeCutLength(CutFraction(), kInchesPerMetre);
}

void CCalcDlg::OnCutFringing() { RecomputeCutLength(CutFraction(), CutUnitFactor()); }

void CCalcDlg::OnCutHelp() {
    ShowHelp(
        "To enter a Frequency, just enter a number with your keypad or use the Data Input "
        "Module. Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
