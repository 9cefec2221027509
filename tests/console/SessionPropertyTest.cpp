// SPDX-License-Identifier: GPL-3.0-or-later
// Long random sessions of valid commands. After every single command the
// window must show only what the calculator's own rules produce: one mark per
// radio group, every panel box showing its field, a display that reads back
// as its number, entry flags untouched by a refusal, and a scratch pad that
// only typing and "Clear" change.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "RandomCommands.h"
#include "console/Command.h"
#include "console/Session.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"
#include "text/Utf8.h"
#include "ui/Layout.h"
#include "ui/WindowRules.h"

namespace varnock::console {
namespace {

constexpr std::string_view kVerHoriz = "VER HORIZ";

// What a step must leave alone unless it is allowed to change it.
struct Before {
    std::string pad;
    std::string display;
    int focus;
    int freshEntry;
    double pointAllowed;

    explicit Before(const Session& session)
        : pad(session.window().text(kScratchPad)),
          display(session.window().text(kDisplay)),
          focus(session.window().focus()),
          freshEntry(session.record().m_freshEntry),
          pointAllowed(session.record().m_pointAllowed) {}
};

// How often the rules' exceptions came up, so that a run which never reached
// them cannot pass unnoticed.
struct Coverage {
    long refusals = 0;
    long verHoriz = 0;
    long displayTyping = 0;  // the display's text differs from its field's
    long fullDisplay = 0;    // the display's text is as long as it may be
    long padChanges = 0;
    long backspaceEdits = 0;  // Backspace took a character from the display
    long pastedNumbers = 0;   // the display took a pasted number
};

bool hasLineStarting(const std::string& events, std::string_view start) {
    std::istringstream lines(events);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(start)) return true;
    }
    return false;
}

// A keypad refusal beeps; a refused panel key shows the exclamation box.
// Beeps that are no refusal (the focus bounce, "Clear") touch no flag either.
bool isRefusal(const std::string& events) {
    return hasLineStarting(events, "beep") || hasLineStarting(events, "message exclamation ");
}

// The pad's text after command, or nullopt when the pad must stay as it was.
std::optional<std::string> padAfter(const Command& command, const Before& before) {
    if (const auto* type = std::get_if<TypeCommand>(&command)) return before.pad + type->text;
    if (const auto* paste = std::get_if<PasteCommand>(&command)) {
        if (before.focus == kScratchPad) return before.pad + paste->text;
        return std::nullopt;
    }
    if (const auto* click = std::get_if<ClickCommand>(&command)) {
        if (click->control.value == kPadClear) return std::string();
        return std::nullopt;
    }
    const auto* key = std::get_if<KeyCommand>(&command);
    if (key == nullptr) return std::nullopt;
    if (before.focus != kScratchPad) {
        // Return presses "Clear" while it holds the focus.
        const bool pressesClear =
            key->key.kind == WindowKey::Return && returnKeyButton(before.focus) == kPadClear;
        return pressesClear ? std::optional<std::string>("") : std::nullopt;
    }
    std::string pad = before.pad;
    switch (key->key.kind) {
        case WindowKey::Character:
            pad += key->key.character;
            break;
        case WindowKey::Return:
            pad += '\n';
            break;
        case WindowKey::Backspace:
            text::removeLastCharacter(pad);
            break;
        case WindowKey::Delete:  // nothing follows the caret
        case WindowKey::Escape:
            break;
    }
    return pad;
}

// The display reads back, through strtod, as the number the record holds
// (a not-a-number as any not-a-number): typed zeros and a typed point may
// make its text differ from the record's, never its value.
std::string checkDisplay(const std::string& text, double display) {
    if (text.size() > kMaxBoxText)
        return "the display holds " + std::to_string(text.size()) + " characters";
    const double shown = parseNumber(text);
    const bool same =
        std::isnan(display) ? std::isnan(shown) : formatDouble(shown) == formatDouble(display);
    if (same) return {};
    return "the display reads \"" + text + "\" but holds " + formatDouble(display);
}

class RuleChecker {
public:
    explicit RuleChecker(Coverage& coverage) : m_coverage(coverage) {}

    // Every broken rule after command, one line each; empty when all hold.
    std::string check(const Session& session, const Command& command, const Before& before,
                      const std::string& events) {
        m_broken.clear();
        checkRadioGroups(session.window());
        checkBoxes(session);
        checkFocus(session.window());
        checkRefusal(session, before, events);
        checkPad(session, command, before);
        checkDisplayEdit(session, command, before, events);
        return m_broken;
    }

private:
    void broken(const std::string& rule) { m_broken += "  " + rule + "\n"; }

    void checkRadioGroups(const ConsoleWindow& window) {
        for (const RadioGroup& group : radioGroups()) {
            int checked = 0;
            for (int id : group.members) checked += window.checkState(id) == 1 ? 1 : 0;
            if (checked != 1) {
                broken("radio group of " + std::to_string(group.defaultMember()) + " has " +
                       std::to_string(checked) + " checked");
            }
        }
    }

    void checkBoxes(const Session& session) {
        const FormRecord& record = session.record();
        for (const FieldBinding& field : formFields()) {
            if (!findControl(field.box)->isVisible()) continue;
            const std::string& text = session.window().text(field.box);
            const std::string expected = field.text(record);
            if (field.box == kDisplay) {
                if (text != expected) ++m_coverage.displayTyping;
                if (text.size() == kMaxBoxText) ++m_coverage.fullDisplay;
                if (std::string fault = checkDisplay(text, record.m_display); !fault.empty()) {
                    broken(fault);
                }
            } else if (field.box == kTiltUpperLobeBox && text.ends_with(kVerHoriz)) {
                ++m_coverage.verHoriz;
                if (text != "0" + std::string(kVerHoriz) || expected != "0") {
                    broken("box 1166 reads \"" + text + "\" with its field at " + expected);
                }
            } else if (text != expected) {
                broken("box " + std::to_string(field.box) + " reads \"" + text +
                       "\" but its field is " + expected);
            }
        }
    }

