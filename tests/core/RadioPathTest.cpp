// SPDX-License-Identifier: GPL-3.0-or-later
// The radio path panels: free space path loss, line of sight to the horizon
// and antenna length cutting, driven by control identifier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

using Events = std::vector<std::string>;

// Free space path loss

// Line of sight

// Antenna length cutting

const std::string kNoFrequency =
    "exclamation:  Invalid Operation, There is no entry for Frequency.";
const std::string kNoDistance = "exclamation: Invalid Operation: There is no entry for Distance.";

// --- Free space path loss --------------------------------------------------

struct LossCase {
    const char* frequency;
    const char* distance;
    int unit;
    const char* loss;
};

void PrintTo(const LossCase& c, std::ostream* out) {
    *out << c.frequency << " MHz, " << c.distance
         << (c.unit == kPathLossKilometers ? " km" : " mi");
}

class PathLoss : public ::testing::TestWithParam<LossCase> {};

TEST_P(PathLoss, EqualsLossUsesTheCheckedUnit) {
    const LossCase& c = GetParam();
    Calculator calc;
    calc.click(c.unit);
    calc.enter(c.frequency, kPathLossFrequencyEnter);
    calc.enter(c.distance, kPathLossDistanceEnter);
    calc.click(kPathLossCalculate);
    EXPECT_EQ(calc.box(kPathLossBox), c.loss);
    EXPECT_EQ(calc.takeMessages(), Events{});
}

TEST_P(PathLoss, UnitButtonComputesWithItsOwnConstant) {
    const LossCase& c = GetParam();
    Calculator calc;
    calc.enter(c.frequency, kPathLossFrequencyEnter);
    calc.enter(c.distance, kPathLossDistanceEnter);
    calc.click(c.unit == kPathLossKilometers ? kPathLossMiles : kPathLossKilometers);
    calc.click(c.unit);
    EXPECT_EQ(calc.box(kPathLossBox), c.loss);
    EXPECT_EQ(calc.box(kPathLossDistanceBox), c.distance);
}

// 2400 MHz over 1 km: the distance term is 0. 0.001 by 0.001: a negative loss.
INSTANTIATE_TEST_SUITE_P(RadioPath, PathLoss,
                         ::testing::Values(LossCase{"100", "10", kPathLossKilometers, "92.4"},
                                           LossCase{"100", "10", kPathLossMiles, "96.6"},
                                           LossCase{"2400", "1", kPathLossKilometers,
                                                    "100.004224834232"},
                                           LossCase{"0.001", "0.001", kPathLossKilometers, "-87.6"},
                                           LossCase{"0.001", "0.001", kPathLossMiles, "-83.4"}));

struct MissingCase {
    const char* frequency;  // nullptr: not entered
    const char* distance;
    Events messages;
};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << (c.frequency ? "frequency" : "no frequency") << ", "
         << (c.distance ? "distance" : "no distance");
}

class PathLossMissingInput : public ::testing::TestWithParam<MissingCase> {};

TEST_P(PathLossMissingInput, EqualsLossReportsWhatIsMissingAndComputesNothing) {
    const MissingCase& c = GetParam();
    Calculator calc;
    if (c.frequency) calc.enter(c.frequency, kPathLossFrequencyEnter);
    if (c.distance) calc.enter(c.distance, kPathLossDistanceEnter);
    calc.type("4");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kPathLossCalculate);
    EXPECT_EQ(calc.takeMessages(), c.messages);
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

TEST_P(PathLossMissingInput, UnitButtonsAreSilentNoOps) {
    const MissingCase& c = GetParam();
    Calculator calc;
    if (c.frequency) calc.enter(c.frequency, kPathLossFrequencyEnter);
    if (c.distance) calc.enter(c.distance, kPathLossDistanceEnter);
    calc.type("4");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kPathLossMiles);
    calc.click(kPathLossKilometers);
    EXPECT_EQ(calc.takeMessages(), Events{});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

INSTANTIATE_TEST_SUITE_P(
    RadioPath, PathLossMissingInput,
    ::testing::Values(MissingCase{nullptr, nullptr, {kNoFrequency, kNoDistance}},
                      MissingCase{nullptr, "10", {kNoFrequency}},
                      MissingCase{"100", nullptr, {kNoDistance}}));

