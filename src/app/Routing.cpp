// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Routing.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock {
namespace {

using D = CCalcDlg;

// clang-format off
const Route kClickRoutes[] = {
    // Keypad (the hidden twins run what their visible keys run)
    {kDigit0, &D::OnDigit0}, {kDigit1, &D::OnDigit1}, {kDigit2, &D::OnDigit2},
    {kDigit3, &D::OnDigit3}, {kDigit4, &D::OnDigit4}, {kDigit5, &D::OnDigit5},
    {kDigit6, &D::OnDigit6}, {kDigit7, &D::OnDigit7}, {kDigit8, &D::OnDigit8},
    {kDigit9, &D::OnDigit9}, {kDecimalPoint, &D::OnPoint}, {kChangeSign, &D::OnChangeSign},
    {kClearEntry, &D::OnClearEntry}, {kClearAll, &D::OnClearAll}, {kMathAdd, &D::OnAdd},
    {kMathSubtract, &D::OnSubtract}, {kMathDivide, &D::OnDivide}, {kMathMultiply, &D::OnMultiply},
    {kMathEquals, &D::OnEquals},

    // Math functions ("Degrees" and "Radians" have no operation of their own)
    {kMathSin, &D::OnSin}, {kMathCos, &D::OnCos}, {kMathLog, &D::OnLog},
    {kMathTenToX, &D::OnTenToX}, {kMathArcSin, &D::OnArcSin}, {kMathArcCos, &D::OnArcCos},
    {kMathTan, &D::OnTan}, {kMathArcTan, &D::OnArcTan}, {kMathLn, &D::OnLn}, {kMathExp, &D::OnExp},
    {kMathReciprocal, &D::OnInverse}, {kMathSquare, &D::OnSquare},

    // dB level conversions
    {kMilliwattsToDbm, &D::OnMwToDbm}, {kDbmToMilliwatts, &D::OnDbmToMw},
    {kWattsToDbm, &D::OnWToDbm}, {kDbmToWatts, &D::OnDbmToW}, {kMicrovoltsToDbmv, &D::OnUvToDbmv},
    {kDbmvToMicrovolts, &D::OnDbmvToUv}, {kMillivoltsToDbmv, &D::OnMvToDbmv},
    {kDbmvToMillivolts, &D::OnDbmvToMv}, {kVoltsToDbmv, &D::OnVToDbmv},
    {kDbmvToVolts, &D::OnDbmvToV},

    // Temperature conversions
    {kCelsiusToFahrenheit, &D::OnCelsiusToFahrenheit},
    {kFahrenheitToCelsius, &D::OnFahrenheitToCelsius},
    {kKelvinToFahrenheit, &D::OnKelvinToFahrenheit},
    {kFahrenheitToKelvin, &D::OnFahrenheitToKelvin}, {kCelsiusToKelvin, &D::OnCelsiusToKelvin},
    {kKelvinToCelsius, &D::OnKelvinToCelsius},

    // Wavelength, frequency and length conversions
    {kWavelengthToFrequency, &D::OnWavelengthFrequency},
    {kFrequencyToWavelength, &D::OnWavelengthFrequency}, {kHertzToSeconds, &D::OnHertzSeconds},
    {kSecondsToHertz, &D::OnHertzSeconds}, {kHertzToMegahertz, &D::OnHertzToMhz},
    {kHertzToKilohertz, &D::OnHertzToKhz}, {kMilesToKilometers, &D::OnMilesToKm},
    {kKilometersToMiles, &D::OnKmToMiles}, {kMetersToFeet, &D::OnMeterToFeet},
    {kFeetToMeters, &D::OnFeetToMeter}, {kMetersToMiles, &D::OnMeterToMiles},
    {kMilesToMeters, &D::OnMilesToMeter},

    // Free space path loss
    {kPathLossFrequencyEnter, &D::OnFsplEnterFrequency},
    {kPathLossDistanceEnter, &D::OnFsplEnterDistance}, {kPathLossCalculate, &D::OnFsplLoss},
    {kPathLossFrequencyHelp, &D::OnFsplHelpFrequency},
    {kPathLossDistanceHelp, &D::OnFsplHelpDistance}, {kPathLossKilometers, &D::OnFsplKms},
    {kPathLossMiles, &D::OnFsplMiles},

    // Line of sight
    {kSightHeightEnter, &D::OnLosEnter}, {kSightHeightHelp, &D::OnLosHelp},
    {kSightMetric, &D::OnLosMetric}, {kSightStandard, &D::OnLosStandard},

    // Antenna length cutting
    {kCutFrequencyEnter, &D::OnCutEnter}, {kCutFrequencyHelp, &D::OnCutHelp},
    {kCutQuarterWave, &D::OnCutQuarter}, {kCutThreeEighthsWave, &D::OnCutThreeEighths},
    {kCutHalfWave, &D::OnCutHalf}, {kCutFiveEighthsWave, &D::OnCutFiveEighths},
    {kCutThreeQuarterWave, &D::OnCutThreeQuarters}, {kCutFullWave, &D::OnCutFull},
    {kCutMetric, &D::OnCutMetric}, {kCutStandard, &D::OnCutStandard},
    {kCutFringing, &D::OnCutFringing},

    // Beam tilt
    {kTiltHaatEnter, &D::OnTiltEnterHaat}, {kTiltBeamwidthEnter, &D::OnTiltEnterBeamwidth},
    {kTiltDowntiltEnter, &D::OnTiltEnterDowntilt}, {kTiltCalculate, &D::OnTiltCalculate},
    {kTiltMetric, &D::OnTiltMetric}, {kTiltStandard, &D::OnTiltStandard},

    // Power ratio
    {kPowerInputEnter, &D::OnPowerEnterIn}, {kPowerOutputEnter, &D::OnPowerEnterOut},
    {kPowerRatioEquals, &D::OnPowerEquals}, {kPowerInputHelp, &D::OnPowerHelp},
    {kPowerOutputHelp, &D::OnPowerHelp}, {kPowerForRatio, &D::OnPowerModeDb},
    {kPowerForInput, &D::OnPowerModePin}, {kPowerForOutput, &D::OnPowerModePout},

    // VSWR
    {kVswrForwardEnter, &D::OnVswrEnterForward}, {kVswrReflectedEnter, &D::OnVswrEnterReflected},
    {kVswrCalculate, &D::OnVswrCalculate},    {kVswrForwardHelp, &D::OnVswrHelpForward},
    {kVswrReflectedHelp, &D::OnVswrHelpReflected},

    // Scratch pad and window
    {kPadClear, &D::OnPadClear},
    {kPadExit, &D::OnFocusBounce},
    {kCloseButton, &D::OnCancel},
};

// clang-format on

ClickHandler findRoute(std::span<const Route> routes, int id) {
    for (const Route& route : routes) {
        if (route.id == id) return route.handler;
    }
    return nullptr;
}

// The routes above, and one for each hidden twin: the operation of the
// visible key it stands for.
std::vector<Route> withTwinRoutes() {
    std::vector<Route> routes(std::begin(kClickRoutes), std::end(kClickRoutes));
    for (const ControlSpec& control : controls()) {
        if (control.isHiddenTwin()) {
            routes.push_back({control.id, findRoute(kClickRoutes, control.partner)});
        }
    }
    return routes;
}

// Every read-only box gives the focus back.
std::vector<Route> readOnlyBoxRoutes() {
    std::vector<Route> routes;
    for (const ControlSpec& control : controls()) {
        if (control.isReadOnlyBox()) routes.push_back({control.id, &D::OnFocusBounce});
    }
    return routes;
}

// The routes in order of identifier, so that every click and focus change
// finds its route by bisection; of routes with one identifier the first
// stays first.
std::vector<Route> byIdentifier(std::vector<Route> routes) {
    std::stable_sort(routes.begin(), routes.end(),
                     [](const Route& a, const Route& b) { return a.id < b.id; });
    return routes;
}

const std::vector<Route>& allClickRoutes() {
    static const std::vector<Route> routes = byIdentifier(withTwinRoutes());
    return routes;
}

const std::vector<Route>& allFocusRoutes() {
    static const std::vector<Route> routes = byIdentifier(readOnlyBoxRoutes());
    return routes;
}

ClickHandler findSortedRoute(std::span<const Route> routes, int id) {
    const auto route = std::lower_bound(routes.begin(), routes.end(), id,
                                        [](const Route& r, int wanted) { return r.id < wanted; });
    return route != routes.end() && route->id == id ? route->handler : nullptr;
}

}  // namespace

std::span<const Route> clickRoutes() { return allClickRoutes(); }
std::span<const Route> focusRoutes() { return allFocusRoutes(); }

ClickHandler findClickHandler(int id) { return findSortedRoute(allClickRoutes(), id); }
ClickHandler findFocusHandler(int id) { return findSortedRoute(allFocusRoutes(), id); }

}  // namespace varnock
