// SPDX-License-Identifier: GPL-3.0-or-later
// The plain-word descriptions cover every control a user meets, name the
// right keyboard keys, and explain the captions that would mislead.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "app/Routing.h"
#include "form/ControlIds.h"
#include "ui/Descriptions.h"
#include "ui/Layout.h"

namespace varnock {
namespace {

bool isDescribedKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::RadioButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::Edit ||
           kind == ControlKind::MultiLineEdit;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

TEST(Descriptions, EveryVisibleKeyRadioCheckBoxAndBoxHasOne) {
    for (const ControlSpec& control : controls()) {
        const bool wanted = control.isVisible() && isDescribedKind(control.kind);
        const std::string_view text = describeControl(control.id);
        EXPECT_EQ(!text.empty(), wanted) << control.id;
        if (!wanted) continue;
        // More than the caption again, and no mnemonic marks.
        EXPECT_NE(text, plainCaption(control.caption)) << control.id;
        EXPECT_FALSE(contains(text, "&")) << control.id;
        EXPECT_NE(text.front(), ' ') << control.id;
        EXPECT_EQ(text.back(), '.') << control.id;
    }
}

TEST(Descriptions, EveryRowNamesOneShownControl) {
    std::set<int> seen;
    for (const ControlDescription& row : controlDescriptions()) {
        EXPECT_TRUE(seen.insert(row.id).second) << "twice: " << row.id;
        const ControlSpec* control = findControl(row.id);
        ASSERT_NE(control, nullptr) << row.id;
        EXPECT_TRUE(control->isVisible()) << row.id;
        EXPECT_EQ(describeControl(row.id), row.text);
    }
    EXPECT_TRUE(describeControl(kUnaddressed).empty());
    EXPECT_TRUE(describeControl(0).empty());
}

// A visible key and its hidden twin run one operation; the key's description
// names the keyboard key that is the twin's mnemonic.
TEST(Descriptions, KeysNameTheKeyboardKeyOfTheirTwin) {
    int checked = 0;
    for (const ControlSpec& twin : controls()) {
        if (twin.kind != ControlKind::PushButton || twin.isVisible()) continue;
        const std::string named = std::string("Keyboard: ") + mnemonicOf(twin.caption);
        for (const ControlSpec& key : controls()) {
            if (!key.isVisible() || findClickHandler(key.id) != findClickHandler(twin.id)) continue;
            EXPECT_TRUE(contains(describeControl(key.id), named)) << key.id << " " << named;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 16);
}

// Boxes that only the calculator writes say so; the pad takes typing.
TEST(Descriptions, BoxesSayWhetherTheyTakeTyping) {
    for (const ControlSpec& control : controls()) {
        const bool isBox =
            control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit;
        if (!isBox || !control.isVisible()) continue;
        const bool readOnly = findFocusHandler(control.id) != nullptr;
        EXPECT_EQ(contains(describeControl(control.id), "Read-only"), readOnly) << control.id;
    }
}

// The captions that say less than they do, or other than they mean, and the
// boxes whose unit no caption beside them gives.
struct Explanation {
    int id;
    std::string_view must;
};

void PrintTo(const Explanation& explanation, std::ostream* out) {
    *out << explanation.id << " \"" << explanation.must << '"';
}

class DescriptionExplains : public testing::TestWithParam<Explanation> {};

TEST_P(DescriptionExplains, TheCaption) {
    EXPECT_TRUE(contains(describeControl(GetParam().id), GetParam().must))
        << GetParam().id << " lacks \"" << GetParam().must << '"';
}

INSTANTIATE_TEST_SUITE_P(
    MisleadingCaptions, DescriptionExplains,
    testing::Values(
        Explanation{kMathSquare, "x²"}, Explanation{kMathSquare, "not a square root"},
        Explanation{kHertzToMegahertz, "megahertz (MHz)"},
        Explanation{kMathTenToX, "Ten to the power"}, Explanation{kMathReciprocal, "1 divided by"},
        Explanation{kMathSubtract, "Subtract"}, Explanation{kMathMultiply, "Multiply"},
        Explanation{kPadExit, "does not close"}, Explanation{kMicrovoltsToDbmv, "75 ohm"},
        Explanation{kDbmvToMicrovolts, "75 ohm"}, Explanation{kMillivoltsToDbmv, "75 ohm"},
        Explanation{kDbmvToMillivolts, "75 ohm"}, Explanation{kVoltsToDbmv, "75 ohm"},
        Explanation{kDbmvToVolts, "75 ohm"},
        Explanation{kCelsiusToFahrenheit, "Celsius to degrees Fahrenheit"},
        Explanation{kKelvinToFahrenheit, "Kelvins to degrees Fahrenheit"},
        Explanation{kCelsiusToKelvin, "273.16"}, Explanation{kKelvinToCelsius, "273.16"},
        Explanation{kPowerInputHelp, "how to enter"}, Explanation{kClearAll, "scratch pad keeps"}));

INSTANTIATE_TEST_SUITE_P(
    UnitsOfBoxes, DescriptionExplains,
    testing::Values(Explanation{kPathLossFrequencyBox, "megahertz"},
                    Explanation{kCutFrequencyBox, "megahertz"},
                    Explanation{kPathLossDistanceBox, "kilometres or miles"},
                    Explanation{kPathLossBox, "decibels"},
                    Explanation{kSightHeightBox, "metres (Metric) or feet (Standard)"},
                    Explanation{kSightDistanceBox, "kilometres (Metric) or miles (Standard)"},
                    Explanation{kCutLengthBox, "centimetres (metric) or inches (standard)"},
                    Explanation{kTiltBeamwidthBox, "degrees"},
                    Explanation{kTiltDowntiltBox, "degrees"},
                    Explanation{kVswrReturnLossBox, "decibels"}, Explanation{kVswrZmaxBox, "ohms"},
                    Explanation{kVswrZminBox, "ohms"}, Explanation{kVswrBox, "plain ratio"}));

}  // namespace
}  // namespace varnock
