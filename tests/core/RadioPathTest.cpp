// The radio path panels: free space path loss, line of sight to the horizon
// and antenna length cutting, driven by control identifier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"

namespace varnock::testing {
namespace {

using Events = std::vector<std::string>;

// Free space path loss
constexpr int kFsplDistanceBox = 1115;
constexpr int kFsplLossBox = 1118;
constexpr int kFsplEnterFrequency = 1116;
constexpr int kFsplEnterDistance = 1117;
constexpr int kFsplLoss = 1119;
constexpr int kKms = 1147;
constexpr int kMiles = 1148;

// Line of sight
constexpr int kLosHeightBox = 1126;
constexpr int kLosDistanceBox = 1129;
constexpr int kLosEnter = 1127;
constexpr int kLosMetric = 1130;
constexpr int kLosStandard = 1131;
constexpr int kLosHeightUnit = 1135;
constexpr int kLosDistanceUnit = 1136;

// Antenna length cutting
constexpr int kCutFrequencyBox = 1132;
constexpr int kCutLengthBox = 1145;
constexpr int kCutEnter = 1143;
constexpr int kQuarter = 1137;
constexpr int kThreeEighths = 1138;
constexpr int kHalf = 1139;
constexpr int kFiveEighths = 1140;
constexpr int kThreeQuarters = 1141;
constexpr int kFull = 1142;
constexpr int kCutMetric = 1187;
constexpr int kCutStandard = 1186;
constexpr int kFringing = 1185;
constexpr int kCutUnit = 1188;

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
    *out << c.frequency << " MHz, " << c.distance << (c.unit == kKms ? " km" : " mi");
}

class PathLoss : public ::testing::TestWithParam<LossCase> {};

TEST_P(PathLoss, EqualsLossUsesTheCheckedUnit) {
    const LossCase& c = GetParam();
    Calculator calc;
    calc.click(c.unit);
    calc.enter(c.frequency, kFsplEnterFrequency);
    calc.enter(c.distance, kFsplEnterDistance);
    calc.click(kFsplLoss);
    EXPECT_EQ(calc.box(kFsplLossBox), c.loss);
    EXPECT_EQ(calc.takeMessages(), Events{});
}

TEST_P(PathLoss, UnitButtonComputesWithItsOwnConstant) {
    const LossCase& c = GetParam();
    Calculator calc;
    calc.enter(c.frequency, kFsplEnterFrequency);
    calc.enter(c.distance, kFsplEnterDistance);
    calc.click(c.unit == kKms ? kMiles : kKms);
    calc.click(c.unit);
    EXPECT_EQ(calc.box(kFsplLossBox), c.loss);
    EXPECT_EQ(calc.box(kFsplDistanceBox), c.distance);
}

// 2400 MHz over 1 km: the distance term is 0. 0.001 by 0.001: a negative loss.
INSTANTIATE_TEST_SUITE_P(RadioPath, PathLoss,
                         ::testing::Values(LossCase{"100", "10", kKms, "92.4"},
                                           LossCase{"100", "10", kMiles, "96.6"},
                                           LossCase{"2400", "1", kKms, "100.004224834232"},
                                           LossCase{"0.001", "0.001", kKms, "-87.6"},
                                           LossCase{"0.001", "0.001", kMiles, "-83.4"}));

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
    if (c.frequency) calc.enter(c.frequency, kFsplEnterFrequency);
    if (c.distance) calc.enter(c.distance, kFsplEnterDistance);
    calc.type("4");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kFsplLoss);
    EXPECT_EQ(calc.takeMessages(), c.messages);
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

TEST_P(PathLossMissingInput, UnitButtonsAreSilentNoOps) {
    const MissingCase& c = GetParam();
    Calculator calc;
    if (c.frequency) calc.enter(c.frequency, kFsplEnterFrequency);
    if (c.distance) calc.enter(c.distance, kFsplEnterDistance);
    calc.type("4");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kMiles);
    calc.click(kKms);
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
    calc.enter("100", kFsplEnterFrequency);
    calc.enter("10", kFsplEnterDistance);
    calc.click(kFsplLoss);
    calc.enter("2400", kFsplEnterFrequency);
    EXPECT_EQ(calc.box(kFsplLossBox), "92.4");
    calc.enter("1", kFsplEnterDistance);
    EXPECT_EQ(calc.box(kFsplLossBox), "92.4");
    calc.click(kFsplLoss);
    EXPECT_EQ(calc.box(kFsplLossBox), "100.004224834232");
}

// --- Line of sight ---------------------------------------------------------

struct HorizonCase {
    int unit;
    const char* height;
    const char* distance;
};

void PrintTo(const HorizonCase& c, std::ostream* out) {
    *out << c.height << (c.unit == kLosMetric ? " m" : " ft");
}

class LineOfSight : public ::testing::TestWithParam<HorizonCase> {};

TEST_P(LineOfSight, EnterStoresTheHeightAndComputesTheDistance) {
    const HorizonCase& c = GetParam();
    Calculator calc;
    calc.click(c.unit);
    calc.enter(c.height, kLosEnter);
    EXPECT_EQ(calc.box(kLosHeightBox), c.height);
    EXPECT_EQ(calc.box(kLosDistanceBox), c.distance);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.record().m_freshEntry, 1);
}

// 100 m is 328.1 ft: the root of 656.2 is 25.616 miles, 41.2256 km.
INSTANTIATE_TEST_SUITE_P(RadioPath, LineOfSight,
                         ::testing::Values(HorizonCase{kLosMetric, "100", "41.2256012448877"},
                                           HorizonCase{kLosStandard, "50", "10"},
                                           HorizonCase{kLosStandard, "8", "4"},
                                           HorizonCase{kLosStandard, "100", "14.142135623731"}));

