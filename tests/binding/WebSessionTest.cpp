// SPDX-License-Identifier: GPL-3.0-or-later
// The web session's acts answer with the events the calculator caused, in
// its order, each change of state as it was at that moment.
#include <gtest/gtest.h>

#include <string>

#include "form/ControlIds.h"
#include "ui/WindowRules.h"
#include "web/JsonText.h"
#include "web/WebSession.h"

namespace {

using varnock::web::WebSession;

// Where a piece of event text first appears; npos when it does not.
std::size_t at(const std::string& events, const std::string& piece) { return events.find(piece); }

const std::string kMessage = R"({"event":"message")";
const std::string kBeep = R"({"event":"beep"})";
const std::string kToWindow = R"({"event":"focus","id":0})";
const std::string kClosed = R"({"event":"closed"})";

std::string displayShows(const std::string& text) {
    return "[" + std::to_string(varnock::kDisplay) + ",\"" + text + "\"]";
}

TEST(WebSession, RefusalShowsItsMessageOverTheWindowAsItWasThenClearsTheDisplay) {
    WebSession session;
    session.click(varnock::kDigit5);
    session.click(varnock::kChangeSign);
    const std::string events = session.click(varnock::kMilliwattsToDbm);
    ASSERT_NE(at(events, kMessage), std::string::npos) << events;
    ASSERT_NE(at(events, displayShows("0")), std::string::npos) << events;
    EXPECT_LT(at(events, kMessage), at(events, displayShows("0"))) << events;
}

TEST(WebSession, ReadOnlyBoxSendsTheFocusBackWithABeep) {
    WebSession session;
    const std::string events = session.focus(varnock::kPathLossBox);
    EXPECT_NE(at(events, kToWindow), std::string::npos) << events;
    EXPECT_NE(at(events, kBeep), std::string::npos) << events;
    EXPECT_NE(at(session.snapshot(), R"("focus":0)"), std::string::npos);
}

// Return presses the push button that holds the focus, else "=": the chain
// 4 + 3 gives 7 only when "=" runs, and 39 when the focused "9" does.
TEST(WebSession, ReturnPressesTheFocusedButtonOrTheDefault) {
    struct Case {
        int focused;
        std::string display;
    };
    for (const Case& c : {Case{varnock::kDigit9, "39"}, Case{varnock::kMathRadians, "7"}}) {
        WebSession session;
        for (const char* key : {"4", "+", "3"}) session.key(key);
        session.focus(c.focused);
        const std::string events = session.key("Return");
        EXPECT_NE(at(events, displayShows(c.display)), std::string::npos)
            << "focus " << c.focused << ": " << events;
    }
}

TEST(WebSession, MnemonicRunsWithoutMovingTheFocus) {
    WebSession session;
    session.key("8");
    session.focus(varnock::kScratchPad);
    const std::string events = session.mnemonic('c');
    EXPECT_NE(at(events, displayShows("0")), std::string::npos) << events;
    EXPECT_NE(at(session.snapshot(), R"("focus":1221)"), std::string::npos);
}

TEST(WebSession, ClosesOnceAndThenTakesNoAct) {
    WebSession session;
    const std::string closing = session.key("Escape");
    EXPECT_NE(at(closing, kClosed), std::string::npos) << closing;
    EXPECT_TRUE(session.isClosed());
    EXPECT_EQ(session.click(varnock::kDigit1), "[]");
    EXPECT_EQ(session.menu(varnock::MenuChoice::Close), "[]");
}

// The page draws a new session from the snapshot: every changing label's
// caption, but no frame's, whose caption only the table holds.
TEST(WebSession, SnapshotNamesLabelsButLeavesFramesTheirCaptions) {
    const std::string snapshot = WebSession().snapshot();
    EXPECT_NE(at(snapshot, "[" + std::to_string(varnock::kSightHeightUnitLabel) + ",\""),
              std::string::npos);
    EXPECT_EQ(at(snapshot, "[" + std::to_string(varnock::kDbConversionsGroup) + ",\""),
              std::string::npos);
    EXPECT_NE(at(snapshot, R"("focus":1152)"), std::string::npos) << snapshot;
}

TEST(WebSession, CopyAnswersOnlyForACopyableBox) {
    WebSession session;
    session.key("7");
    EXPECT_EQ(session.copy(varnock::kDisplay), R"([{"event":"clipboard","text":"7"}])");
    EXPECT_EQ(session.copy(varnock::kScratchPad), "[]");
    EXPECT_EQ(session.copy(varnock::kOperandBox), "[]");
}

TEST(WindowRules, MnemonicControlTakesTwinsFirstAndLettersInEitherCase) {
    const struct {
        char key;
        int control;
    } cases[] = {
        {'c', varnock::kClearAll},
        {'C', varnock::kClearAll},
        {'r', varnock::kClearEntry},
        {'z', 0},
        {'\0', 0},
    };
    for (const auto& c : cases) EXPECT_EQ(varnock::mnemonicControl(c.key), c.control) << c.key;
    EXPECT_EQ(varnock::mnemonicControl('5'), varnock::twinForKey('5'));
    EXPECT_NE(varnock::twinForKey('5'), 0);
}

TEST(JsonText, WritesContainersAndMembers) {
    varnock::web::JsonText json;
    json.beginObject().member("a", 1).key("b").beginArray().value(true).value("x\ty").endArray();
    json.endObject();
    EXPECT_EQ(json.text(), R"({"a":1,"b":[true,"x\ty"]})");
}

}  // namespace
