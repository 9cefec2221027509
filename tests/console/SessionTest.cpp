// The platform rules that the console takes from the control table, and the
// limits that keep a session's memory bounded.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <sstream>
#include <string>

#include "RandomCommands.h"
#include "console/Command.h"
#include "console/Session.h"
#include "console/WindowRules.h"
#include "ui/Layout.h"
#include "ui/Platform.h"

namespace varnock::console {
namespace {

TEST(Platform, TheFocusGoesToVisibleButtonsAndBoxesOnly) {
    std::set<int> boxes;
    int buttons = 0;
    for (const ControlSpec& control : controls()) {
        if (!takesFocus(control)) continue;
        EXPECT_TRUE(control.isVisible()) << control.id;
        if (control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit) {
            boxes.insert(control.id);
        } else {
            ++buttons;
        }
    }
    EXPECT_EQ(boxes.size(), 26u);  // the 25 read-only boxes and the scratch pad
    EXPECT_TRUE(boxes.contains(kScratchPad));
    EXPECT_FALSE(boxes.contains(1094));
    EXPECT_GT(buttons, 80);
    EXPECT_FALSE(takesFocus(*findControl(1103)));  // hidden twin "&0"
    EXPECT_FALSE(takesFocus(*findControl(1135)));  // label
    EXPECT_FALSE(takesFocus(*findControl(1133)));  // group box
}

TEST(Platform, EveryPrintableKeyOfTheProtocolIsATwinsMnemonic) {
    for (char key : std::string("0123456789.+-*/=")) {
        const int twin = twinForKey(key);
        ASSERT_NE(twin, 0) << key;
        EXPECT_FALSE(findControl(twin)->isVisible());
    }
}

TEST(Platform, ClickMarksMoveWithinOneGroupAndToggleTheCheckBox) {
    std::ostringstream out;
    ConsoleWindow window(out);
    for (int id : {1137, 1139, 1147}) window.setCheckState(id, 1);
    applyClickMarks(window, 1141);
    for (int id : radioGroupOf(1141)->members) EXPECT_EQ(window.checkState(id), id == 1141) << id;
    EXPECT_EQ(window.checkState(1147), 1);  // another group is left alone
    applyClickMarks(window, kFringingCheckBox);
    EXPECT_EQ(window.checkState(kFringingCheckBox), 1);
    applyClickMarks(window, kFringingCheckBox);
    EXPECT_EQ(window.checkState(kFringingCheckBox), 0);
    applyClickMarks(window, 1000);  // a push button has no mark
    EXPECT_EQ(window.checkState(1000), 0);
    EXPECT_EQ(out.str(), "");
}

Command typeCommand(std::string text) { return TypeCommand{std::move(text)}; }
Command keyCommand(KeyKind kind, char c = 0) { return KeyCommand{Key{kind, c}}; }

TEST(SessionLimits, ThePadHoldsAMegabyteAndRefusesMoreWithoutEffect) {
    std::ostringstream out;
    Session session(out);
    const std::string chunk(Session::kPadCapacity / 4, 'x');
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(session.perform(typeCommand(chunk)).has_value());
    EXPECT_EQ(session.window().text(kScratchPad).size(), Session::kPadCapacity);

    session.perform(ClickCommand{Identifier{"1223", 1223}});  // "Exit": focus to the window
    out.str("");
    const Refusal refusal = session.perform(typeCommand("y"));
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal,
              "the scratch pad is full: it holds at most 1048576 bytes, and the text is not typed");
    EXPECT_EQ(session.window().focus(), kMainWindowFocus);  // the refused line did nothing

    session.perform(FocusCommand{Identifier{"1221", 1221}});
    EXPECT_TRUE(session.perform(keyCommand(KeyKind::Return)).has_value());
    EXPECT_TRUE(session.perform(keyCommand(KeyKind::Character, '5')).has_value());
    EXPECT_TRUE(session.perform(PasteCommand{"5"}).has_value());
    EXPECT_FALSE(session.perform(PasteCommand{""}).has_value());
    EXPECT_FALSE(session.perform(keyCommand(KeyKind::Backspace)).has_value());
    EXPECT_FALSE(session.perform(keyCommand(KeyKind::Character, '5')).has_value());
    EXPECT_EQ(session.window().text(kScratchPad).size(), Session::kPadCapacity);
    EXPECT_EQ(out.str(), "");
}

TEST(SessionLimits, ClearEmptiesAFullPad) {
    std::ostringstream out;
    Session session(out);
    session.perform(typeCommand(std::string(Session::kPadCapacity, 'x')));
    session.perform(ClickCommand{Identifier{"1224", 1224}});
    EXPECT_EQ(session.window().text(kScratchPad), "");
    EXPECT_FALSE(session.perform(typeCommand("again")).has_value());
    EXPECT_EQ(out.str(), "beep\n");
}

// The window keeps the controls of the table in a flat array and any other
// identifier apart; both keep what they are told, and nothing leaks between.
TEST(ConsoleWindowStore, KeepsTextsAndMarksForAnyIdentifier) {
    std::ostringstream out;
    ConsoleWindow window(out);
    EXPECT_EQ(window.caption(1135), "In Meters");  // a label starts with its caption
    const int ids[] = {1007,
                       1224,
                       58112,
                       0,
                       -7,
                       999,
                       3000,
                       std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max()};
    for (int id : ids) {
        EXPECT_EQ(window.text(id), "") << id;
        window.setBoxText(id, "box " + std::to_string(id));
        window.setCaption(id, "caption " + std::to_string(id));
        window.setCheckState(id, 1);
    }
    for (int id : ids) {
        EXPECT_EQ(window.boxText(id), "box " + std::to_string(id));
        EXPECT_EQ(window.caption(id), "caption " + std::to_string(id));
        EXPECT_EQ(window.checkState(id), 1);
    }
    window.appendToBox(-7, "\xc2\xb5");
    window.eraseLastCharacter(-7);
    EXPECT_EQ(window.text(-7), "box -7");
    EXPECT_EQ(window.text(1001), "");
    EXPECT_EQ(window.checkState(1025), 0);
}

// A long random session that may not close runs to its end.
TEST(SessionLimits, RandomCommandsWithoutClosingKeepTheWindowOpen) {
    std::ostringstream out;
    Session session(out);
    testing::RandomCommandOptions options;
    options.allowDump = false;
    int line = 0;
    for (const std::string& text : testing::randomCommands(11, 20'000, options)) {
        ++line;
        const ParsedLine parsed = parseLine(text);
        const auto* command = std::get_if<Command>(&parsed);
        ASSERT_NE(command, nullptr) << line << ": " << text;
        session.perform(*command);
        ASSERT_FALSE(session.isClosed()) << line << ": " << text;
        out.str("");
    }
}

}  // namespace
}  // namespace varnock::console