TEST(PathLoss, NewInputLeavesTheOldLossUntilRecomputed) {
    Calculator calc;
    calc.enter("100", kPathLossFrequencyEnter);
    calc.enter("10", kPathLossDistanceEnter);
    calc.click(kPathLossCalculate);
    calc.enter("2400", kPathLossFrequencyEnter);
    EXPECT_EQ(calc.box(kPathLossBox), "92.4");
    calc.enter("1", kPathLossDistanceEnter);
    EXPECT_EQ(calc.box(kPathLossBox), "92.4");
    calc.click(kPathLossCalculate);
    EXPECT_EQ(calc.box(kPathLossBox), "100.004224834232");
}

// --- Line of sight ---------------------------------------------------------

struct HorizonCase {
    int unit;
    const char* height;
    const char* distance;
};

void PrintTo(const HorizonCase& c, std::ostream* out) {
    *out << c.height << (c.unit == kSightMetric ? " m" : " ft");
}

class LineOfSight : public ::testing::TestWithParam<HorizonCase> {};

TEST_P(LineOfSight, EnterStoresTheHeightAndComputesTheDistance) {
    const HorizonCase& c = GetParam();
    Calculator calc;
    calc.click(c.unit);
    calc.enter(c.height, kSightHeightEnter);
    EXPECT_EQ(calc.box(kSightHeightBox), c.height);
    EXPECT_EQ(calc.box(kSightDistanceBox), c.distance);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.record().m_freshEntry, 1);
}

// 100 m is 328.1 ft: the root of 656.2 is 25.616 miles, 41.2256 km.
INSTANTIATE_TEST_SUITE_P(RadioPath, LineOfSight,
                         ::testing::Values(HorizonCase{kSightMetric, "100", "41.2256012448877"},
                                           HorizonCase{kSightStandard, "50", "10"},
                                           HorizonCase{kSightStandard, "8", "4"},
                                           HorizonCase{kSightStandard, "100", "14.142135623731"}));

TEST(LineOfSight, UnitRadiosRelabelAndRecomputeFromTheHeightBox) {
    Calculator calc;
    calc.enter("100", kSightHeightEnter);
    calc.click(kSightStandard);
    EXPECT_EQ(calc.caption(kSightHeightUnitLabel), "In Feet");
    EXPECT_EQ(calc.caption(kSightDistanceUnitLabel), "In Miles");
    EXPECT_EQ(calc.box(kSightHeightBox), "100");
    EXPECT_EQ(calc.box(kSightDistanceBox), "14.142135623731");
    calc.click(kSightMetric);
    EXPECT_EQ(calc.caption(kSightHeightUnitLabel), "In Meters");
    EXPECT_EQ(calc.caption(kSightDistanceUnitLabel), "In Kilometers");
    EXPECT_EQ(calc.box(kSightDistanceBox), "41.2256012448877");
    EXPECT_EQ(calc.takeMessages(), Events{});
}

// The display is cleared but the entry goes on: a second point is still
// refused.
TEST(LineOfSight, UnitRadioClearsTheDisplayWithoutEntryReset) {
    Calculator calc;
    calc.enter("100", kSightHeightEnter);
    calc.type("1.");
    calc.click(kSightStandard);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
    calc.takeEvents();
    calc.type(".");
    EXPECT_EQ(calc.takeEvents(), (Events{"beep", "focus"}));
}

TEST(LineOfSight, UnitRadioWithoutHeightGivesZeroDistance) {
    Calculator calc;
    calc.type("7");
    calc.click(kSightStandard);
    EXPECT_EQ(calc.caption(kSightHeightUnitLabel), "In Feet");
    EXPECT_EQ(calc.caption(kSightDistanceUnitLabel), "In Miles");
    EXPECT_EQ(calc.box(kSightDistanceBox), "0");
    EXPECT_EQ(calc.display(), "0");
}

// --- Antenna length cutting ------------------------------------------------

struct CutCase {
    const char* frequency;
    std::vector<int> choices;  // clicked in order
    const char* length;
    const char* unit;
};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.frequency << " MHz, clicks";
    for (int id : c.choices) *out << ' ' << id;
}

class CutLength : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutLength, EnterUsesTheChosenFractionUnitAndFringing) {
    const CutCase& c = GetParam();
    Calculator calc;
    for (int id : c.choices) calc.click(id);
    calc.enter(c.frequency, kCutFrequencyEnter);
    EXPECT_EQ(calc.box(kCutFrequencyBox), c.frequency);
    EXPECT_EQ(calc.box(kCutLengthBox), c.length);
    EXPECT_EQ(calc.caption(kCutLengthUnitLabel), c.unit);
    EXPECT_EQ(calc.display(), "0");
}