TEST(LineOfSight, UnitRadiosRelabelAndRecomputeFromTheHeightBox) {
    Calculator calc;
    calc.enter("100", kLosEnter);
    calc.click(kLosStandard);
    EXPECT_EQ(calc.caption(kLosHeightUnit), "In Feet");
    EXPECT_EQ(calc.caption(kLosDistanceUnit), "In Miles");
    EXPECT_EQ(calc.box(kLosHeightBox), "100");
    EXPECT_EQ(calc.box(kLosDistanceBox), "14.142135623731");
    calc.click(kLosMetric);
    EXPECT_EQ(calc.caption(kLosHeightUnit), "In Meters");
    EXPECT_EQ(calc.caption(kLosDistanceUnit), "In Kilometers");
    EXPECT_EQ(calc.box(kLosDistanceBox), "41.2256012448877");
    EXPECT_EQ(calc.takeMessages(), Events{});
}

// The display is cleared but the entry goes on: a second point is still
// refused.
TEST(LineOfSight, UnitRadioClearsTheDisplayWithoutEntryReset) {
    Calculator calc;
    calc.enter("100", kLosEnter);
    calc.type("1.");
    calc.click(kLosStandard);
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
    calc.click(kLosStandard);
    EXPECT_EQ(calc.caption(kLosHeightUnit), "In Feet");
    EXPECT_EQ(calc.caption(kLosDistanceUnit), "In Miles");
    EXPECT_EQ(calc.box(kLosDistanceBox), "0");
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
    calc.enter(c.frequency, kCutEnter);
    EXPECT_EQ(calc.box(kCutFrequencyBox), c.frequency);
    EXPECT_EQ(calc.box(kCutLengthBox), c.length);
    EXPECT_EQ(calc.caption(kCutUnit), c.unit);
    EXPECT_EQ(calc.display(), "0");
}

TEST_P(CutLength, EveryChoiceRecomputesFromTheFrequencyBox) {
    const CutCase& c = GetParam();
    Calculator calc;
    calc.enter(c.frequency, kCutEnter);
    calc.type("25");
    calc.takeEvents();
    for (int id : c.choices) calc.click(id);
    EXPECT_EQ(calc.box(kCutLengthBox), c.length);
    EXPECT_EQ(calc.caption(kCutUnit), c.unit);
    EXPECT_EQ(calc.display(), "25");
    EXPECT_EQ(calc.takeMessages(), Events{});
}

// 146 MHz is a wavelength of 2.05479 m: a quarter is 51.37 cm or 20.22 in.
INSTANTIATE_TEST_SUITE_P(
    RadioPath, CutLength,
    ::testing::Values(CutCase{"146", {}, "51.3698630136986", "Cm"},
                      CutCase{"146", {kFringing}, "48.8013698630137", "Cm"},
                      CutCase{"146", {kCutStandard}, "20.2243150684932", "Inches"},
                      CutCase{"146", {kCutStandard, kFringing}, "19.2130993150685", "Inches"},
                      CutCase{"146", {kThreeEighths}, "77.0547945205479", "Cm"},
                      CutCase{"146", {kFiveEighths}, "128.424657534247", "Cm"},
                      CutCase{"146", {kThreeQuarters}, "154.109589041096", "Cm"},
                      CutCase{"146", {kCutStandard, kCutMetric}, "51.3698630136986", "Cm"},
                      CutCase{"300", {kHalf}, "50", "Cm"},
                      CutCase{"300", {kHalf, kFringing}, "47.5", "Cm"},
                      CutCase{"300", {kHalf, kFringing, kFringing}, "50", "Cm"},
                      CutCase{"100", {kFull}, "300", "Cm"},
                      CutCase{"100", {kFull, kQuarter}, "75", "Cm"}));

// The fraction is the first of the five marked buttons; none marked is the
// whole wavelength, whatever "Full" shows.
TEST(CutLength, FractionIsTheFirstCheckedOfFiveOtherwiseFull) {
    Calculator calc;
    for (int id : {kQuarter, kThreeEighths, kHalf, kFiveEighths, kThreeQuarters, kFull}) {
        calc.setCheck(id, 0);
    }
    calc.enter("100", kCutEnter);
    EXPECT_EQ(calc.box(kCutLengthBox), "300");
    calc.setCheck(kThreeQuarters, 1);
    calc.setCheck(kHalf, 1);
    calc.click(kFringing);
    calc.click(kFringing);
    EXPECT_EQ(calc.box(kCutLengthBox), "150");
}

TEST(CutLength, ChoicesWithoutFrequencyOnlyMoveTheirChecksAndCaption) {
    Calculator calc;
    calc.type("25");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kHalf);
    calc.click(kFringing);
    EXPECT_EQ(calc.check(kHalf), 1);
    EXPECT_EQ(calc.check(kFringing), 1);
    EXPECT_EQ(calc.caption(kCutUnit), "Cm");
    calc.click(kCutStandard);
    EXPECT_EQ(calc.caption(kCutUnit), "Inches");
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.takeMessages(), Events{});
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

TEST(ComputeKeys, LeaveTheDisplayAndEndWithTheEntryReset) {
    Calculator calc;
    calc.enter("100", kFsplEnterFrequency);
    calc.enter("10", kFsplEnterDistance);
    calc.enter("146", kCutEnter);
    for (int key : {kFsplLoss, kMiles, kKms, kHalf, kCutStandard, kFringing}) {
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
