// SPDX-License-Identifier: GPL-3.0-or-later
// The control table, what is derived from it, and the routing.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <span>
#include <vector>

#include "app/Routing.h"
#include "form/ControlIds.h"
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
        EXPECT_EQ(routed, control.id != kMathDegrees && control.id != kMathRadians) << control.id;
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

// Each group's members in the order the window sets them up; the first is the
// one checked at start-up and by "CLEAR ALL".
const std::vector<int> kExpectedRadioGroups[] = {
    {kMathDegrees, kMathRadians},    // Degrees, Radians
    {kSightMetric, kSightStandard},  // line of sight: Metric, Standard
    {kCutQuarterWave, kCutThreeEighthsWave, kCutHalfWave, kCutFiveEighthsWave, kCutThreeQuarterWave,
     kCutFullWave},                                     // 1/4 ... Full
    {kPathLossKilometers, kPathLossMiles},              // path loss: kms, miles
    {kTiltMetric, kTiltStandard},                       // beam tilt: Metric, Standard
    {kPowerForRatio, kPowerForInput, kPowerForOutput},  // power ratio: dB, Pin, Pout
    {kCutMetric, kCutStandard},                         // antenna cutting: metric, standard
};

TEST(Layout, RadioGroupsComeFromTheTableInOrderWithTheirDefaultsFirst) {
    ASSERT_EQ(radioGroups().size(), std::size(kExpectedRadioGroups));
    for (std::size_t i = 0; i < radioGroups().size(); ++i) {
        const RadioGroup& group = radioGroups()[i];
        EXPECT_EQ(std::vector<int>(group.members.begin(), group.members.end()),
                  kExpectedRadioGroups[i])
            << "group " << i + 1;
        for (int id : group.members) EXPECT_EQ(radioGroupOf(id), &group) << id;
    }
    for (const ControlSpec& control : controls()) {
        EXPECT_EQ(radioGroupOf(control.id) != nullptr, control.kind == ControlKind::RadioButton)
            << control.id;
    }
}

// Each keyboard shortcut's hidden twin runs what the visible key runs.
struct TwinCase {
    char key;
    int visibleKey;
};
const TwinCase kTwinCases[] = {
    {'0', kDigit0},       {'1', kDigit1},       {'2', kDigit2},       {'3', kDigit3},
    {'4', kDigit4},       {'5', kDigit5},       {'6', kDigit6},       {'7', kDigit7},
    {'8', kDigit8},       {'9', kDigit9},       {'.', kDecimalPoint}, {'+', kMathAdd},
    {'-', kMathSubtract}, {'*', kMathMultiply}, {'/', kMathDivide},   {'=', kMathEquals},
};

TEST(Layout, EveryHiddenTwinRunsItsVisibleKeysOperation) {
    int twins = 0;
    for (const ControlSpec& control : controls()) twins += control.isHiddenTwin();
    EXPECT_EQ(twins, static_cast<int>(std::size(kTwinCases)));
    for (const TwinCase& c : kTwinCases) {
        const int twin = twinForKey(c.key);
        ASSERT_NE(twin, 0) << c.key;
        EXPECT_EQ(findControl(twin)->partner, c.visibleKey) << c.key;
        EXPECT_NE(findClickHandler(c.visibleKey), nullptr) << c.key;
        EXPECT_EQ(findClickHandler(twin), findClickHandler(c.visibleKey)) << c.key;
    }
}

// The labels of a box: the one naming it (or none, when a frame names it),
// and the one giving its unit.
struct BoxLabelCase {
    int box;
    const char* name;  // nullptr for none
    const char* unit;  // nullptr for none
};
const BoxLabelCase kBoxLabelCases[] = {
    {kPowerInputBox, "Power Input", nullptr},
    {kPowerRatioBox, "Power Ratio (dB)", nullptr},
    {kTiltHaatBox, "Ant. HAAT (meters)", nullptr},
    {kCutFrequencyBox, "Freq (mHz)", nullptr},
    {kCutLengthBox, "Cut Antenna to:", "Cm"},
    {kTiltHorizonBox, "Radio Horizon:", "kms"},
    {kTiltUpperLobeBox, "Upper 3dB Lobe:", "kms"},
    {kVswrReflectedBox, "Reflected Power", nullptr},
    {kPathLossFrequencyBox, nullptr, "In mHz"},
    {kSightHeightBox, nullptr, "In Meters"},
    {kVswrZminBox, nullptr, "Ohms"},
    {kPathLossDistanceBox, nullptr, nullptr},
    {kDisplay, nullptr, nullptr},
    {kScratchPad, nullptr, nullptr},
    {0, nullptr, nullptr},
};

void expectCaption(const ControlSpec* label, const char* caption, int box) {
    if (caption == nullptr) {
        EXPECT_EQ(label, nullptr) << box;
    } else {
        ASSERT_NE(label, nullptr) << box;
        EXPECT_EQ(label->caption, caption) << box;
    }
}

TEST(Layout, LabelsJoinTheirBoxesByIdentifier) {
    for (const BoxLabelCase& c : kBoxLabelCases) {
        expectCaption(labelOf(c.box), c.name, c.box);
        expectCaption(unitLabelOf(c.box), c.unit, c.box);
    }
    for (const ControlSpec& control : controls()) {
        if (control.kind != ControlKind::Label || control.partner == 0) continue;
        const ControlSpec* box = findControl(control.partner);
        ASSERT_NE(box, nullptr) << control.caption;
        EXPECT_TRUE(box->isReadOnlyBox()) << control.caption;
    }
}

// The calculator changes the caption of every label it addresses, and of no
// other control.
TEST(Layout, TheChangingLabelsAreTheAddressedLabels) {
    std::set<int> addressedLabels;
    for (const ControlSpec& control : controls()) {
        if (control.kind == ControlKind::Label && control.id != kUnaddressed)
            addressedLabels.insert(control.id);
    }
    const std::set<int> changing(changingLabels().begin(), changingLabels().end());
    EXPECT_EQ(changing.size(), 11u);
    EXPECT_EQ(changing, addressedLabels);
}

TEST(Layout, TwinsAndMnemonics) {
    EXPECT_EQ(twinForKey('7'), kTwinDigit7);
    EXPECT_EQ(twinForKey('='), kTwinEquals);
    EXPECT_EQ(twinForKey('*'), kTwinMultiply);
    EXPECT_EQ(twinForKey('x'), 0);
    EXPECT_EQ(defaultButtonId(), kMathEquals);
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
    EXPECT_EQ(tabStops, (std::set<int>{kMathEquals, kPathLossFrequencyBox, kPathLossDistanceBox,
                                       kPathLossBox}));
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
            if (control.isHiddenTwin() && key != 0 &&
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
