// SPDX-License-Identifier: GPL-3.0-or-later
// Where a tilted beam meets the ground, as a pure function of height,
// beamwidth, tilt and unit.
#include <gtest/gtest.h>

#include <limits>

#include "PanelFormulas.h"
#include "panels/BeamTilt.h"

namespace varnock::testing {
namespace {

constexpr UnitSystem kMetric = UnitSystem::kMetric;
constexpr UnitSystem kStandard = UnitSystem::kStandard;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr bool kMarked = true;
constexpr bool kReaches = false;

// The horizon as its box shows it, the lobes to eight digits (where no
// worked value is given, the formulas worked out separately); a marked upper
// edge has the distance 0.
struct TiltRow {
    const char* what;
    BeamTiltInput input;
    const char* horizon;
    double main;
    double lower;
    double upper;
    bool upperMarked;
};

TEST(BeamTiltFormula, DistancesAndMarker) {
    const TiltRow rows[] = {
        {"standard",
         {100, 10, 8, kStandard},
         "14.142135623731",
         0.13476079,
         0.082035528,
         0.36138516,
         kReaches},
        {"metric",
         {100, 10, 8, kMetric},
         "41.2245541524159",
         0.71153555,
         0.43314672,
         1.9081099,
         kReaches},
        {"upper edge horizontal",
         {30, 10, 5, kMetric},
         "22.5796182323715",
         0.34290088,
         0.17013811,
         0,
         kMarked},
        {"upper edge above",
         {50, 8, 2, kMetric},
         "29.1501617925653",
         1.4318098,
         0.47571727,
         0,
         kMarked},
        {"no tilt", {100, 10, 0, kMetric}, "41.2245541524159", kInf, 1.1430029, 0, kMarked},
        {"lower edge past the vertical",
         {50, 110, 70, kMetric},
         "29.1501617925653",
         0.018198475,
         -0.035010307,
         0.18660217,
         kReaches},
        {"upper edge below -90",
         {100, 100, -80, kStandard},
         "14.142135623731",
         -0.0033395261,
         -0.032803993,
         0.015892038,
         kReaches},
        {"tilt up by half the beamwidth",
         {100, 10, -5, kStandard},
         "14.142135623731",
         -0.21647826,
         kInf,
         0,
         kMarked},
    };
    for (const TiltRow& row : rows) {
        SCOPED_TRACE(row.what);
        const BeamTiltResult result = computeBeamTilt(row.input);
        EXPECT_EQ(shown(result.horizon), row.horizon);
        expectAbout(result.mainLobe, row.main);
        expectAbout(result.lowerLobe, row.lower);
        expectAbout(result.upperLobe, row.upper);
        EXPECT_EQ(result.upperAtOrAboveHorizontal, row.upperMarked);
    }
}

}  // namespace
}  // namespace varnock::testing
