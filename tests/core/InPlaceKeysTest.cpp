// SPDX-License-Identifier: GPL-3.0-or-later
// What every in-place key has in common: the result replaces the display and
// finishes the entry; a refusal shows its message over the rejected input,
// clears the display and leaves the entry as it was.
#include "InPlaceKeys.h"

#include <cmath>
#include <cstdlib>

#include "FakeWindow.h"
#include "form/ControlIds.h"

namespace varnock::testing {

namespace {
void printKeys(const char* keys, const std::vector<int>& ids, std::ostream* out) {
    *out << '"' << keys << '"';
    for (int id : ids) *out << ' ' << id;
}
}  // namespace

void PrintTo(const KeyCase& c, std::ostream* out) { printKeys(c.keys, c.ids, out); }
void PrintTo(const NearCase& c, std::ostream* out) { printKeys(c.keys, c.ids, out); }
void PrintTo(const RefusalCase& c, std::ostream* out) { printKeys(c.keys, {c.id}, out); }

TEST_P(InPlaceResult, ShowsTheResultWithoutAMessage) {
    Calculator calc;
    calc.type(GetParam().keys);
    calc.takeEvents();
    for (int id : GetParam().ids) calc.click(id);
    EXPECT_EQ(calc.display(), GetParam().display);
    EXPECT_TRUE(calc.takeEvents().empty());
    EXPECT_EQ(calc.record().m_freshEntry, 1);
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
}

TEST_P(InPlaceNearResult, ShowsTheResultWithoutAMessage) {
    Calculator calc;
    calc.type(GetParam().keys);
    calc.takeEvents();
    for (int id : GetParam().ids) calc.click(id);
    const double shown = std::strtod(calc.display().c_str(), nullptr);
    EXPECT_NEAR(shown, GetParam().value, std::abs(GetParam().value) * GetParam().relativeTolerance)
        << calc.display();
    EXPECT_TRUE(calc.takeEvents().empty());
}

TEST_P(InPlaceRefusal, ShowsTheMessageThenZeroAndKeepsTheEntry) {
    Calculator calc;
    calc.type(GetParam().keys);
    calc.takeEvents();
    const std::string input = calc.display();
    const FormRecord before = calc.record();

    calc.click(GetParam().id);

    EXPECT_EQ(calc.takeEvents(),
              std::vector<std::string>{std::string("exclamation: ") + GetParam().message});
    EXPECT_EQ(calc.window.displayDuringMessage, input);
    EXPECT_EQ(calc.display(), "0");
    EXPECT_EQ(calc.record().m_display, 0.0);
    EXPECT_EQ(calc.record().m_freshEntry, before.m_freshEntry);
    EXPECT_EQ(calc.record().m_pointAllowed, before.m_pointAllowed);
}

namespace {

TEST(InPlaceEntry, ARefusalWhileEditingAfterAPointKeepsThePoint) {
    Calculator calc;
    calc.type("0.");  // "00.": a point typed, the value still zero
    calc.click(kMathLog);
    EXPECT_EQ(calc.record().m_freshEntry, 0);
    EXPECT_EQ(calc.record().m_pointAllowed, 0.0);
    calc.takeEvents();
    calc.type(".");
    EXPECT_EQ(calc.takeEvents(), (std::vector<std::string>{"beep", "focus"}));
    calc.type("5");
    EXPECT_EQ(calc.display(), "5");  // appended to the "0" the refusal left
}

TEST(InPlaceEntry, ARefusalAfterAResultLeavesTheResultStateForTheNextKey) {
    Calculator calc;
    calc.type("5~=");
    calc.click(kMilliwattsToDbm);
    EXPECT_EQ(calc.display(), "0");
    calc.type("0");
    EXPECT_EQ(calc.display(), "0");  // a new number, not "00"
    calc.type("0");
    EXPECT_EQ(calc.display(), "00");
}

TEST(InPlaceEntry, TheEntryResetFollowsTheShowSoTheHiddenBoxesLag) {
    Calculator calc;
    calc.type("2.");
    calc.click(kMilliwattsToDbm);
    EXPECT_EQ(calc.display(), "3.01029995663981");
    EXPECT_EQ(calc.box(kPointAllowedBox), "0");
    EXPECT_EQ(calc.box(kFreshEntryBox), "0");
    EXPECT_EQ(calc.record().m_pointAllowed, 1.0);
    EXPECT_EQ(calc.record().m_freshEntry, 1);
    calc.type("7");
    EXPECT_EQ(calc.display(), "7");  // a new number after the result
}

TEST(InPlaceEntry, TheOperandIsTheDisplayedTextNotTheStoredValue) {
    Calculator calc;
    calc.type("1");
    calc.clicks({kMetersToFeet, kFeetToMeters});  // meter > feet, feet > meter
    // 3.28083333333333 as shown, not the unrounded 3.2808333333333333.
    EXPECT_EQ(calc.display(), "0.999997999999999");
}

TEST(InPlaceEntry, TextThatIsNotANumberReadsAsZero) {
    Calculator calc;
    calc.setBox(kDisplay, "volts");
    calc.click(kKelvinToCelsius);
    EXPECT_EQ(calc.display(), "-273.16");
}

TEST(InPlaceChain, FunctionsConversionsAndArithmeticCombine) {
    Calculator calc;
    calc.type("30");
    calc.click(kMathSin);  // SIN in degrees
    EXPECT_EQ(calc.display(), "0.5");
    calc.type("+100");
    calc.click(kMilliwattsToDbm);
    EXPECT_EQ(calc.display(), "20");
    calc.type("=");
    EXPECT_EQ(calc.display(), "20.5");
    calc.click(kCelsiusToFahrenheit);  // C > F
    EXPECT_EQ(calc.display(), "68.9");
    calc.type("*2=");
    EXPECT_EQ(calc.display(), "137.8");
    calc.click(kMathSquare);  // SQR
    EXPECT_EQ(calc.display(), "18988.84");
    for (const std::string& event : calc.takeEvents()) EXPECT_EQ(event, "focus");  // no message
}

}  // namespace
}  // namespace varnock::testing
