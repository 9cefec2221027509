// SPDX-License-Identifier: GPL-3.0-or-later
// The antenna and transmission-line panels: beam tilt, power ratio and VSWR,
// driven by control identifier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

using Events = std::vector<std::string>;

// Beam tilt
constexpr int kDistanceLabels[] = {kTiltHorizonUnitLabel, kTiltMainLobeUnitLabel,
                                   kTiltLowerLobeUnitLabel, kTiltUpperLobeUnitLabel};

// Power ratio

// VSWR

const std::string kNoHeight =
    "exclamation:  Invalid Operation, There is no entry for Antenna Height.";
const std::string kNoBeamwidth = "exclamation: Invalid Operation: There is no entry for Beamwidth.";
const std::string kInputZero = "exclamation: Invalid Input: Power Input can not be Zero.";
const std::string kOutputZero = "exclamation: Invalid Input: Power Output can not be Zero.";
const std::string kForwardOperation =
    "exclamation:  Invalid Operation, Forward Power must be greater than Zero.";
const std::string kReflectedAboveForward =
    "exclamation:  Invalid Operation, Reflected Power can not be greater than Forward Power.";

// --- Beam tilt -------------------------------------------------------------

struct TiltCase {
    int mode;
    const char* height;
    const char* beamwidth;
    const char* tilt;  // nullptr: never entered, 0
    const char* horizon;
    const char* main;
    const char* lower;
    const char* upper;
};

void PrintTo(const TiltCase& c, std::ostream* out) {
    *out << (c.mode == kTiltMetric ? "metric " : "standard ") << c.height << '/' << c.beamwidth
         << '/' << (c.tilt ? c.tilt : "none");
}

void enterTiltInputs(Calculator& calc, const TiltCase& c) {
    calc.enter(c.height, kTiltHaatEnter);
    calc.enter(c.beamwidth, kTiltBeamwidthEnter);
    if (c.tilt) calc.enter(c.tilt, kTiltDowntiltEnter);
}

void expectDistances(const Calculator& calc, const TiltCase& c) {
    EXPECT_EQ(calc.box(kTiltHorizonBox), c.horizon);
    EXPECT_EQ(calc.box(kTiltMainLobeBox), c.main);
    EXPECT_EQ(calc.box(kTiltLowerLobeBox), c.lower);
    EXPECT_EQ(calc.box(kTiltUpperLobeBox), c.upper);
}

class BeamTilt : public ::testing::TestWithParam<TiltCase> {};

TEST_P(BeamTilt, CalculateComputesInTheCheckedMode) {
    const TiltCase& c = GetParam();
    Calculator calc;
    calc.click(c.mode);
    enterTiltInputs(calc, c);
    calc.type("25");
    calc.takeEvents();
    calc.click(kTiltCalculate);
    expectDistances(calc, c);
    EXPECT_EQ(calc.takeEvents(), Events{});
    EXPECT_EQ(calc.display(), "25");
    EXPECT_EQ(calc.record().m_freshEntry, 1);
}

// The inputs keep their numbers; the radio recomputes them in its own mode.
TEST_P(BeamTilt, UnitRadioRecomputesFromTheBoxes) {
    const TiltCase& c = GetParam();
    Calculator calc;
    calc.click(c.mode == kTiltMetric ? kTiltStandard : kTiltMetric);
    enterTiltInputs(calc, c);
    calc.click(c.mode);
    expectDistances(calc, c);
    calc.click(c.mode);
    expectDistances(calc, c);
}

