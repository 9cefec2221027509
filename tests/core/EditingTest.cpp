// SPDX-License-Identifier: GPL-3.0-or-later
// Backspace, Delete and paste on the display, and which acts end the number
// being typed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "FakeWindow.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"

namespace varnock::testing {
namespace {

// Presses keys: keypad characters as in Calculator::type, 'B' Backspace and
// 'D' Delete.
void press(Calculator& calc, std::string_view keys) {
    for (char key : keys) {
        if (key == 'B') {
            calc.dialog.OnBackspace();
        } else if (key == 'D') {
            calc.dialog.OnDelete();
        } else {
            calc.click(keypadButton(key));
        }
    }
}

int beepsIn(const std::vector<std::string>& events) {
    return static_cast<int>(std::count(events.begin(), events.end(), "beep"));
}

struct EditCase {
    const char* keys;
    const char* display;
    int beeps;
};

void PrintTo(const EditCase& c, std::ostream* out) { *out << '"' << c.keys << '"'; }

class BackspaceSequence : public ::testing::TestWithParam<EditCase> {};

// After an edit the number behind the display follows the text, so that a
// later show of every field cannot bring back a removed digit.
TEST_P(BackspaceSequence, LeavesTheTextAndItsNumber) {
    Calculator calc;
    press(calc, GetParam().keys);
    EXPECT_EQ(calc.display(), GetParam().display);
    EXPECT_EQ(beepsIn(calc.takeEvents()), GetParam().beeps);
    if (GetParam().beeps == 0) EXPECT_EQ(calc.record().m_display, parseNumber(calc.display()));
}

INSTANTIATE_TEST_SUITE_P(
    Keypad, BackspaceSequence,
    ::testing::Values(
        // Typed numbers lose their last character.
        EditCase{"12B", "1", 0}, EditCase{"12BB", "0", 0}, EditCase{"12BBB", "0", 0},
        EditCase{"00B", "00", 0}, EditCase{"00BBB", "0", 0}, EditCase{"1.05B", "1.0", 0},
        EditCase{"1.05BB", "1.", 0},
        // A removed point may be typed again; one still standing may not.
        EditCase{"1.B.5", "1.5", 0}, EditCase{"1.5B.", "1.", 1}, EditCase{"1.5BB.2", "1.2", 0},
        EditCase{"7=.B", "0", 0}, EditCase{"7=.B.", "0.", 0},
        // Digits after the sign key are typing; the sign key itself is not.
        EditCase{"5~B", "-5", 1}, EditCase{"5~3B", "-5", 0}, EditCase{"5~3BB", "0", 0},
        // Results and other keys finish the number.
        EditCase{"7=B", "7", 1}, EditCase{"7+B", "7", 1}, EditCase{"2.5DB", "0", 1},
        EditCase{"12B+3=", "4", 0}, EditCase{"3+5B4=", "7", 0},
        // Exponent notation is no text to shorten.
        EditCase{"1234567890123456B", "1.23456789012346e+15", 1}, EditCase{"5/0=B", "inf", 1}));

TEST(Backspace, ChangesTheDisplaysTextOnlyAndLeavesTheFocus) {
    Calculator calc;
    press(calc, "12");
    calc.takeEvents();
    const int shows = calc.window.showCount;
    press(calc, "B");
    EXPECT_EQ(calc.window.showCount, shows + 1);
    EXPECT_TRUE(calc.takeEvents().empty());
    // A mode radio shows all fields: the display keeps what Backspace left.
    calc.click(kPowerForInput);
    EXPECT_EQ(calc.display(), "1");
}

TEST(Backspace, ARefusalChangesNoFlag) {
    Calculator calc;
    press(calc, "7=");
    const FormRecord before = calc.record();
    press(calc, "B");
    EXPECT_EQ(calc.record().m_freshEntry, before.m_freshEntry);
    EXPECT_EQ(calc.record().m_pointAllowed, before.m_pointAllowed);
    EXPECT_EQ(calc.record().m_display, before.m_display);
}

TEST(Backspace, MakesRoomInAFullDisplay) {
    Calculator calc;
    const std::string full = "1" + std::string(62, '0') + ".";
    press(calc, full);
    ASSERT_EQ(calc.display(), full.substr(0, kMaxBoxText));  // the point did not fit
    calc.takeEvents();
    press(calc, "B");
    EXPECT_EQ(calc.display().size(), kMaxBoxText - 1);
    press(calc, ".");
    EXPECT_EQ(calc.display(), "1" + std::string(61, '0') + ".");
    EXPECT_TRUE(calc.takeEvents() == std::vector<std::string>{"focus"});
}

// Every act but a typing key finishes the number, so Backspace then beeps.
struct FinishingAct {
    const char* name;
    std::function<void(Calculator&)> act;
};

void PrintTo(const FinishingAct& c, std::ostream* out) { *out << c.name; }

class ActAfterTyping : public ::testing::TestWithParam<FinishingAct> {};

TEST_P(ActAfterTyping, FinishesTheNumber) {
    Calculator calc;
    press(calc, "12");
    GetParam().act(calc);
    const std::string shown = calc.display();
    calc.takeEvents();
    press(calc, "B");
    EXPECT_EQ(calc.display(), shown);
    EXPECT_EQ(calc.takeEvents(), std::vector<std::string>{"beep"});
}

INSTANTIATE_TEST_SUITE_P(
    Acts, ActAfterTyping,
    ::testing::Values(
        FinishingAct{"a click without an operation", [](Calculator& c) { c.click(kMathRadians); }},
        FinishingAct{"a panel key", [](Calculator& c) { c.click(kCelsiusToFahrenheit); }},
        FinishingAct{"the sign key", [](Calculator& c) { c.click(kChangeSign); }},
        FinishingAct{"a focus move", [](Calculator& c) { c.focus(kScratchPad); }},
        FinishingAct{"a focus bounce", [](Calculator& c) { c.focus(kPathLossFrequencyBox); }},
        FinishingAct{"the About box", [](Calculator& c) { c.dialog.OnSysCommand(0x0010); }},
        FinishingAct{"pad typing", [](Calculator& c) { c.dialog.OnOtherAct(); }},
        FinishingAct{"a copy", [](Calculator& c) { c.dialog.OnCopy(kDisplay); }},
        FinishingAct{"Delete", [](Calculator& c) { c.dialog.OnDelete(); }}));

TEST(Delete, ClearsTheEntryAndKeepsThePendingOperation) {
    Calculator calc;
    press(calc, "3+5.");
    calc.takeEvents();
    press(calc, "D");
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
    EXPECT_TRUE(calc.takeEvents().empty());  // no focus move, no beep
    press(calc, "4=");
    EXPECT_EQ(calc.display(), "7");
}

TEST(Paste, StandsAsTypedFromAFreshStart) {
    Calculator calc;
    press(calc, "9=");
    calc.takeEvents();
    calc.dialog.OnPaste(" 12.5\n");
    EXPECT_EQ(calc.display(), "12.5");
    EXPECT_EQ(calc.record().m_display, 12.5);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
    EXPECT_TRUE(calc.takeEvents().empty());  // the focus stays
    press(calc, ".3");
    EXPECT_EQ(calc.display(), "12.53");  // the point was used up; typing goes on
    EXPECT_EQ(beepsIn(calc.takeEvents()), 1);
    press(calc, "B");
    EXPECT_EQ(calc.display(), "12.5");
}

TEST(Paste, WithoutAPointLeavesThePointFree) {
    Calculator calc;
    press(calc, "1.");
    calc.dialog.OnPaste("-4");
    press(calc, ".5");
    EXPECT_EQ(calc.display(), "-4.5");
    press(calc, "BBB");
    EXPECT_EQ(calc.display(), "0");
}

TEST(Paste, TakesPartInTheChain) {
    Calculator calc;
    press(calc, "3+");
    calc.dialog.OnPaste("1e2");
    press(calc, "=");
    EXPECT_EQ(calc.display(), "103");
}

TEST(Paste, AnExponentTakesNoDigitAndNoBackspace) {
    Calculator calc;
    calc.dialog.OnPaste("1e5");
    calc.takeEvents();
    press(calc, "5B");
    EXPECT_EQ(calc.display(), "1e5");
    EXPECT_EQ(beepsIn(calc.takeEvents()), 2);
}

TEST(Paste, ARefusalBeepsAndChangesNothing) {
    Calculator calc;
    press(calc, "3+12.");
    calc.takeEvents();
    const FormRecord before = calc.record();
    const int shows = calc.window.showCount;
    for (std::string_view refused : {"1,5", "", "abc", "1 2",
                                     "\xe2\x88\x92"
                                     "5"}) {
        calc.dialog.OnPaste(refused);
        EXPECT_EQ(calc.takeEvents(), std::vector<std::string>{"beep"}) << refused;
    }
    EXPECT_EQ(calc.window.showCount, shows);
    EXPECT_EQ(calc.display(), "12.");
    EXPECT_EQ(calc.record().m_display, before.m_display);
    EXPECT_EQ(calc.record().m_pointAllowed, before.m_pointAllowed);
    // The number is still being typed.
    press(calc, "B5=");
    EXPECT_EQ(calc.display(), "128");
}

}  // namespace
}  // namespace varnock::testing
