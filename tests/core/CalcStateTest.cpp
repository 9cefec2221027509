// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's own copy of what the window shows: what it keeps, which
// changes it reports, and that each act of the user reports them once.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FakeWindow.h"
#include "app/CalcState.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock::testing {
namespace {

std::vector<int> listed(std::span<const int> ids) { return {ids.begin(), ids.end()}; }

// The controls of the table lie in a flat array and any other identifier
// apart; both keep what they are told, and nothing leaks between them.
TEST(CalcState, KeepsTextsCaptionsAndMarksForAnyIdentifier) {
    CalcState state;
    EXPECT_EQ(state.caption(kSightHeightUnitLabel),
              "In Meters");  // a label starts with its caption
    const int ids[] = {kDisplay,
                       kPadClear,
                       kCloseButton,
                       0,
                       -7,
                       999,
                       3000,
                       std::numeric_limits<int>::min(),
                       std::numeric_limits<int>::max()};
    for (int id : ids) {
        EXPECT_EQ(state.text(id), "") << id;
        state.setText(id, "box " + std::to_string(id));
        state.setCaption(id, "caption " + std::to_string(id));
        state.setCheck(id, 1);
    }
    for (int id : ids) {
        EXPECT_EQ(state.text(id), "box " + std::to_string(id)) << id;
        EXPECT_EQ(state.caption(id), "caption " + std::to_string(id)) << id;
        EXPECT_EQ(state.check(id), 1) << id;
    }
    state.appendText(-7, "\xc2\xb5");
    state.eraseTextEnd(-7, 2);
    EXPECT_EQ(state.text(-7), "box -7");
    state.eraseTextEnd(-7, 100);  // more than the text holds
    EXPECT_EQ(state.text(-7), "");
    EXPECT_EQ(state.text(kDbmToMilliwatts), "");
    EXPECT_EQ(state.check(kMathRadians), 0);
}

// Each control is listed once per aspect however often it changed; writing
// what a control already shows is no change; taking starts afresh.
TEST(CalcState, ReportsEachChangedControlOnce) {
    CalcState state;
    state.setText(kDisplay, "1");
    state.setText(kDisplay, "12");
    state.setText(kPathLossDistanceBox, "");               // already empty
    state.setCaption(kSightHeightUnitLabel, "In Meters");  // already its caption
    state.setCaption(kSightDistanceUnitLabel, "In Miles");
    state.setCheck(kMathDegrees, 1);
    state.setCheck(kMathRadians, 0);  // already clear
    state.appendText(kScratchPad, "");
    state.eraseTextEnd(kScratchPad, 1);  // nothing to erase
    ASSERT_TRUE(state.hasChanges());
    ChangedControls taken;
    state.takeChanges(taken);
    EXPECT_EQ(listed(taken.view().texts), std::vector<int>{kDisplay});
    EXPECT_EQ(listed(taken.view().captions), std::vector<int>{kSightDistanceUnitLabel});
    EXPECT_EQ(listed(taken.view().checks), std::vector<int>{kMathDegrees});
    EXPECT_FALSE(state.hasChanges());

    state.setText(kDisplay, "1");
    state.takeChanges(taken);
    EXPECT_EQ(listed(taken.texts), std::vector<int>{kDisplay});
    EXPECT_TRUE(taken.captions.empty());
    EXPECT_TRUE(taken.checks.empty());
}

// Writers that remember a box's text version may skip comparing its text,
// so the version must move with every change of the text and only then.
TEST(CalcState, TextVersionMovesWithEveryChangeOfTheText) {
    CalcState state;
    for (int id : {kDisplay, std::numeric_limits<int>::max()}) {
        std::uint64_t version = state.textVersion(id);
        const auto moved = [&] {
            const bool changed = state.textVersion(id) != version;
            version = state.textVersion(id);
            return changed;
        };
        state.setText(id, "");
        EXPECT_FALSE(moved()) << id;
        state.setText(id, "12");
        EXPECT_TRUE(moved()) << id;
        state.setText(id, "12");
        EXPECT_FALSE(moved()) << id;
        state.appendText(id, "3");
        EXPECT_TRUE(moved()) << id;
        state.eraseTextEnd(id, 1);
        EXPECT_TRUE(moved()) << id;
        state.eraseTextEnd(id, 0);
        EXPECT_FALSE(moved()) << id;
    }
}

// A show skips the fields whose values and boxes are as it left them; a box
// written behind its unchanged field still gets the field's text back.
TEST(CalcState, ShowWritesBackABoxChangedBehindItsField) {
    Calculator calc;
    calc.type("5");
    calc.click(kClearEntry);
    calc.setBox(kDisplay, "stale");
    calc.setBox(kPathLossBox, "stale");
    calc.click(kClearEntry);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.box(kPathLossBox), "0");
}

