// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry, the clear keys and the arithmetic chain, by control identifier.
#include <gtest/gtest.h>

#include <cmath>

#include "FakeWindow.h"
#include "form/ControlIds.h"

namespace varnock::testing {
namespace {

TEST(StartUp, EveryBoxShowsZeroAndTheHiddenBoxesHoldTheFlags) {
    Calculator calc;
    for (const FieldBinding& field : formFields()) {
        const char* expected = field.box == kPointAllowedBox ? "1" : "0";
        EXPECT_EQ(calc.box(field.box), expected) << field.box;
    }
    for (int id : {kMathDegrees, kSightMetric, kCutQuarterWave, kPathLossKilometers, kTiltMetric,
                   kPowerForRatio, kCutMetric})
        EXPECT_EQ(calc.check(id), 1);
    for (int id : {kMathRadians, kSightStandard, kCutThreeEighthsWave, kCutFullWave, kPathLossMiles,
                   kTiltStandard, kPowerForInput, kPowerForOutput, kCutStandard, kCutFringing}) {
        EXPECT_EQ(calc.check(id), 0) << id;
    }
}

TEST(ShowAllFields, FormatsWithFifteenSignificantDigits) {
    Calculator calc;
    calc.type("123456789012345=");
    EXPECT_EQ(calc.display(), "123456789012345");
    calc.type("1234567890123456=");
    EXPECT_EQ(calc.display(), "1.23456789012346e+15");
    calc.type(".1+.2=");
    EXPECT_EQ(calc.display(), "0.3");
}

struct EntryCase {
    const char* keys;  // '~' is the sign key
    const char* display;
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << '"' << c.keys << '"'; }

class EntrySequence : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntrySequence, ShowsTheExpectedText) {
    Calculator calc;
    calc.type(GetParam().keys);
    EXPECT_EQ(calc.display(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, EntrySequence,
    ::testing::Values(EntryCase{"0", "00"}, EntryCase{"00", "000"}, EntryCase{"005", "5"},
                      EntryCase{"1.05", "1.05"}, EntryCase{"1.0", "1.0"}, EntryCase{"1..", "1."},
                      EntryCase{"2.~", "-2"}, EntryCase{"2.~.5", "-25"}, EntryCase{"1.50~", "-1.5"},
                      EntryCase{"1.005", "1.005"}, EntryCase{"7-2=", "5"}, EntryCase{"7/2=", "3.5"},
                      EntryCase{"1.5+2=", "3.5"}, EntryCase{"2+3*4=", "20"}, EntryCase{"3++", "6"},
                      EntryCase{"3**", "9"}, EntryCase{"3--", "0"}, EntryCase{"3//", "1"},
                      EntryCase{"3+=", "6"}, EntryCase{"100=", "100"}, EntryCase{"2.=", "2"},
                      EntryCase{"2+3=*4=", "20"}, EntryCase{"2+3=5", "5"},
                      EntryCase{"5~*2=", "-10"}, EntryCase{"5/0=", "inf"},
                      EntryCase{"5~/0=", "-inf"}, EntryCase{"0/0=", "-nan"},
                      EntryCase{"5/0=+1=", "inf"}));

TEST(Entry, AfterAResultZeroStartsANewNumber) {
    Calculator calc;
    calc.type("7=");
    calc.type("0");
    EXPECT_EQ(calc.display(), "0");
    calc.type("0");
    EXPECT_EQ(calc.display(), "00");
}

TEST(Entry, SignAfterAResultNegatesTheClearedDisplay) {
    Calculator calc;
    calc.type("7=~");
    EXPECT_EQ(calc.display(), "-0");
    calc.type("~");
    EXPECT_EQ(calc.display(), "0");
}

TEST(Entry, PointAfterAResultStartsWithZero) {
    Calculator calc;
    calc.type("7=.");
    EXPECT_EQ(calc.display(), "0.");
}

TEST(Entry, SecondPointBeepsAndLeavesTheDisplay) {
    Calculator calc;
    calc.type("1.");
    calc.takeEvents();
    calc.type(".");
    EXPECT_EQ(calc.display(), "1.");
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));
}

TEST(Entry, ZeroKeepsItsTextAndTheRecordTakesTheTypedNumber) {
    Calculator calc;
    calc.type("10");
    EXPECT_EQ(calc.record().m_display, 10);
    // A mode radio shows all fields without storing a display value.
    calc.click(kPowerForInput);
    EXPECT_EQ(calc.display(), "10");
    calc.type("1.0");
    EXPECT_EQ(calc.display(), "101.0");
}

TEST(Entry, ZeroDoesNotShowOrMoveTheFocus) {
    Calculator calc;
    calc.type("1");
    calc.takeEvents();
    const int shows = calc.window.showCount;
    calc.type("0");
    EXPECT_EQ(calc.window.showCount, shows + 1);  // only its own text
    EXPECT_TRUE(calc.takeEvents().empty());
}

TEST(Entry, DigitsMoveTheFocusToTheWindow) {
    Calculator calc;
    calc.type("5");
    EXPECT_EQ(calc.takeEvents(), std::vector<std::string>{"focus"});
}

TEST(Entry, ResultResetIsWrittenAfterTheShowSoTheHiddenBoxesLag) {
    Calculator calc;
    calc.type("1.");
    calc.type("+");
    EXPECT_EQ(calc.record().m_freshEntry, 1);
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
    EXPECT_EQ(calc.box(kFreshEntryBox), "0");
    EXPECT_EQ(calc.box(kPointAllowedBox), "0");
    EXPECT_EQ(calc.box(kOperandBox), "0");
    EXPECT_EQ(calc.box(kPendingOpBox), "0");
    calc.type("2");
    EXPECT_EQ(calc.box(kOperandBox), "1");
    EXPECT_EQ(calc.box(kPendingOpBox), "1");
}

TEST(TextLimit, SixtyThreeCharactersAndNoMore) {
    Calculator calc;
    calc.type("1");
    for (int i = 0; i < 62; ++i) calc.type("0");
    ASSERT_EQ(calc.display().size(), 63u);
    const FormRecord before = calc.record();
    calc.takeEvents();

    calc.type("0");
    EXPECT_EQ(calc.display().size(), 63u);
    EXPECT_EQ(calc.takeEvents(), std::vector<std::string>{"beep"});

    calc.type("5");
    EXPECT_EQ(calc.display().size(), 63u);
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));

    calc.type(".");
    EXPECT_EQ(calc.display().size(), 63u);
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
    EXPECT_EQ(calc.record().m_display, before.m_display);
    EXPECT_EQ(calc.record().m_display, 1e62);
}

