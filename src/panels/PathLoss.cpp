// Free space path loss from a frequency in MHz and a distance in kilometres
// or miles.
#include <cmath>

#include "app/CalcDlg.h"
#include "ui/Strings.h"

namespace varnock {
namespace {
constexpr int kFrequencyBox = 1114;
constexpr int kDistanceBox = 1115;
constexpr int kKms = 1147;
constexpr double kKmsConstant = 32.4;
constexpr double kMilesConstant = 36.6;

double pathLoss(double distance, double frequency, double constant) {
    return (20 * std::log10(distance) + 20 * std::log10(frequency)) + constant;
}
}  // namespace

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
    const double f = ReadBox(kFrequencyBox);
    const double d = ReadBox(kDistanceBox);
    const double k = IsChecked(kKms) ? kKmsConstant : kMilesConstant;
    if (!(f > 0)) ShowExclamation(" Invalid Operation, There is no entry for Frequency.");
    if (!(d > 0)) return ShowExclamation("Invalid Operation: There is no entry for Distance.");
    if (!(f > 0)) return;
    m_fsplLoss = pathLoss(d, f, k);
    ShowAllFields();
    EntryReset();
}

// The distance keeps its number; only the loss is computed for the new unit.
void CCalcDlg::RecomputePathLoss(double constant) {
    const double f = ReadBox(kFrequencyBox);
    const double d = ReadBox(kDistanceBox);
    if (!(f > 0 && d > 0)) return;
    m_fsplLoss = pathLoss(d, f, constant);
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::OnFsplKms() { RecomputePathLoss(kKmsConstant); }

void CCalcDlg::OnFsplMiles() { RecomputePathLoss(kMilesConstant); }

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
