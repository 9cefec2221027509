// Where a down-tilted antenna's vertical beam meets the ground.
#include <cmath>

#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {
namespace {
constexpr int kHaatBox = 1125;
constexpr int kBeamwidthBox = 1134;
constexpr int kDowntiltBox = 1155;
constexpr int kUpperLobeBox = 1166;
constexpr int kMetric = 1169;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kMilesPerFoot = 0.0001893939393939394;

// The unit labels beside the horizon, main, lower and upper lobe distances.
constexpr int kHaatLabel = 1175;
constexpr int kDistanceLabels[] = {1171, 1173, 1172, 1174};

struct TiltUnits {
    double heightFactor;    // to feet
    double distanceFactor;  // from miles
    std::string_view haatCaption;
    std::string_view distanceCaption;
};

// Metric is the window's start: its captions are the table's.
const TiltUnits& unitsFor(bool standard) {
    static const TiltUnits metric{3.2808333333333333, 1.609344, startCaption(kHaatLabel),
                                  startCaption(kDistanceLabels[0])};
    static const TiltUnits imperial{1.0, 1.0, "Ant. HAAT (feet)", "mi."};
    return standard ? imperial : metric;
}
}  // namespace

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

// Distances in the unit of the mode; an upper edge at or above the horizontal
// never reaches the ground and is marked "VER HORIZ" instead.
void CCalcDlg::ComputeBeamTilt(double h, double w, double t, bool standard) {
    const TiltUnits& units = unitsFor(standard);
    const double a = units.heightFactor;
    const double b = units.distanceFactor;
    const double beta = w * kRadiansPerDegree;
    const double tau = t * kRadiansPerDegree;
    const double feet = a * h;
    const double horizon = std::sqrt(feet + feet) * b;
    const double main = feet / std::tan(tau) * kMilesPerFoot * b;
    const double half = beta * 0.5;
    const double u = tau - half;
    double upper = feet / std::tan(u) * kMilesPerFoot * b;
    if (u == 0) upper = -1;

    m_tiltHorizon = horizon;
    ShowAllFields();
    m_tiltMainLobe = main;
    ShowAllFields();
    m_tiltLowerLobe = feet / std::tan(half + tau) * kMilesPerFoot * b;
    ShowAllFields();
    if (upper < 0) {
        m_tiltUpperLobe = 0;
        ShowAllFields();
        m_window.setBoxText(kUpperLobeBox, BoxText(kUpperLobeBox) + "VER HORIZ");
    } else {
        m_tiltUpperLobe = upper;
        ShowAllFields();
    }
    EntryReset();
}

void CCalcDlg::OnTiltCalculate() {
    const double h = ReadBox(kHaatBox);
    const double w = ReadBox(kBeamwidthBox);
    const double t = ReadBox(kDowntiltBox);
    const bool standard = !IsChecked(kMetric);
    if (!(h > 0))
        return ShowExclamation(" Invalid Operation, There is no entry for Antenna Height.");
    if (!(w > 0)) return ShowExclamation("Invalid Operation: There is no entry for Beamwidth.");
    ComputeBeamTilt(h, w, t, standard);
}

// The inputs keep their numbers, read in the new unit.
void CCalcDlg::SetTiltUnits(bool standard) {
    const TiltUnits& units = unitsFor(standard);
    SetCaption(kHaatLabel, units.haatCaption);
    for (int label : kDistanceLabels) SetCaption(label, units.distanceCaption);
    const double h = ReadBox(kHaatBox);
    const double w = ReadBox(kBeamwidthBox);
    const double t = ReadBox(kDowntiltBox);
    if (h != 0 && w > 0) ComputeBeamTilt(h, w, t, standard);
}

void CCalcDlg::OnTiltMetric() { SetTiltUnits(false); }

void CCalcDlg::OnTiltStandard() { SetTiltUnits(true); }

}  // namespace varnock