TEST(TextLimit, AnEntryInExponentNotationTakesNoMoreDigits) {
    Calculator calc;
    calc.type("1234567890123456");
    ASSERT_EQ(calc.display(), "1.23456789012346e+15");
    calc.takeEvents();

    calc.type("7");
    EXPECT_EQ(calc.display(), "1.23456789012346e+15");
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));
    calc.type("0");
    EXPECT_EQ(calc.takeEvents(), std::vector<std::string>{"beep"});
    calc.type(".");
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));
    EXPECT_EQ(calc.display(), "1.23456789012346e+15");
    EXPECT_EQ(calc.record().m_display, 1234567890123456.0);
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);

    // The sign key still works, and the next number starts afresh.
    calc.type("~");
    EXPECT_EQ(calc.display(), "-1.23456789012346e+15");
    calc.type("=5");
    EXPECT_EQ(calc.display(), "5");
}

TEST(ClearEntry, KeepsThePendingOperation) {
    Calculator calc;
    calc.type("3+5");
    calc.click(kClearEntry);
    EXPECT_EQ(calc.display(), "0");
    calc.type("4=");
    EXPECT_EQ(calc.display(), "7");
}

TEST(ClearAll, DropsThePendingOperation) {
    Calculator calc;
    calc.type("3+");
    calc.click(kClearAll);
    calc.type("4=");
    EXPECT_EQ(calc.display(), "4");
}