TEST(CalcState, ClickMarksMoveWithinOneGroupAndToggleTheCheckBox) {
    CalcState state;
    for (int id : {kCutQuarterWave, kCutHalfWave, kPathLossKilometers}) state.setCheck(id, 1);
    applyClickMarks(state, kCutThreeQuarterWave);
    for (int id : radioGroupOf(kCutThreeQuarterWave)->members)
        EXPECT_EQ(state.check(id), id == kCutThreeQuarterWave) << id;
    EXPECT_EQ(state.check(kPathLossKilometers), 1);  // another group is left alone
    applyClickMarks(state, kCutFringing);
    EXPECT_EQ(state.check(kCutFringing), 1);
    applyClickMarks(state, kCutFringing);
    EXPECT_EQ(state.check(kCutFringing), 0);
    applyClickMarks(state, kMilliwattsToDbm);  // a push button has no mark
    EXPECT_EQ(state.check(kMilliwattsToDbm), 0);
}

// Counts the notifications and remembers the last one.
class CountingWindow : public FakeWindow {
public:
    void stateChanged(const StateChange& change) override {
        FakeWindow::stateChanged(change);
        ++notifications;
        texts = listed(change.texts);
        captions = listed(change.captions);
        checks = listed(change.checks);
    }
    int notifications = 0;
    std::vector<int> texts, captions, checks;
};

struct ActCase {
    const char* name;
    void (*act)(CCalcDlg&);
    int notifications;  // at most one per act, none when nothing changed
    std::vector<int> texts;
    std::vector<int> captions;
    std::vector<int> checks;
};

// From a display of "12" being typed, in the metric unit of the sight panel.
const ActCase kActs[] = {
    {"digit", [](CCalcDlg& d) { d.OnClicked(kDigit1); }, 1, {kDisplay}, {}, {}},
    {"sign", [](CCalcDlg& d) { d.OnClicked(kChangeSign); }, 1, {kDisplay}, {}, {}},
    // A unit change clears the display.
    {"units",
     [](CCalcDlg& d) { d.OnClicked(kSightStandard); },
     1,
     {kDisplay},
     {kSightHeightUnitLabel, kSightDistanceUnitLabel},
     {kSightMetric, kSightStandard}},
    {"focus without operation", [](CCalcDlg& d) { d.OnSetFocus(kMilliwattsToDbm); }, 0, {}, {}, {}},
    {"refused paste", [](CCalcDlg& d) { d.OnPaste("abc"); }, 0, {}, {}, {}},
    {"pad typed", [](CCalcDlg& d) { d.OnPadTyped("note"); }, 1, {kScratchPad}, {}, {}},
    {"pad edited alike", [](CCalcDlg& d) { d.OnPadEdited(""); }, 0, {}, {}, {}},
    {"copy", [](CCalcDlg& d) { d.OnCopy(kDisplay); }, 0, {}, {}, {}},
};

class OneNotificationPerAct : public ::testing::TestWithParam<ActCase> {};

TEST_P(OneNotificationPerAct, NamesWhatChanged) {
    CountingWindow window;
    TestDialog dialog{window};
    window.state = &dialog.state();
    dialog.OnInitDialog();
    dialog.OnClicked(kDigit1);  // "1"
    dialog.OnClicked(kDigit2);  // "2"
    window = CountingWindow{};
    window.state = &dialog.state();
    const ActCase& c = GetParam();
    c.act(dialog);
    EXPECT_EQ(window.notifications, c.notifications);
    if (c.notifications == 0) return;
    EXPECT_EQ(window.texts, c.texts);
    EXPECT_EQ(window.captions, c.captions);
    EXPECT_EQ(window.checks, c.checks);
}

INSTANTIATE_TEST_SUITE_P(Acts, OneNotificationPerAct, ::testing::ValuesIn(kActs),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) c = std::isalnum(c) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace varnock::testing
