// SPDX-License-Identifier: GPL-3.0-or-later
// Random but valid console commands, chosen from the control table, for the
// tests that drive long random sessions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnock::testing {

struct RandomCommandOptions {
    // Also "click 58112", "key Escape" and "menu close", which end a session.
    bool allowClose = false;
    // Also "dump" now and then.
    bool allowDump = true;
    // Now and then a run of 20 to 80 presses of one keypad key, enough to
    // fill the display to its limit.
    bool keyRuns = false;
};

// count command lines from a seeded generator: the same seed gives the same
// lines on every machine.
std::vector<std::string> randomCommands(std::uint32_t seed, std::size_t count,
                                        const RandomCommandOptions& options = {});

// A whole random session, one command a line, closes allowed: the script
// that the replays of the real window and of the web page play against the
// console. A pad session works the scratch pad hard, which the generator
// seldom does: every other command is one of long lines, many lines, tabs
// and characters beyond ASCII, typed or pasted.
std::string randomSessionScript(std::uint32_t seed, bool padWork);

}  // namespace varnock::testing
