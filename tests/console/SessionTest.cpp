// SPDX-License-Identifier: GPL-3.0-or-later
// The platform rules that the console takes from the control table, and the
// limits that keep a session's memory bounded.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "RandomCommands.h"
#include "console/Command.h"
#include "console/Session.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/WindowRules.h"

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
    EXPECT_FALSE(boxes.contains(kPointAllowedBox));
    EXPECT_GT(buttons, 80);
    EXPECT_FALSE(takesFocus(*findControl(kTwinDigit0)));            // hidden twin "&0"
    EXPECT_FALSE(takesFocus(*findControl(kSightHeightUnitLabel)));  // label
    EXPECT_FALSE(takesFocus(*findControl(kSightUnitGroup)));        // group box
}

TEST(Platform, EveryPrintableKeyOfTheProtocolIsATwinsMnemonic) {
    for (char key : std::string("0123456789.+-*/=")) {
        const int twin = twinForKey(key);
        ASSERT_NE(twin, 0) << key;
        EXPECT_FALSE(findControl(twin)->isVisible());
    }
}

Command typeCommand(std::string text) { return TypeCommand{std::move(text)}; }
Command keyCommand(WindowKey kind, char c = 0) { return KeyCommand{Key{kind, c}}; }

TEST(SessionLimits, ThePadHoldsAMegabyteAndRefusesMoreWithoutEffect) {
    std::ostringstream out;
    Session session(out);
    const std::string chunk(Session::kPadCapacity / 4, 'x');
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(session.perform(typeCommand(chunk)).has_value());
    EXPECT_EQ(session.window().text(kScratchPad).size(), Session::kPadCapacity);

    session.perform(ClickCommand{Identifier{"1223", kPadExit}});  // "Exit": focus to the window
    out.str("");
    const Refusal refusal = session.perform(typeCommand("y"));
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(*refusal,
              "the scratch pad is full: it holds at most 1048576 bytes, and the text is not typed");
    EXPECT_EQ(session.window().focus(), kMainWindowFocus);  // the refused line did nothing

    session.perform(FocusCommand{Identifier{"1221", kScratchPad}});
    EXPECT_TRUE(session.perform(keyCommand(WindowKey::Return)).has_value());
    EXPECT_TRUE(session.perform(keyCommand(WindowKey::Character, '5')).has_value());
    EXPECT_TRUE(session.perform(PasteCommand{"5"}).has_value());
    EXPECT_FALSE(session.perform(PasteCommand{""}).has_value());
    EXPECT_FALSE(session.perform(keyCommand(WindowKey::Backspace)).has_value());
    EXPECT_FALSE(session.perform(keyCommand(WindowKey::Character, '5')).has_value());
    EXPECT_EQ(session.window().text(kScratchPad).size(), Session::kPadCapacity);
    EXPECT_EQ(out.str(), "");
}

TEST(SessionLimits, ClearEmptiesAFullPad) {
    std::ostringstream out;
    Session session(out);
    session.perform(typeCommand(std::string(Session::kPadCapacity, 'x')));
    session.perform(ClickCommand{Identifier{"1224", kPadClear}});
    EXPECT_EQ(session.window().text(kScratchPad), "");
    EXPECT_FALSE(session.perform(typeCommand("again")).has_value());
    EXPECT_EQ(out.str(), "beep\n");
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
