// SPDX-License-Identifier: GPL-3.0-or-later
// Return loss, reflection coefficient, VSWR and the impedance extremes of a
// 50 ohm line from a wattmeter's forward and reflected readings.
#include "panels/Vswr.h"

#include <cmath>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"

namespace varnock {
namespace {
constexpr double kLineImpedance = 50;
constexpr double kDbPerDecade = 10;
}  // namespace

// Each step takes the value the step before gave.
VswrResult computeVswr(const VswrInput& input) {
    const double f = input.forward;
    const double r = input.reflected;
    VswrResult result{};
    result.returnLoss = kDbPerDecade * std::log10(f / r);
    result.reflectionCoefficient = std::sqrt(r / f);
    const double rho = result.reflectionCoefficient;
    result.vswr = (rho + 1) / (1 - rho);
    result.zMax = result.vswr * kLineImpedance;
    result.zMin = kLineImpedance / result.vswr;
    return result;
}

void CCalcDlg::OnVswrEnterForward() {
    const double v = ReadDisplay();
    if (!(v > 0)) return RefuseInput(" Invalid Input, Forward Power must be greater than Zero.");
    TakeInput(m_fwdPower, v);
}

// 0 is a valid reading: a perfect match.
void CCalcDlg::OnVswrEnterReflected() {
    const double v = ReadDisplay();
    if (!(v >= 0)) return RefuseInput(" Invalid Input, Reflected Power can not be less than Zero.");
    TakeInput(m_reflPower, v);
}

// A reflected reading above the forward one is a misreading (swapped leads,
// wrong scale) and is refused rather than turned into a coefficient above 1
// and negative impedances.
void CCalcDlg::OnVswrCalculate() {
    const double f = ReadBox(kVswrForwardBox);
    const double r = ReadBox(kVswrReflectedBox);
    if (!(f > 0))
        return ShowExclamation(" Invalid Operation, Forward Power must be greater than Zero.");
    if (r > f) {
        return ShowExclamation(
            " Invalid Operation, Reflected Power can not be greater than Forward Power.");
    }
    const VswrResult result = computeVswr({f, r});
    m_returnLoss = result.returnLoss;
    ShowAllFields();
    m_reflCoeff = result.reflectionCoefficient;
    ShowAllFields();
    m_vswr = result.vswr;
    ShowAllFields();
    m_zMax = result.zMax;
    ShowAllFields();
    m_zMin = result.zMin;
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::OnVswrHelpForward() {
    ShowHelp(
        "To enter Forward Power, just enter a number with your keypad or use the Data Input "
        "Module. Clicking on <ENTER> button will transfer the number down.");
}

void CCalcDlg::OnVswrHelpReflected() {
    ShowHelp(
        "To enter Reflected Power, just enter a number with your keypad or use the Data Input "
        "Module. Clicking on <ENTER> button will transfer the number down.");
}

}  // namespace varnock
