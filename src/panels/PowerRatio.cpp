// Two of input power, output power and their ratio in dB give the third.
#include <cmath>
#include <string>

#include "app/CalcDlg.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

namespace varnock {
namespace {
constexpr int kFirstBox = 1156;
constexpr int kSecondBox = 1157;
constexpr int kDbMode = 1178;
constexpr int kPinMode = 1179;
constexpr int kFirstLabel = 1182;
constexpr int kSecondLabel = 1183;
constexpr int kResultLabel = 1184;

enum Mode { kDb, kPin, kPout };

// What each box holds in each mode, named by the label whose start caption
// says it: the three quantities trade places between the boxes.
struct ModeLabels {
    int first;
    int second;
    int result;
};
constexpr ModeLabels kLabels[] = {
    {kFirstLabel, kSecondLabel, kResultLabel},  // "dB"
    {kResultLabel, kSecondLabel, kFirstLabel},  // "Pin"
    {kResultLabel, kFirstLabel, kSecondLabel},  // "Pout"
};

std::string cannotBeZero(int label) {
    return "Invalid Input: " + std::string(startCaption(label)) + " can not be Zero.";
}
}  // namespace

int CCalcDlg::PowerMode() const {
    if (IsChecked(kDbMode)) return kDb;
    if (IsChecked(kPinMode)) return kPin;
    return kPout;
}

// The first box takes a power in "dB" mode and a ratio in dB, of any sign,
// in the other two.
void CCalcDlg::OnPowerEnterIn() {
    const double v = ReadDisplay();
    const bool accepted = PowerMode() == kDb ? v > 0 : true;
    if (!accepted) return RefuseInput(kMustBeGreaterThanZero);
    TakeInput(m_powerIn, v);
}

void CCalcDlg::OnPowerEnterOut() {
    const double v = ReadDisplay();
    if (!(v > 0)) return RefuseInput(kMustBeGreaterThanZero);
    TakeInput(m_powerOut, v);
}

void CCalcDlg::OnPowerEquals() {
    const double a = ReadBox(kFirstBox);
    const double b = ReadBox(kSecondBox);
    const int mode = PowerMode();
    const ModeLabels& labels = kLabels[mode];
    double result = 0;
    if (mode == kDb) {
        if (a == 0) return ShowExclamation(cannotBeZero(labels.first));
        if (b == 0) return ShowExclamation(cannotBeZero(labels.second));
        result = 10 * std::log10(b / a);
    } else {
        if (b == 0) return ShowExclamation(cannotBeZero(labels.second));
        result = mode == kPin ? b / std::pow(10.0, a * 0.1) : std::pow(10.0, a * 0.1) * b;
    }
    m_powerRatio = result;
    ShowAllFields();
    EntryReset();
}

// Every click, on the checked radio too, relabels and empties the boxes.
void CCalcDlg::SetPowerMode(int mode) {
    const ModeLabels& labels = kLabels[mode];
    SetCaption(kFirstLabel, startCaption(labels.first));
    SetCaption(kSecondLabel, startCaption(labels.second));
    SetCaption(kResultLabel, startCaption(labels.result));
    m_powerRatio = 0;
    ShowAllFields();
    m_powerOut = 0;
    ShowAllFields();
    m_powerIn = 0;
    ShowAllFields();
}

void CCalcDlg::OnPowerModeDb() { SetPowerMode(kDb); }
void CCalcDlg::OnPowerModePin() { SetPowerMode(kPin); }
void CCalcDlg::OnPowerModePout() { SetPowerMode(kPout); }

void CCalcDlg::OnPowerHelp() {
    ShowHelp(
        "To enter a value just enter a number with your keypad or use the Data Input Module. "
        "Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
