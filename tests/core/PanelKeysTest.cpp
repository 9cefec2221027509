// SPDX-License-Identifier: GPL-3.0-or-later
// What every panel's "Enter", compute and "?" keys share: how an input is
// taken from the display or refused, that results come from the panel's box
// texts, and the help texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

using Events = std::vector<std::string>;

struct EnterCase {
    const char* name;
    int mode;  // a radio clicked first, or 0
    int key;
    int box;
    const char* keys;     // typed before the key; '~' is the sign key
    const char* text;     // accepted: the box's text; refused: the display under the message
    std::string message;  // empty when accepted
};

void PrintTo(const EnterCase& c, std::ostream* out) { *out << c.name << " \"" << c.keys << '"'; }

class EnterAccepted : public ::testing::TestWithParam<EnterCase> {};

// Stored, shown, display cleared, then the entry reset after the last show:
// the hidden flag box still holds the flag from before the key.
TEST_P(EnterAccepted, StoresShowsClearsTheDisplayThenResetsTheEntry) {
    const EnterCase& c = GetParam();
    Calculator calc;
    if (c.mode) calc.click(c.mode);
    calc.enter(c.keys, c.key);
    EXPECT_EQ(calc.box(c.box), c.text);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.takeMessages(), Events{});
    EXPECT_EQ(calc.record().m_freshEntry, 1);
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
    EXPECT_EQ(calc.box(kFreshEntryBox), "0");
    calc.type("7");
    EXPECT_EQ(calc.display(), "7");
}

// The tilt bounds -90 and 90 are valid; a ratio in dB may be 0 or negative;
// 0 is a valid reflected reading.
INSTANTIATE_TEST_SUITE_P(
    Panels, EnterAccepted,
    ::testing::Values(
        EnterCase{"path frequency", 0, kPathLossFrequencyEnter, kPathLossFrequencyBox, "2.5", "2.5",
                  ""},
        EnterCase{"path distance", 0, kPathLossDistanceEnter, kPathLossDistanceBox, "100", "100",
                  ""},
        EnterCase{"antenna height", 0, kSightHeightEnter, kSightHeightBox, "0.5", "0.5", ""},
        EnterCase{"cut frequency", 0, kCutFrequencyEnter, kCutFrequencyBox, "146", "146", ""},
        EnterCase{"HAAT", 0, kTiltHaatEnter, kTiltHaatBox, "0.5", "0.5", ""},
        EnterCase{"beamwidth", 0, kTiltBeamwidthEnter, kTiltBeamwidthBox, "119.9", "119.9", ""},
        EnterCase{"tilt -90", 0, kTiltDowntiltEnter, kTiltDowntiltBox, "90~", "-90", ""},
        EnterCase{"tilt 90", 0, kTiltDowntiltEnter, kTiltDowntiltBox, "90", "90", ""},
        EnterCase{"tilt 0", 0, kTiltDowntiltEnter, kTiltDowntiltBox, "0.", "0", ""},
        EnterCase{"dB power in", 0, kPowerInputEnter, kPowerInputBox, "2.5", "2.5", ""},
        EnterCase{"Pin ratio", kPowerForInput, kPowerInputEnter, kPowerInputBox, "3~", "-3", ""},
        EnterCase{"Pout ratio", kPowerForOutput, kPowerInputEnter, kPowerInputBox, "0.", "0", ""},
        EnterCase{"power out", 0, kPowerOutputEnter, kPowerOutputBox, "20", "20", ""},
        EnterCase{"forward", 0, kVswrForwardEnter, kVswrForwardBox, "100", "100", ""},
        EnterCase{"reflected", 0, kVswrReflectedEnter, kVswrReflectedBox, "0.", "0", ""}));

class EnterRefused : public ::testing::TestWithParam<EnterCase> {};

// The message over the rejected number, then the display cleared; every
// other box and the entry flags are as they were.
TEST_P(EnterRefused, ShowsTheMessageAndClearsOnlyTheDisplay) {
    const EnterCase& c = GetParam();
    Calculator calc;
    if (c.mode) calc.click(c.mode);
    calc.enter("3", c.key);
    calc.type(c.keys);
    auto boxes = calc.boxes();
    const double pointAllowed = calc.record().m_pointAllowed;
    calc.takeEvents();
    calc.click(c.key);
    EXPECT_EQ(calc.takeEvents(), Events{"exclamation: " + c.message});
    EXPECT_EQ(calc.window.displayDuringMessage, c.text);
    // The display and the hidden flag boxes are rewritten by the show.
    auto after = calc.boxes();
    for (int box : {kDisplay, kPointAllowedBox, kFreshEntryBox}) boxes.erase(box), after.erase(box);
    EXPECT_EQ(after, boxes);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.box(c.box), "3");
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, pointAllowed);
}