    void checkFocus(const ConsoleWindow& window) {
        const ControlSpec* focused = findControl(window.focus());
        if (focused != nullptr && focused->kind == ControlKind::Edit) {
            broken("the focus rests on the read-only box " + std::to_string(focused->id));
        }
    }

    void checkRefusal(const Session& session, const Before& before, const std::string& events) {
        if (!isRefusal(events)) return;
        ++m_coverage.refusals;
        const FormRecord& record = session.record();
        if (record.m_freshEntry != before.freshEntry ||
            record.m_pointAllowed != before.pointAllowed) {
            broken("a refusal changed the entry flags from " + std::to_string(before.freshEntry) +
                   "/" + formatDouble(before.pointAllowed) + " to " +
                   std::to_string(record.m_freshEntry) + "/" + formatDouble(record.m_pointAllowed));
        }
    }

    void checkPad(const Session& session, const Command& command, const Before& before) {
        const std::string& pad = session.window().text(kScratchPad);
        const std::string expected = padAfter(command, before).value_or(before.pad);
        if (pad != before.pad) ++m_coverage.padChanges;
        if (pad != expected) broken("the pad reads \"" + pad + "\", not \"" + expected + "\"");
    }

    // Backspace outside the pad either beeps and leaves the display, or takes
    // one character from its end; a lone sign or nothing left reads "0".
    void checkDisplayEdit(const Session& session, const Command& command, const Before& before,
                          const std::string& events) {
        if (before.focus == kScratchPad) return;
        const std::string& text = session.window().text(kDisplay);
        if (std::holds_alternative<PasteCommand>(command) && !isRefusal(events)) {
            ++m_coverage.pastedNumbers;
        }
        const auto* key = std::get_if<KeyCommand>(&command);
        if (key == nullptr || key->key.kind != WindowKey::Backspace) return;
        if (isRefusal(events)) {
            if (text != before.display) broken("a refused Backspace changed the display");
            return;
        }
        ++m_coverage.backspaceEdits;
        std::string expected = before.display.substr(0, before.display.size() - 1);
        if (expected.find_first_not_of("+-") == std::string::npos) expected = "0";
        if (text != expected) {
            broken("Backspace turned \"" + before.display + "\" into \"" + text + "\"");
        }
    }

    Coverage& m_coverage;
    std::string m_broken;
};

// Runs one seeded session, stopping at the first step that breaks a rule.
void runSession(std::uint32_t seed, std::size_t steps, Coverage& coverage) {
    std::ostringstream events;
    Session session(events);
    RuleChecker checker(coverage);
    const std::vector<std::string> lines = testing::randomCommands(seed, steps, {.keyRuns = true});
    for (std::size_t step = 0; step < lines.size(); ++step) {
        const ParsedLine parsed = parseLine(lines[step]);
        const auto* command = std::get_if<Command>(&parsed);
        ASSERT_NE(command, nullptr) << "seed " << seed << ", step " << step << ": " << lines[step];

        const Before before(session);
        events.str("");
        const Refusal refusal = session.perform(*command);
        ASSERT_FALSE(refusal.has_value())
            << "seed " << seed << ", step " << step << ": " << lines[step] << ": " << *refusal;
        const std::string broken = checker.check(session, *command, before, events.str());
        ASSERT_TRUE(broken.empty())
            << "seed " << seed << ", step " << step << " (\"" << lines[step] << "\") broke:\n"
            << broken;
    }
}

// VARNOCK_PROPERTY_SEED and VARNOCK_PROPERTY_STEPS run one other session,
// for instance a far longer one.
std::optional<unsigned long> fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::strtoul(value, nullptr, 10);
}

TEST(SessionProperties, EveryStepOfLongRandomSessionsKeepsTheWindowsRules) {
    const auto seed = fromEnvironment("VARNOCK_PROPERTY_SEED");
    const auto steps = fromEnvironment("VARNOCK_PROPERTY_STEPS");
    Coverage coverage;
    if (seed || steps) {
        runSession(static_cast<std::uint32_t>(seed.value_or(1)), steps.value_or(100000), coverage);
        return;
    }
    for (std::uint32_t seed : {1u, 2u}) {
        runSession(seed, 50000, coverage);
        if (HasFatalFailure()) return;
    }
    // The exceptions to the rules were reached, so the rules were tested there.
    EXPECT_GT(coverage.refusals, 0);
    EXPECT_GT(coverage.verHoriz, 0);
    EXPECT_GT(coverage.displayTyping, 0);
    EXPECT_GT(coverage.fullDisplay, 0);
    EXPECT_GT(coverage.padChanges, 0);
    EXPECT_GT(coverage.backspaceEdits, 0);
    EXPECT_GT(coverage.pastedNumbers, 0);
    std::cout << "refusals " << coverage.refusals << ", VER HORIZ " << coverage.verHoriz
              << ", typed display " << coverage.displayTyping << ", full display "
              << coverage.fullDisplay << ", pad changes " << coverage.padChanges
              << ", Backspace edits " << coverage.backspaceEdits << ", pasted numbers "
              << coverage.pastedNumbers << '\n';
}

}  // namespace
}  // namespace varnock::console