// The figures agree with the rounded ones a hand calculation gives: standard
// 100 ft, 10 deg, 8 deg tilt: main lobe about 0.13476079 mi, lower edge
// about 0.082035528, upper edge about 0.36138516; the same in metric: 0.71153555,
// 0.43314672 and 1.9081099 km. An upper edge at or above the horizontal is
// marked; tan 0 makes an infinite distance.
INSTANTIATE_TEST_SUITE_P(
    AntennaLine, BeamTilt,
    ::testing::Values(TiltCase{kTiltStandard, "100", "10", "8", "14.142135623731",
                               "0.134760790196671", "0.0820355279220484", "0.361385164540307"},
                      TiltCase{kTiltMetric, "100", "10", "8", "41.2245541524159",
                               "0.711535549164476", "0.433146721133241", "1.90810985254548"},
                      TiltCase{kTiltMetric, "30", "10", "5", "22.5796182323715",
                               "0.342900883279702", "0.170138114311622", "0VER HORIZ"},
                      TiltCase{kTiltMetric, "50", "8", "2", "29.1501617925653", "1.43180980052045",
                               "0.475717271274684", "0VER HORIZ"},
                      TiltCase{kTiltMetric, "100", "10", nullptr, "41.2245541524159", "inf",
                               "1.14300294426567", "0VER HORIZ"},
                      TiltCase{kTiltMetric, "100", "10", "5~", "41.2245541524159",
                               "-1.14300294426567", "inf", "0VER HORIZ"},
                      TiltCase{kTiltMetric, "50", "110", "70", "29.1501617925653",
                               "0.0181984753162867", "-0.0350103068897317", "0.186602167173363"},
                      TiltCase{kTiltStandard, "100", "100", "80~", "14.142135623731",
                               "-0.00333952614978154", "-0.0328039925675924",
                               "0.0158920384692667"}));

TEST(BeamTilt, UnitRadiosSetTheCaptionsEvenWithoutInputs) {
    Calculator calc;
    const auto boxes = calc.boxes();
    calc.click(kTiltStandard);
    EXPECT_EQ(calc.caption(kTiltHaatLabel), "Ant. HAAT (feet)");
    for (int label : kDistanceLabels) EXPECT_EQ(calc.caption(label), "mi.") << label;
    calc.click(kTiltMetric);
    EXPECT_EQ(calc.caption(kTiltHaatLabel), "Ant. HAAT (meters)");
    for (int label : kDistanceLabels) EXPECT_EQ(calc.caption(label), "kms") << label;
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.takeEvents(), Events{});
}

TEST(BeamTilt, UnitRadioWithoutBeamwidthOnlyRelabels) {
    Calculator calc;
    calc.enter("100", kTiltHaatEnter);
    const auto boxes = calc.boxes();
    calc.click(kTiltStandard);
    EXPECT_EQ(calc.caption(kTiltHaatLabel), "Ant. HAAT (feet)");
    EXPECT_EQ(calc.boxes(), boxes);
}

struct CalculateRefusal {
    const char* height;  // nullptr: not entered
    const char* beamwidth;
    std::string message;
};

void PrintTo(const CalculateRefusal& c, std::ostream* out) {
    *out << (c.height ? "height" : "no height") << ", "
         << (c.beamwidth ? "beamwidth" : "no beamwidth");
}

class TiltCalculateRefused : public ::testing::TestWithParam<CalculateRefusal> {};

TEST_P(TiltCalculateRefused, ShowsOneMessageAndChangesNothing) {
    const CalculateRefusal& c = GetParam();
    Calculator calc;
    if (c.height) calc.enter(c.height, kTiltHaatEnter);
    if (c.beamwidth) calc.enter(c.beamwidth, kTiltBeamwidthEnter);
    calc.type("1.");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kTiltCalculate);
    EXPECT_EQ(calc.takeEvents(), Events{c.message});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
}

INSTANTIATE_TEST_SUITE_P(AntennaLine, TiltCalculateRefused,
                         ::testing::Values(CalculateRefusal{nullptr, nullptr, kNoHeight},
                                           CalculateRefusal{nullptr, "10", kNoHeight},
                                           CalculateRefusal{"100", nullptr, kNoBeamwidth}));

TEST(BeamTilt, MarkerIsOnlyInTheBoxTextUntilTheNextShow) {
    Calculator calc;
    calc.enter("30", kTiltHaatEnter);
    calc.enter("10", kTiltBeamwidthEnter);
    calc.enter("5", kTiltDowntiltEnter);
    calc.click(kTiltCalculate);
    EXPECT_EQ(calc.box(kTiltUpperLobeBox), "0VER HORIZ");
    EXPECT_EQ(calc.record().m_tiltUpperLobe, 0);
    calc.enter("100", kVswrForwardEnter);
    EXPECT_EQ(calc.box(kTiltUpperLobeBox), "0");
}

// --- Power ratio -----------------------------------------------------------

struct ModeCase {
    int mode;
    const char* first;
    const char* second;
    const char* result;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << "mode " << c.mode; }