const std::string kGreaterThanZero = " Invalid Input, Number must be greater than Zero.";
const std::string kUnderground =
    " Invalid Input, Do you really want to put an antenna underground?";
const std::string kCutZero =
    " Invalid Input, You are attempting to enter Zero from the Data Input Module.";
const std::string kHaat = " Invalid Input, Antenna must be higher than ground level.";
const std::string kBeamwidthZero = " Invalid Input, Beamwidth must be more than zero degrees.";
const std::string kBeamwidthLess = "Invalid Input, Enter a beamwidth LESS than 120 degrees.";
const std::string kTiltBelow = " Invalid Input, Antenna TILT should be between -90 and 90 degrees.";
const std::string kTiltAbove = "Invalid Input, Antenna TILT should be between -90 than 90 degrees.";
const std::string kForward = " Invalid Input, Forward Power must be greater than Zero.";
const std::string kReflected = " Invalid Input, Reflected Power can not be less than Zero.";

INSTANTIATE_TEST_SUITE_P(
    Panels, EnterRefused,
    ::testing::Values(
        EnterCase{"path frequency", 0, kPathLossFrequencyEnter, kPathLossFrequencyBox, "0.", "0.",
                  kGreaterThanZero},
        EnterCase{"path frequency", 0, kPathLossFrequencyEnter, kPathLossFrequencyBox, "5~", "-5",
                  kGreaterThanZero},
        EnterCase{"path distance", 0, kPathLossDistanceEnter, kPathLossDistanceBox, ".5~", "-0.5",
                  kGreaterThanZero},
        EnterCase{"antenna height", 0, kSightHeightEnter, kSightHeightBox, "5~", "-5",
                  kUnderground},
        EnterCase{"cut frequency", 0, kCutFrequencyEnter, kCutFrequencyBox, "0", "0", kCutZero},
        EnterCase{"cut frequency", 0, kCutFrequencyEnter, kCutFrequencyBox, "1~", "-1", kCutZero},
        EnterCase{"HAAT", 0, kTiltHaatEnter, kTiltHaatBox, "0.", "0.", kHaat},
        EnterCase{"HAAT", 0, kTiltHaatEnter, kTiltHaatBox, "5~", "-5", kHaat},
        EnterCase{"beamwidth", 0, kTiltBeamwidthEnter, kTiltBeamwidthBox, "0", "0", kBeamwidthZero},
        EnterCase{"beamwidth", 0, kTiltBeamwidthEnter, kTiltBeamwidthBox, "5~", "-5",
                  kBeamwidthZero},
        EnterCase{"beamwidth", 0, kTiltBeamwidthEnter, kTiltBeamwidthBox, "120.", "120.",
                  kBeamwidthLess},
        EnterCase{"tilt", 0, kTiltDowntiltEnter, kTiltDowntiltBox, "90.5~", "-90.5", kTiltBelow},
        EnterCase{"tilt", 0, kTiltDowntiltEnter, kTiltDowntiltBox, "90.5", "90.5", kTiltAbove},
        EnterCase{"dB power in", 0, kPowerInputEnter, kPowerInputBox, "0.", "0.", kGreaterThanZero},
        EnterCase{"dB power in", 0, kPowerInputEnter, kPowerInputBox, "3~", "-3", kGreaterThanZero},
        EnterCase{"dB power out", 0, kPowerOutputEnter, kPowerOutputBox, "0", "0",
                  kGreaterThanZero},
        EnterCase{"Pin power out", kPowerForInput, kPowerOutputEnter, kPowerOutputBox, "0", "0",
                  kGreaterThanZero},
        EnterCase{"Pout power in", kPowerForOutput, kPowerOutputEnter, kPowerOutputBox, "2~", "-2",
                  kGreaterThanZero},
        EnterCase{"forward", 0, kVswrForwardEnter, kVswrForwardBox, "0.", "0.", kForward},
        EnterCase{"reflected", 0, kVswrReflectedEnter, kVswrReflectedBox, "1~", "-1", kReflected}));

// Line of sight alone takes 0 as "nothing to do": no message, no show.
TEST(EnterRefused, AntennaHeightZeroDoesNothingAtAll) {
    Calculator calc;
    calc.enter("100", kSightHeightEnter);
    calc.type("0.");
    const auto boxes = calc.boxes();
    calc.takeEvents();
    calc.click(kSightHeightEnter);
    EXPECT_EQ(calc.takeEvents(), Events{});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.display(), "0.");
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

struct BoxSourceCase {
    std::vector<std::pair<int, const char*>> boxTexts;
    int key;
    int resultBox;
    const char* result;
};

void PrintTo(const BoxSourceCase& c, std::ostream* out) { *out << "key " << c.key; }

class ComputeKey : public ::testing::TestWithParam<BoxSourceCase> {};

