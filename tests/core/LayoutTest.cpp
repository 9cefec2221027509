// The control table and the routing tables agree with each other.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <span>
#include <vector>

#include "app/Routing.h"
#include "form/FormRecord.h"
#include "ui/Layout.h"

namespace varnock {
namespace {

TEST(Layout, IdentifiersAreUnique) {
    std::set<int> seen;
    for (const ControlSpec& control : controls()) {
        if (control.id == kUnaddressed) continue;
        EXPECT_TRUE(seen.insert(control.id).second) << control.id;
    }
}

TEST(Layout, EveryRouteNamesAControlOfTheRightKind) {
    for (const Route& route : clickRoutes()) {
        const ControlSpec* control = findControl(route.id);
        ASSERT_NE(control, nullptr) << route.id;
        EXPECT_TRUE(control->kind == ControlKind::PushButton ||
                    control->kind == ControlKind::RadioButton ||
                    control->kind == ControlKind::CheckBox)
            << route.id;
    }
    EXPECT_EQ(focusRoutes().size(), 25u);
    for (const Route& route : focusRoutes()) {
        const ControlSpec* control = findControl(route.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, ControlKind::Edit);
        EXPECT_TRUE(control->isVisible());
    }
}

TEST(Layout, EveryPushButtonAndCheckableControlIsRoutedExceptTheAngleMode) {
    for (const ControlSpec& control : controls()) {
        const bool clickable = control.kind == ControlKind::PushButton ||
                               control.kind == ControlKind::RadioButton ||
                               control.kind == ControlKind::CheckBox;
        if (!clickable) continue;
        const bool routed = findClickHandler(control.id) != nullptr;
        EXPECT_EQ(routed, control.id != 1024 && control.id != 1025) << control.id;
    }
}

TEST(Layout, EveryBoxOfTheRecordIsAnEditBox) {
    EXPECT_EQ(formFields().size(), 29u);
    int hidden = 0;
    for (const FieldBinding& field : formFields()) {
        const ControlSpec* control = findControl(field.box);
        ASSERT_NE(control, nullptr) << field.box;
        EXPECT_EQ(control->kind, ControlKind::Edit);
        hidden += control->is(kHidden);
    }
    EXPECT_EQ(hidden, 4);
}

TEST(Layout, RadioGroupsHoldEveryRadioButtonOnce) {
    std::multiset<int> members;
    for (const RadioGroup& group : radioGroups()) {
        for (int id : group.members) {
            members.insert(id);
            EXPECT_EQ(radioGroupOf(id), &group);
        }
    }
    for (const ControlSpec& control : controls()) {
        if (control.kind != ControlKind::RadioButton) continue;
        EXPECT_EQ(members.count(control.id), 1u) << control.id;
    }
    EXPECT_EQ(radioGroups().size(), 7u);
}

TEST(Layout, TwinsAndMnemonics) {
    EXPECT_EQ(twinForKey('7'), 1110);
    EXPECT_EQ(twinForKey('='), 1124);
    EXPECT_EQ(twinForKey('*'), 1112);
    EXPECT_EQ(twinForKey('x'), 0);
    EXPECT_EQ(defaultButtonId(), 1152);
    EXPECT_EQ(plainCaption("&CLEAR ALL"), "CLEAR ALL");
    EXPECT_EQ(plainCaption("dBm && Watts"), "dBm & Watts");
    EXPECT_EQ(mnemonicOf("CL&R"), 'R');
    EXPECT_EQ(mnemonicOf("dBm && Watts"), 0);
}

TEST(Layout, OnlyTheEqualsKeyAndThePathLossBoxesAreTabStops) {
    std::set<int> tabStops;
    for (const ControlSpec& control : controls()) {
        if (control.is(kTabStop)) tabStops.insert(control.id);
    }
    EXPECT_EQ(tabStops, (std::set<int>{1152, 1114, 1115, 1118}));
}

// The lookups by identifier take shortcuts through indexes; they must find
// exactly what a scan of the tables finds, for any identifier at all.
TEST(Layout, LookupsFindWhatAScanOfTheTablesFinds) {
    const auto scanControls = [](int id) -> const ControlSpec* {
        for (const ControlSpec& control : controls()) {
            if (control.id == id && id != kUnaddressed) return &control;
        }
        return nullptr;
    };
    const auto scanRoutes = [](std::span<const Route> routes, int id) -> ClickHandler {
        for (const Route& route : routes) {
            if (route.id == id) return route.handler;
        }
        return nullptr;
    };
    std::vector<int> ids = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    for (int id = -3; id < 70'000; ++id) ids.push_back(id);
    for (int id : ids) {
        ASSERT_EQ(findControl(id), scanControls(id)) << id;
        ASSERT_EQ(findClickHandler(id), scanRoutes(clickRoutes(), id)) << id;
        ASSERT_EQ(findFocusHandler(id), scanRoutes(focusRoutes(), id)) << id;
    }
    for (int key = 0; key < 256; ++key) {
        int twin = 0;
        for (const ControlSpec& control : controls()) {
            if (control.kind == ControlKind::PushButton && control.is(kHidden) && key != 0 &&
                mnemonicOf(control.caption) == static_cast<char>(key)) {
                twin = control.id;
                break;
            }
        }
        ASSERT_EQ(twinForKey(static_cast<char>(key)), twin) << key;
    }
}

}  // namespace
}  // namespace varnock
