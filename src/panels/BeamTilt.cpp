// SPDX-License-Identifier: GPL-3.0-or-later
// Where a down-tilted antenna's vertical beam meets the ground.
#include "panels/BeamTilt.h"

#include <cmath>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
// The doubles nearest pi/180 and 1/5280.
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kMilesPerFoot = 0.0001893939393939394;
// Feet per metre (the double nearest 3937/1200): the beam tilt has always
// used this figure.
constexpr double kFeetPerMetre = 3.2808333333333333;
// Kilometres per mile: the beam tilt has always used this figure.
constexpr double kKilometresPerMile = 1.609344;
// Standard units: the height is in feet and the distances in miles already.
constexpr double kSameUnit = 1.0;
// What an upper edge along the horizontal is given before the sign test, so
// that it is marked like one above it.
constexpr double kAlongTheHorizontal = -1;
constexpr std::string_view kAboveHorizonMarker = "VER HORIZ";

// The unit labels beside the horizon, main, lower and upper lobe distances.
constexpr int kDistanceLabels[] = {kTiltHorizonUnitLabel, kTiltMainLobeUnitLabel,
                                   kTiltLowerLobeUnitLabel, kTiltUpperLobeUnitLabel};

struct UnitFactors {
    double heightToFeet;
    double milesToDistance;
};

UnitFactors factorsFor(UnitSystem units) {
    if (units == UnitSystem::kStandard) return {kSameUnit, kSameUnit};
    return {kFeetPerMetre, kKilometresPerMile};
}

struct UnitCaptions {
    std::string_view haat;
    std::string_view distance;
};

// Metric is the window's start: its captions are the table's.
UnitCaptions captionsFor(bool standard) {
    if (standard) return {"Ant. HAAT (feet)", "mi."};
    return {startCaption(kTiltHaatLabel), startCaption(kDistanceLabels[0])};
}
}  // namespace

// Feet to miles to the unit of the mode, left to right; only the upper edge
// is tested, by the sign of its distance.
BeamTiltResult computeBeamTilt(const BeamTiltInput& input) {
    const UnitFactors factors = factorsFor(input.units);
    const double a = factors.heightToFeet;
    const double b = factors.milesToDistance;
    const double beta = input.beamwidth * kRadiansPerDegree;
    const double tau = input.tilt * kRadiansPerDegree;
    const double feet = a * input.height;
    BeamTiltResult result{};
    result.horizon = std::sqrt(feet + feet) * b;
    result.mainLobe = feet / std::tan(tau) * kMilesPerFoot * b;
    const double half = beta * 0.5;
    const double u = tau - half;
    double upper = feet / std::tan(u) * kMilesPerFoot * b;
    if (u == 0) upper = kAlongTheHorizontal;
    result.lowerLobe = feet / std::tan(half + tau) * kMilesPerFoot * b;
    result.upperAtOrAboveHorizontal = upper < 0;
    result.upperLobe = result.upperAtOrAboveHorizontal ? 0 : upper;
    return result;
}

void CCalcDlg::OnTiltEnterHaat() {
    const double v = ReadDisplay();
    if (!(v > 0)) return RefuseInput(" Invalid Input, Antenna must be higher than ground level.");
    TakeInput(m_tiltHaat, v);
}

void CCalcDlg::OnTiltEnterBeamwidth() {
    const double v = ReadDisplay();
    if (!(v > 0)) return RefuseInput(" Invalid Input, Beamwidth must be more than zero degrees.");
    if (!(v < 120)) return RefuseInput("Invalid Input, Enter a beamwidth LESS than 120 degrees.");
    TakeInput(m_tiltBeamwidth, v);
}

void CCalcDlg::OnTiltEnterDowntilt() {
    const double v = ReadDisplay();
    if (!(v >= -90)) {
        return RefuseInput(" Invalid Input, Antenna TILT should be between -90 and 90 degrees.");
    }
    if (!(v <= 90)) {
        return RefuseInput("Invalid Input, Antenna TILT should be between -90 than 90 degrees.");
    }
    TakeInput(m_tiltDowntilt, v);
}

// The marker follows the upper edge's "0" in its box; the field stays 0.
void CCalcDlg::ComputeBeamTilt(double h, double w, double t, bool standard) {
    const BeamTiltResult result = computeBeamTilt({h, w, t, unitSystem(standard)});
    m_tiltHorizon = result.horizon;
    ShowAllFields();
    m_tiltMainLobe = result.mainLobe;
    ShowAllFields();
    m_tiltLowerLobe = result.lowerLobe;
    ShowAllFields();
    m_tiltUpperLobe = result.upperLobe;
    ShowAllFields();
    if (result.upperAtOrAboveHorizontal) {
        SetBoxText(kTiltUpperLobeBox, BoxText(kTiltUpperLobeBox).append(kAboveHorizonMarker));
    }
    EntryReset();
}

void CCalcDlg::OnTiltCalculate() {
    const double h = ReadBox(kTiltHaatBox);
    const double w = ReadBox(kTiltBeamwidthBox);
    const double t = ReadBox(kTiltDowntiltBox);
    const bool standard = !IsChecked(kTiltMetric);
    if (!(h > 0))
        return ShowExclamation(" Invalid Operation, There is no entry for Antenna Height.");
    if (!(w > 0)) return ShowExclamation("Invalid Operation: There is no entry for Beamwidth.");
    ComputeBeamTilt(h, w, t, standard);
}

// The inputs keep their numbers, read in the new unit.
void CCalcDlg::SetTiltUnits(bool standard) {
    const UnitCaptions captions = captionsFor(standard);
    SetCaption(kTiltHaatLabel, captions.haat);
    for (int label : kDistanceLabels) SetCaption(label, captions.distance);
    const double h = ReadBox(kTiltHaatBox);
    const double w = ReadBox(kTiltBeamwidthBox);
    const double t = ReadBox(kTiltDowntiltBox);
    if (h != 0 && w > 0) ComputeBeamTilt(h, w, t, standard);
}

void CCalcDlg::OnTiltMetric() { SetTiltUnits(false); }

void CCalcDlg::OnTiltStandard() { SetTiltUnits(true); }

}  // namespace varnock