TEST_P(CutLength, EveryChoiceRecomputesFromTheFrequencyBox) {
    const CutCase& c = GetParam();
    Calculator calc;
    calc.enter(c.frequency, kCutFrequencyEnter);
    calc.type("25");
    calc.takeEvents();
    for (int id : c.choices) calc.click(id);
    EXPECT_EQ(calc.box(kCutLengthBox), c.length);
    EXPECT_EQ(calc.caption(kCutLengthUnitLabel), c.unit);
    EXPECT_EQ(calc.display(), "25");
    EXPECT_EQ(calc.takeMessages(), Events{});
}

// 146 MHz is a wavelength of 2.05479 m: a quarter is 51.37 cm or 20.22 in.
INSTANTIATE_TEST_SUITE_P(
    RadioPath, CutLength,
    ::testing::Values(CutCase{"146", {}, "51.3698630136986", "Cm"},
                      CutCase{"146", {kCutFringing}, "48.8013698630137", "Cm"},
                      CutCase{"146", {kCutStandard}, "20.2243150684932", "Inches"},
                      CutCase{"146", {kCutStandard, kCutFringing}, "19.2130993150685", "Inches"},
                      CutCase{"146", {kCutThreeEighthsWave}, "77.0547945205479", "Cm"},
                      CutCase{"146", {kCutFiveEighthsWave}, "128.424657534247", "Cm"},
                      CutCase{"146", {kCutThreeQuarterWave}, "154.109589041096", "Cm"},
                      CutCase{"146", {kCutStandard, kCutMetric}, "51.3698630136986", "Cm"},
                      CutCase{"300", {kCutHalfWave}, "50", "Cm"},
                      CutCase{"300", {kCutHalfWave, kCutFringing}, "47.5", "Cm"},
                      CutCase{"300", {kCutHalfWave, kCutFringing, kCutFringing}, "50", "Cm"},
                      CutCase{"100", {kCutFullWave}, "300", "Cm"},
                      CutCase{"100", {kCutFullWave, kCutQuarterWave}, "75", "Cm"}));

// The fraction is the first of the five marked buttons; none marked is the
// whole wavelength, whatever "Full" shows.
TEST(CutLength, FractionIsTheFirstCheckedOfFiveOtherwiseFull) {
    Calculator calc;
    for (int id : {kCutQuarterWave, kCutThreeEighthsWave, kCutHalfWave, kCutFiveEighthsWave,
                   kCutThreeQuarterWave, kCutFullWave}) {
        calc.setCheck(id, 0);
    }
    calc.enter("100", kCutFrequencyEnter);
    EXPECT_EQ(calc.box(kCutLengthBox), "300");
    calc.setCheck(kCutThreeQuarterWave, 1);
    calc.setCheck(kCutHalfWave, 1);
    calc.click(kCutFringing);
    calc.click(kCutFringing);
    EXPECT_EQ(calc.box(kCutLengthBox), "150");
}

TEST(CutLength, ChoicesWithoutFrequencyOnlyMoveTheirChecksAndCaption) {
    Calculator calc;
    calc.type("25");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kCutHalfWave);
    calc.click(kCutFringing);
    EXPECT_EQ(calc.check(kCutHalfWave), 1);
    EXPECT_EQ(calc.check(kCutFringing), 1);
    EXPECT_EQ(calc.caption(kCutLengthUnitLabel), "Cm");
    calc.click(kCutStandard);
    EXPECT_EQ(calc.caption(kCutLengthUnitLabel), "Inches");
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.takeMessages(), Events{});
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

TEST(ComputeKeys, LeaveTheDisplayAndEndWithTheEntryReset) {
    Calculator calc;
    calc.enter("100", kPathLossFrequencyEnter);
    calc.enter("10", kPathLossDistanceEnter);
    calc.enter("146", kCutFrequencyEnter);
    for (int key : {kPathLossCalculate, kPathLossMiles, kPathLossKilometers, kCutHalfWave,
                    kCutStandard, kCutFringing}) {
        calc.type("25");
        calc.click(key);
        EXPECT_EQ(calc.display(), "25") << key;
        EXPECT_EQ(calc.record().m_freshEntry, 1) << key;
    }
    calc.type("3");
    EXPECT_EQ(calc.display(), "3");
}

}  // namespace
}  // namespace varnock::testing