class PowerModeLabels : public ::testing::TestWithParam<ModeCase> {};

// Any click, on the checked radio too, relabels and empties the three boxes;
// the display and the entry are left alone.
TEST_P(PowerModeLabels, ClickRelabelsAndEmptiesTheBoxes) {
    const ModeCase& c = GetParam();
    Calculator calc;
    calc.click(c.mode);
    calc.enter("2", kPowerInputEnter);
    calc.enter("20", kPowerOutputEnter);
    calc.click(kPowerRatioEquals);
    calc.type("4.");
    calc.takeEvents();
    calc.click(c.mode);
    EXPECT_EQ(calc.caption(kPowerInputLabel), c.first);
    EXPECT_EQ(calc.caption(kPowerOutputLabel), c.second);
    EXPECT_EQ(calc.caption(kPowerRatioLabel), c.result);
    for (int box : {kPowerInputBox, kPowerOutputBox, kPowerRatioBox})
        EXPECT_EQ(calc.box(box), "0") << box;
    EXPECT_EQ(calc.display(), "4");
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.takeEvents(), Events{});
}

INSTANTIATE_TEST_SUITE_P(
    AntennaLine, PowerModeLabels,
    ::testing::Values(ModeCase{kPowerForRatio, "Power Input", "Power Output", "Power Ratio (dB)"},
                      ModeCase{kPowerForInput, "Power Ratio (dB)", "Power Output", "Power Input"},
                      ModeCase{kPowerForOutput, "Power Ratio (dB)", "Power Input",
                               "Power Output"}));

struct RatioCase {
    int mode;
    const char* first;
    const char* second;
    const char* result;
};

void PrintTo(const RatioCase& c, std::ostream* out) {
    *out << "mode " << c.mode << ' ' << c.first << ", " << c.second;
}

class PowerRatio : public ::testing::TestWithParam<RatioCase> {};

TEST_P(PowerRatio, EqualsComputesTheModesQuantity) {
    const RatioCase& c = GetParam();
    Calculator calc;
    calc.click(c.mode);
    calc.enter(c.first, kPowerInputEnter);
    calc.enter(c.second, kPowerOutputEnter);
    calc.type("25");
    calc.takeEvents();
    calc.click(kPowerRatioEquals);
    EXPECT_EQ(calc.box(kPowerRatioBox), c.result);
    EXPECT_EQ(calc.takeEvents(), Events{});
    EXPECT_EQ(calc.display(), "25");
    calc.type("3");
    EXPECT_EQ(calc.display(), "3");
}

// 3 x 0.1 is 0.30000000000000004, so 10^0.3 is 1.99526231496888.
INSTANTIATE_TEST_SUITE_P(
    AntennaLine, PowerRatio,
    ::testing::Values(RatioCase{kPowerForRatio, "2", "20", "10"},
                      RatioCase{kPowerForRatio, "2", "1", "-3.01029995663981"},
                      RatioCase{kPowerForInput, "3", "10", "5.01187233627272"},
                      RatioCase{kPowerForInput, "3~", "10", "19.9526231496888"},
                      RatioCase{kPowerForInput, "", "10", "10"},
                      RatioCase{kPowerForOutput, "3", "10", "19.9526231496888"},
                      RatioCase{kPowerForOutput, "10", "5", "50"}));

struct ZeroCase {
    int mode;
    const char* first;  // nullptr: not entered
    const char* second;
    std::string message;
};

void PrintTo(const ZeroCase& c, std::ostream* out) { *out << "mode " << c.mode; }

class PowerEqualsRefused : public ::testing::TestWithParam<ZeroCase> {};

// The message names the tested box by its label in the mode.
TEST_P(PowerEqualsRefused, NamesTheEmptyBoxAndChangesNothing) {
    const ZeroCase& c = GetParam();
    Calculator calc;
    calc.click(c.mode);
    if (c.first) calc.enter(c.first, kPowerInputEnter);
    if (c.second) calc.enter(c.second, kPowerOutputEnter);
    calc.type("1.");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kPowerRatioEquals);
    EXPECT_EQ(calc.takeEvents(), Events{c.message});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

