// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomCommands.h"

#include <array>
#include <random>
#include <string_view>

#include "form/ControlIds.h"
#include "ui/BoxNames.h"
#include "ui/Layout.h"
#include "ui/WindowRules.h"

namespace varnock::testing {
namespace {

// The keys a command may press, the closing Escape apart.
// clang-format off
constexpr std::array<std::string_view, 22> kKeys = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "+", "-", "*", "/", "=",
    "Return", "Return", "Backspace", "Backspace", "Delete", "5"};
// clang-format on

// The lines a run repeats: digits by key and by mouse (the "0" key), the point.
constexpr std::array<std::string_view, 5> kRunLines = {"key 0", "key 7", "click 1091", "key .",
                                                       "key 9"};

// Clipboard texts: numbers the display takes, and some it refuses.
constexpr std::array<std::string_view, 12> kPastes = {"12.5", "-0",  "1e3", ".5", " 7 ", "3.",
                                                      "+2",   "1,5", "abc", "",   "1e",  "9 V"};

// Pieces of pad text: digits, words, blanks and characters outside ASCII.
constexpr std::array<std::string_view, 8> kTypings = {
    "12", "note ", "f=146.52 MHz", "", "\xc2\xb5V", "\xe2\x84\xa6 load", "  ", "x"};

// The lengths of the random sessions, in commands.
constexpr std::size_t kCommandsPerScript = 60;
constexpr std::size_t kCommandsPerPadScript = 150;

// What a pad session puts in place of every other command: long lines, many
// lines, tabs and characters beyond ASCII, typed or pasted, often after the
// focus has been elsewhere.
constexpr std::string_view kPadCommands[] = {
    "focus 1221",
    "key Return",
    "key Backspace",
    "key 7",
    "click 1103",
    "type a line of notes that runs on past the pad's right edge ",
    "type x\ty",
    "type \xc2\xb5V \xe2\x84\xa6",  // "µV Ω"
    "type \xf0\x9f\x93\xbb",        // a radio, beyond the first plane
    "type e\xcc\x81",               // "e" and a combining acute accent
    "type \xe2\x80\xa9",            // a paragraph separator
    "type \xc2\xa0\xe2\x80\xa8",    // a no-break space, a line separator
    "type \xcd\xb8",                // U+0378, not assigned yet
    "paste 1,5 V\t\xc2\xb5",        // Ctrl+V in the pad: the text at the caret
    "paste \xe2\x80\xa9 12",        // a paragraph separator in the pasted text
    "copy",                         // the pad's own copy: nothing is selected
    "copy 1007",
    "key Delete",
};

class Generator {
public:
    Generator(std::uint32_t seed, const RandomCommandOptions& options)
        : m_random(seed), m_options(options) {
        for (const ControlSpec& control : controls()) {
            if (control.id == kUnaddressed) continue;
            if (takesClicks(control) && control.id != kCloseButton)
                m_clickable.push_back(control.id);
            // Return on a focused "CLOSE" would end the session as well.
            if (takesFocus(control) && (options.allowClose || control.id != kCloseButton)) {
                m_focusable.push_back(control.id);
            }
            if (isCopyableBox(control)) m_copyable.push_back(control.id);
        }
    }

    std::string next() {
        if (m_runLeft > 0) {
            --m_runLeft;
            return m_runLine;
        }
        if (m_options.keyRuns && pick(1000) < 4) return startRun();
        const int roll = pick(1000);
        if (roll < 560) return "click " + std::to_string(m_clickable[pick(m_clickable.size())]);
        if (roll < 700) return "focus " + std::to_string(m_focusable[pick(m_focusable.size())]);
        if (roll < 915) return "key " + std::string(kKeys[pick(kKeys.size())]);
        if (roll < 925) return copy();
        if (roll < 940) return "paste " + std::string(kPastes[pick(kPastes.size())]);
        if (roll < 975) return "type " + std::string(kTypings[pick(kTypings.size())]);
        if (roll < 985) return "menu about";
        if (roll < 998 || !m_options.allowClose) return m_options.allowDump ? "dump" : "key 1";
        switch (pick(3)) {
            case 0:
                return "click " + std::to_string(kCloseButton);
            case 1:
                return "key Escape";
            default:
                return "menu close";
        }
    }

private:
    // Ctrl+C now and then, a box's menu more often.
    std::string copy() {
        if (pick(3) == 0) return "copy";
        return "copy " + std::to_string(m_copyable[pick(m_copyable.size())]);
    }

    std::string startRun() {
        m_runLine = std::string(kRunLines[pick(kRunLines.size())]);
        m_runLeft = 19 + pick(61);
        return m_runLine;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random);
    }

    std::mt19937 m_random;
    RandomCommandOptions m_options;
    std::vector<int> m_clickable;
    std::vector<int> m_focusable;
    std::vector<int> m_copyable;
    std::string m_runLine;
    std::size_t m_runLeft = 0;
};

}  // namespace

std::vector<std::string> randomCommands(std::uint32_t seed, std::size_t count,
                                        const RandomCommandOptions& options) {
    Generator generator(seed, options);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) lines.push_back(generator.next());
    return lines;
}

std::string randomSessionScript(std::uint32_t seed, bool padWork) {
    RandomCommandOptions options;
    options.allowClose = true;
    std::vector<std::string> commands =
        randomCommands(seed, padWork ? kCommandsPerPadScript : kCommandsPerScript, options);
    if (padWork) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(kPadCommands) - 1);
        for (std::size_t i = 0; i < commands.size(); i += 2) {
            commands[i] = kPadCommands[pick(random)];
        }
    }
    std::string script;
    for (const std::string& line : commands) script += line + '\n';
    return script;
}

}  // namespace varnock::testing
