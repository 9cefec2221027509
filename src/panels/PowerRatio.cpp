// SPDX-License-Identifier: GPL-3.0-or-later
// Two of input power, output power and their ratio in dB give the third.
#include "panels/PowerRatio.h"

#include <cmath>
#include <string>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

namespace varnock {
namespace {
constexpr double kDbPerDecade = 10;
constexpr double kExponentScale = 0.1;

// What each box holds in each mode, named by the label whose start caption
// says it: the three quantities trade places between the boxes.
struct ModeLabels {
    int first;
    int second;
    int result;
};
// In the order of PowerUnknown.
constexpr ModeLabels kLabels[] = {
    {kPowerInputLabel, kPowerOutputLabel, kPowerRatioLabel},  // "dB"
    {kPowerRatioLabel, kPowerOutputLabel, kPowerInputLabel},  // "Pin"
    {kPowerRatioLabel, kPowerInputLabel, kPowerOutputLabel},  // "Pout"
};

const ModeLabels& labelsOf(PowerUnknown mode) { return kLabels[static_cast<std::size_t>(mode)]; }

std::string cannotBeZero(int label) {
    return "Invalid Input: " + std::string(startCaption(label)) + " can not be Zero.";
}
}  // namespace

PowerRatioResult computePowerRatio(const PowerRatioInput& input) {
    const double a = input.first;
    const double b = input.second;
    switch (input.unknown) {
        case PowerUnknown::kRatio:
            return {kDbPerDecade * std::log10(b / a)};
        case PowerUnknown::kInput:
            return {b / std::pow(10.0, a * kExponentScale)};
        case PowerUnknown::kOutput:
            return {std::pow(10.0, a * kExponentScale) * b};
    }
    return {};  // not reached: every mode is handled above
}

PowerUnknown CCalcDlg::PowerMode() const {
    if (IsChecked(kPowerForRatio)) return PowerUnknown::kRatio;
    if (IsChecked(kPowerForInput)) return PowerUnknown::kInput;
    return PowerUnknown::kOutput;
}

// The first box takes a power in "dB" mode and a ratio in dB, of any sign,
// in the other two.
void CCalcDlg::OnPowerEnterIn() {
    const double v = ReadDisplay();
    const bool accepted = PowerMode() == PowerUnknown::kRatio ? v > 0 : true;
    if (!accepted) return RefuseInput(kMustBeGreaterThanZero);
    TakeInput(m_powerIn, v);
}

void CCalcDlg::OnPowerEnterOut() {
    const double v = ReadDisplay();
    if (!(v > 0)) return RefuseInput(kMustBeGreaterThanZero);
    TakeInput(m_powerOut, v);
}

// A power of zero is refused, named by its box's label in the mode; the
// ratio in dB may be anything.
void CCalcDlg::OnPowerEquals() {
    const double a = ReadBox(kPowerInputBox);
    const double b = ReadBox(kPowerOutputBox);
    const PowerUnknown unknown = PowerMode();
    const ModeLabels& labels = labelsOf(unknown);
    if (unknown == PowerUnknown::kRatio && a == 0) {
        return ShowExclamation(cannotBeZero(labels.first));
    }
    if (b == 0) return ShowExclamation(cannotBeZero(labels.second));
    m_powerRatio = computePowerRatio({unknown, a, b}).value;
    ShowAllFields();
    EntryReset();
}

// Every click, on the checked radio too, relabels and empties the boxes.
void CCalcDlg::SetPowerMode(PowerUnknown mode) {
    const ModeLabels& labels = labelsOf(mode);
    SetCaption(kPowerInputLabel, startCaption(labels.first));
    SetCaption(kPowerOutputLabel, startCaption(labels.second));
    SetCaption(kPowerRatioLabel, startCaption(labels.result));
    m_powerRatio = 0;
    ShowAllFields();
    m_powerOut = 0;
    ShowAllFields();
    m_powerIn = 0;
    ShowAllFields();
}

void CCalcDlg::OnPowerModeDb() { SetPowerMode(PowerUnknown::kRatio); }
void CCalcDlg::OnPowerModePin() { SetPowerMode(PowerUnknown::kInput); }
void CCalcDlg::OnPowerModePout() { SetPowerMode(PowerUnknown::kOutput); }

void CCalcDlg::OnPowerHelp() {
    ShowHelp(
        "To enter a value just enter a number with your keypad or use the Data Input Module. "
        "Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