// The fields are all 0; only the boxes' texts carry the inputs.
TEST_P(ComputeKey, ReadsThePanelsBoxTextsNotTheFields) {
    const BoxSourceCase& c = GetParam();
    Calculator calc;
    for (const auto& [box, text] : c.boxTexts) calc.setBox(box, text);
    calc.click(c.key);
    EXPECT_EQ(calc.box(c.resultBox), c.result);
    EXPECT_EQ(calc.takeEvents(), Events{});
}

INSTANTIATE_TEST_SUITE_P(
    Panels, ComputeKey,
    ::testing::Values(
        BoxSourceCase{{{kPathLossFrequencyBox, "100"}, {kPathLossDistanceBox, "10"}},
                      kPathLossCalculate,
                      kPathLossBox,
                      "92.4"},
        BoxSourceCase{{{kPathLossFrequencyBox, "100 MHz"}, {kPathLossDistanceBox, "10"}},
                      kPathLossMiles,
                      kPathLossBox,
                      "96.6"},
        BoxSourceCase{{{kSightHeightBox, "50"}}, kSightStandard, kSightDistanceBox, "10"},
        BoxSourceCase{{{kCutFrequencyBox, "300"}}, kCutHalfWave, kCutLengthBox, "50"},
        BoxSourceCase{{{kCutFrequencyBox, "300"}}, kCutStandard, kCutLengthBox, "9.8425"},
        BoxSourceCase{{{kTiltHaatBox, "100"}, {kTiltBeamwidthBox, "10"}, {kTiltDowntiltBox, "8"}},
                      kTiltCalculate,
                      kTiltUpperLobeBox,
                      "1.90810985254548"},
        BoxSourceCase{{{kTiltHaatBox, "100"}, {kTiltBeamwidthBox, "10"}, {kTiltDowntiltBox, "8"}},
                      kTiltStandard,
                      kTiltMainLobeBox,
                      "0.134760790196671"},
        BoxSourceCase{{{kPowerInputBox, "2"}, {kPowerOutputBox, "20"}},
                      kPowerRatioEquals,
                      kPowerRatioBox,
                      "10"},
        BoxSourceCase{{{kVswrForwardBox, "100"}, {kVswrReflectedBox, "1"}},
                      kVswrCalculate,
                      kVswrBox,
                      "1.22222222222222"}));

struct HelpCase {
    int key;
    const char* text;
};

void PrintTo(const HelpCase& c, std::ostream* out) { *out << "? " << c.key; }

class HelpKey : public ::testing::TestWithParam<HelpCase> {};

TEST_P(HelpKey, ShowsItsTextWithTheQuestionIconAndChangesNothing) {
    Calculator calc;
    calc.type("12.");
    const auto boxes = calc.boxes();
    const auto checks = calc.checks();
    const auto captions = calc.captions();
    calc.takeEvents();
    calc.click(GetParam().key);
    EXPECT_EQ(calc.takeEvents(), Events{std::string("question: ") + GetParam().text});
    EXPECT_EQ(calc.boxes(), boxes);
    EXPECT_EQ(calc.checks(), checks);
    EXPECT_EQ(calc.captions(), captions);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
}

constexpr const char* kTransfer =
    " just enter a number with your keypad or use the Data Input Module. Clicking on <ENTER> "
    "button will transfer the number down.";

std::string help(const char* subject) { return std::string(subject) + kTransfer; }

const std::string kFrequencyHelp = help("To enter a FREQUENCY (in mHz),");
const std::string kDistanceHelp =
    help("To enter a DISTANCE,") +
    "Be sure you select the correct linear measurement i.e. kms or miles.The default is "
    "measured in metric (kms).";
const std::string kHeightHelp = help("To enter a Height,");
const std::string kCutHelp = help("To enter a Frequency,");
const std::string kPowerHelp = help("To enter a value");
const std::string kForwardHelp = help("To enter Forward Power,");
const std::string kReflectedHelp = help("To enter Reflected Power,");

INSTANTIATE_TEST_SUITE_P(Panels, HelpKey,
                         ::testing::Values(HelpCase{kPathLossFrequencyHelp, kFrequencyHelp.c_str()},
                                           HelpCase{kPathLossDistanceHelp, kDistanceHelp.c_str()},
                                           HelpCase{kSightHeightHelp, kHeightHelp.c_str()},
                                           HelpCase{kCutFrequencyHelp, kCutHelp.c_str()},
                                           HelpCase{kPowerInputHelp, kPowerHelp.c_str()},
                                           HelpCase{kPowerOutputHelp, kPowerHelp.c_str()},
                                           HelpCase{kVswrForwardHelp, kForwardHelp.c_str()},
                                           HelpCase{kVswrReflectedHelp, kReflectedHelp.c_str()}));

}  // namespace
}  // namespace varnock::testing