TEST(ClearAll, RestoresEveryGroupCaptionAndFieldButKeepsThePad) {
    Calculator calc;
    calc.setBox(kScratchPad, "note");
    calc.clicks({kPathLossMiles, kSightStandard, kPowerForOutput, kTiltStandard, kCutStandard,
                 kCutFullWave, kMathRadians, kCutFringing});
    calc.type("5");
    calc.click(kTiltHaatEnter);
    calc.click(kClearAll);
    for (int id : {kMathDegrees, kSightMetric, kCutQuarterWave, kPathLossKilometers, kTiltMetric,
                   kPowerForRatio, kCutMetric})
        EXPECT_EQ(calc.check(id), 1);
    for (int id : {kMathRadians, kSightStandard, kCutFullWave, kPathLossMiles, kTiltStandard,
                   kPowerForOutput, kCutStandard, kCutFringing}) {
        EXPECT_EQ(calc.check(id), 0) << id;
    }
    EXPECT_EQ(calc.caption(kSightHeightUnitLabel), "In Meters");
    EXPECT_EQ(calc.caption(kSightDistanceUnitLabel), "In Kilometers");
    EXPECT_EQ(calc.caption(kTiltHaatLabel), "Ant. HAAT (meters)");
    EXPECT_EQ(calc.caption(kTiltUpperLobeUnitLabel), "kms");
    EXPECT_EQ(calc.caption(kPowerInputLabel), "Power Input");
    EXPECT_EQ(calc.caption(kPowerRatioLabel), "Power Ratio (dB)");
    EXPECT_EQ(calc.caption(kCutLengthUnitLabel), "Cm");
    EXPECT_EQ(calc.box(kTiltHaatBox), "0");
    EXPECT_EQ(calc.box(kPointAllowedBox), "1");
    EXPECT_EQ(calc.box(kScratchPad), "note");
    EXPECT_EQ(calc.record().m_freshEntry, 0);
}

TEST(Twins, RunTheirVisibleKeysOperation) {
    Calculator calc;
    calc.clicks({kTwinDigit7, kTwinDecimalPoint, kTwinDigit5, kTwinAdd, kTwinDigit2, kTwinEquals});
    EXPECT_EQ(calc.display(), "9.5");
    calc.clicks({kTwinDigit9, kTwinSubtract, kTwinDigit1, kTwinMultiply, kTwinDigit3, kTwinDivide,
                 kTwinDigit4, kTwinEquals});
    EXPECT_EQ(calc.display(), "6");
    calc.clicks({kTwinDigit1, kTwinDigit0, kTwinDigit0, kTwinEquals});
    EXPECT_EQ(calc.display(), "100");
}

TEST(FocusBounce, EveryReadOnlyBoxBeepsAndGivesTheFocusBack) {
    Calculator calc;
    int bounced = 0;
    for (const FieldBinding& field : formFields()) {
        calc.focus(field.box);
        auto events = calc.takeEvents();
        if (events.empty()) continue;
        EXPECT_EQ(events, (std::vector<std::string>{"focus", "beep"})) << field.box;
        ++bounced;
    }
    EXPECT_EQ(bounced, 25);
    calc.focus(kScratchPad);
    EXPECT_TRUE(calc.takeEvents().empty());
}

TEST(Window, CloseAboutAndThePadKeys) {
    Calculator calc;
    calc.click(kCloseButton);
    calc.dialog.OnSysCommand(0x0010);
    calc.dialog.OnSysCommand(0xF060);
    calc.setBox(kScratchPad, "x");
    calc.click(kPadExit);
    EXPECT_EQ(calc.box(kScratchPad), "x");
    calc.click(kPadClear);
    EXPECT_EQ(calc.box(kScratchPad), "");
    EXPECT_EQ(calc.takeEvents(),
              (std::vector<std::string>{"close", "about", "focus", "beep", "focus", "beep"}));
}

}  // namespace
}  // namespace varnock::testing