INSTANTIATE_TEST_SUITE_P(AntennaLine, PowerEqualsRefused,
                         ::testing::Values(ZeroCase{kPowerForRatio, nullptr, nullptr, kInputZero},
                                           ZeroCase{kPowerForRatio, nullptr, "20", kInputZero},
                                           ZeroCase{kPowerForRatio, "2", nullptr, kOutputZero},
                                           ZeroCase{kPowerForInput, "3", nullptr, kOutputZero},
                                           ZeroCase{kPowerForOutput, "3", nullptr, kInputZero}));

// --- VSWR ------------------------------------------------------------------

struct VswrCase {
    const char* forward;
    const char* reflected;
    const char* returnLoss;
    const char* coefficient;
    const char* vswr;
    const char* zMax;
    const char* zMin;
};

void PrintTo(const VswrCase& c, std::ostream* out) {
    *out << "f " << c.forward << ", r " << c.reflected;
}

class Vswr : public ::testing::TestWithParam<VswrCase> {};

TEST_P(Vswr, CalculateFillsTheFiveResults) {
    const VswrCase& c = GetParam();
    Calculator calc;
    calc.enter(c.forward, kVswrForwardEnter);
    calc.enter(c.reflected, kVswrReflectedEnter);
    calc.type("25");
    calc.takeEvents();
    calc.click(kVswrCalculate);
    EXPECT_EQ(calc.takeEvents(), Events{});
    EXPECT_EQ(calc.box(kVswrReturnLossBox), c.returnLoss);
    EXPECT_EQ(calc.box(kVswrCoefficientBox), c.coefficient);
    EXPECT_EQ(calc.box(kVswrBox), c.vswr);
    EXPECT_EQ(calc.box(kVswrZmaxBox), c.zMax);
    EXPECT_EQ(calc.box(kVswrZminBox), c.zMin);
    EXPECT_EQ(calc.display(), "25");
    calc.type("3");
    EXPECT_EQ(calc.display(), "3");
}

// r = 0 is a perfect match (infinite return loss); r = f reflects everything.
INSTANTIATE_TEST_SUITE_P(AntennaLine, Vswr,
                         ::testing::Values(VswrCase{"100", "1", "20", "0.1", "1.22222222222222",
                                                    "61.1111111111111", "40.9090909090909"},
                                           VswrCase{"100", "25", "6.02059991327962", "0.5", "3",
                                                    "150", "16.6666666666667"},
                                           VswrCase{"50", "2", "13.9794000867204", "0.2", "1.5",
                                                    "75", "33.3333333333333"},
                                           VswrCase{"100", "", "inf", "0", "1", "50", "50"},
                                           VswrCase{"100", "100", "0", "1", "inf", "inf", "0"}));

// Each step takes the double the step before stored, not the rounded text.
TEST(Vswr, StepsChainTheStoredDoubles) {
    Calculator calc;
    calc.enter("50", kVswrForwardEnter);
    calc.enter("2", kVswrReflectedEnter);
    calc.click(kVswrCalculate);
    EXPECT_EQ(calc.record().m_vswr, 1.4999999999999998);
    EXPECT_EQ(calc.record().m_zMax, 74.99999999999999);
    EXPECT_EQ(calc.box(kVswrZmaxBox), "75");
}

// A reflected reading above the forward one cannot be measured on a sound
// line; it is refused instead of giving a coefficient above 1.
TEST(Vswr, ReflectedAboveForwardIsRefusedAndChangesNothing) {
    Calculator calc;
    calc.enter("10", kVswrForwardEnter);
    calc.enter("1", kVswrReflectedEnter);
    calc.click(kVswrCalculate);
    calc.enter("40", kVswrReflectedEnter);
    calc.type("1.");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kVswrCalculate);
    EXPECT_EQ(calc.takeEvents(), Events{kReflectedAboveForward});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.box(kVswrReflectedBox), "40");
    EXPECT_EQ(calc.box(kVswrCoefficientBox), "0.316227766016838");
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
}

TEST(Vswr, CalculateWithoutForwardPowerShowsOnlyThatMessage) {
    Calculator calc;
    calc.enter("40", kVswrReflectedEnter);
    const auto boxes = calc.boxes();
    calc.click(kVswrCalculate);
    EXPECT_EQ(calc.takeMessages(), Events{kForwardOperation});
    EXPECT_EQ(calc.boxes(), boxes);
}

}  // namespace
}  // namespace varnock::testing
