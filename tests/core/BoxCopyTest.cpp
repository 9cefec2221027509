// SPDX-License-Identifier: GPL-3.0-or-later
// What Copy and "Copy All Results" take from the boxes, and how the control
// table groups the boxes into panels and names them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "FakeWindow.h"
#include "form/ControlIds.h"
#include "ui/BoxNames.h"

namespace varnock::testing {
namespace {

TEST(Panels, EveryCopyableBoxLiesInOnePanel) {
    std::map<std::string_view, int> boxesPerPanel;
    std::set<int> listed;
    for (const ControlSpec& control : controls()) {
        if (!isCopyableBox(control)) continue;
        const ControlSpec* panel = panelOf(control);
        ASSERT_NE(panel, nullptr) << control.id;
        ++boxesPerPanel[panel->caption];
        const auto members = boxesOf(*panel);
        EXPECT_NE(std::find(members.begin(), members.end(), &control), members.end()) << control.id;
        for (const ControlSpec* box : members) listed.insert(box->id);
    }
    EXPECT_EQ(listed.size(), 25u);
    EXPECT_FALSE(listed.contains(kScratchPad));
    EXPECT_FALSE(listed.contains(kPointAllowedBox));  // a hidden box
    const std::map<std::string_view, int> expected = {
        {"   Data Input Module   ", 1},
        {"Power Ratio", 3},
        {"Free Space Path Loss", 3},
        {"Line of Sight to Horizon", 2},
        {"Antenna Length Cutting", 2},
        {"Beam Tilt Calculator", 7},
        {"VSWR using a Wattmeter ( 50 Ohm Transmission Line)", 7},
    };
    EXPECT_EQ(boxesPerPanel, expected);
}

TEST(ResultLine, DropsMnemonicMarksTrailingColonsAndBlanks) {
    EXPECT_EQ(resultLine("Return Loss (dB)", "", "13.9794000867204"),
              "Return Loss (dB): 13.9794000867204");
    EXPECT_EQ(resultLine("Radio Horizon:", "kms", "12.5"), "Radio Horizon (kms): 12.5");
    EXPECT_EQ(resultLine("  Level && Gain :", "dBm && W", "-3"), "Level & Gain (dBm & W): -3");
    EXPECT_EQ(resultLine("Display", "", ""), "Display: ");
}

// The window holds a few texts longer than the box shows (the tooltip case)
// or than the calculator reads (63 characters): a copy takes them whole.
TEST(Copy, TakesTheBoxsWholeText) {
    Calculator calc;
    calc.type("100.");
    calc.takeEvents();
    EXPECT_EQ(calc.dialog.OnCopy(kDisplay), "100.");
    calc.setBox(kVswrReturnLossBox, "-1.23456789012346e-308");
    EXPECT_EQ(calc.dialog.OnCopy(kVswrReturnLossBox), "-1.23456789012346e-308");
    const std::string longer(80, '7');
    calc.setBox(kTiltUpperLobeBox, longer);
    EXPECT_EQ(calc.dialog.OnCopy(kTiltUpperLobeBox), longer);
    EXPECT_TRUE(calc.takeEvents().empty());  // no beep, no focus move
}

TEST(Copy, OnlyTheDisplayAndTheReadOnlyBoxes) {
    Calculator calc;
    calc.setBox(kScratchPad, "note");
    for (int id : {kScratchPad, kPointAllowedBox, kFreshEntryBox, kSightHeightUnitLabel,
                   kMathEquals, kPathLossGroup, 0, -1, 99999}) {
        EXPECT_EQ(calc.dialog.OnCopy(id), "") << id;
        EXPECT_EQ(calc.dialog.OnCopyAllResults(id), "") << id;
    }
}

TEST(CopyAllResults, VswrPanelInTableOrder) {
    Calculator calc;
    calc.enter("100", kVswrForwardEnter);
    calc.enter("4", kVswrReflectedEnter);
    calc.click(kVswrCalculate);
    const std::string expected =
        "Forward Power: 100\n"
        "Reflected Power: 4\n"
        "VSWR: 1.5\n"
        "Return Loss (dB): 13.9794000867204\n"
        "Ref. Coefficient: 0.2\n"
        "Zmax (Ohms): 75\n"
        "Zmin (Ohms): 33.3333333333333";
    // Any box of the panel copies the whole panel.
    for (int box : {kVswrForwardBox, kVswrReturnLossBox, kVswrZminBox})
        EXPECT_EQ(calc.dialog.OnCopyAllResults(box), expected);
}

TEST(CopyAllResults, TheDisplayIsAPanelOfItsOwn) {
    Calculator calc;
    calc.type("2.50");
    EXPECT_EQ(calc.dialog.OnCopyAllResults(kDisplay), "Display: 2.50");
}

struct PanelCase {
    const char* name;
    std::vector<int> clicks;
    int box;
    const char* lines;
};

void PrintTo(const PanelCase& c, std::ostream* out) { *out << c.name; }

class CopyAllResultsUnits : public ::testing::TestWithParam<PanelCase> {};

// Units and captions as the window shows them after the unit radios moved.
TEST_P(CopyAllResultsUnits, FollowTheWindowsCaptions) {
    Calculator calc;
    for (int id : GetParam().clicks) calc.click(id);
    EXPECT_EQ(calc.dialog.OnCopyAllResults(GetParam().box), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, CopyAllResultsUnits,
    ::testing::Values(
        PanelCase{"path loss in kms",
                  {},
                  kPathLossBox,
                  "Frequency (In mHz): 0\nDistance (kms): 0\nPath Loss in dB: 0"},
        PanelCase{"path loss in miles",
                  {kPathLossMiles},
                  kPathLossFrequencyBox,
                  "Frequency (In mHz): 0\nDistance (miles): 0\nPath Loss in dB: 0"},
        PanelCase{"line of sight, metric",
                  {},
                  kSightDistanceBox,
                  "Antenna Height (In Meters): 0\nDistance to Horizon (In Kilometers): 0"},
        PanelCase{"line of sight, standard",
                  {kSightStandard},
                  kSightHeightBox,
                  "Antenna Height (In Feet): 0\nDistance to Horizon (In Miles): 0"},
        PanelCase{"antenna cut, standard",
                  {kCutStandard},
                  kCutLengthBox,
                  "Freq (mHz): 0\nCut Antenna to (Inches): 0"},
        PanelCase{"beam tilt, standard",
                  {kTiltStandard},
                  kTiltHorizonBox,
                  "Ant. HAAT (feet): 0\nV. Beamwidth (deg): 0\nDown Tilt (degrees): 0\n"
                  "Radio Horizon (mi.): 0\nMain Lobe (mi.): 0\nLower 3dB Lobe (mi.): 0\n"
                  "Upper 3dB Lobe (mi.): 0"},
        PanelCase{"power ratio, Pout mode",
                  {kPowerForOutput},
                  kPowerRatioBox,
                  "Power Ratio (dB): 0\nPower Input: 0\nPower Output: 0"},
        PanelCase{"back to the start",
                  {kSightStandard, kPowerForOutput, kClearAll},
                  kPowerInputBox,
                  "Power Input: 0\nPower Output: 0\nPower Ratio (dB): 0"}));

}  // namespace
}  // namespace varnock::testing
