// SPDX-License-Identifier: GPL-3.0-or-later
// The console program: runs the commands of its inputs on one target,
// reports every line that is not a command, and gives the exit status.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "console/CommandTarget.h"
#include "console/LineReader.h"

namespace varnock::console {

class ConsoleProgram {
public:
    // Exit statuses: 2 after any line that was an error, a file that could
    // not be read, or output that could not be written.
    static constexpr int kSuccess = 0;
    static constexpr int kErrors = 2;

    // Commands go to target, which prints its events to out.
    ConsoleProgram(CommandTarget& target, std::ostream& out, std::ostream& err);

    // Runs the commands read from fd. inputName is empty for standard input;
    // otherwise it is the file's name, which prefixes its error lines.
    void run(int fd, std::string_view inputName);
    // A named file that could not be opened: errorNumber is its errno.
    void reportUnopened(std::string_view inputName, int errorNumber);

    // The window has closed: no further command is read.
    bool isClosed() const { return m_target.isClosed(); }
    int exitStatus() const { return m_anyError ? kErrors : kSuccess; }

private:
    void runLine(const LineReader::Line& line);
    void report(std::string_view message);

    std::ostream& m_out;
    std::ostream& m_err;
    CommandTarget& m_target;
    bool m_anyError = false;
    std::string m_prefix;  // "FILE: " for a named file
    std::uint64_t m_lineNumber = 0;
};

// Runs the files named, in order, or standard input when none is named, on
// target, and returns the exit status.
int runCommands(std::span<const std::string_view> files, CommandTarget& target, std::ostream& out,
                std::ostream& err);

// The same on the console's own session.
int runConsole(std::span<const std::string_view> files, std::ostream& out, std::ostream& err);

}  // namespace varnock::console
