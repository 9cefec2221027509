// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/ConsoleProgram.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "console/Command.h"
#include "console/Session.h"

namespace varnock::console {

ConsoleProgram::ConsoleProgram(CommandTarget& target, std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_target(target) {}

void ConsoleProgram::run(int fd, std::string_view inputName) {
    m_prefix = inputName.empty() ? std::string() : std::string(inputName) + ": ";
    m_lineNumber = 0;
    LineReader reader(fd, [this] { m_out.flush(); });
    LineReader::Line line;
    while (!isClosed() && reader.next(line)) {
        ++m_lineNumber;
        runLine(line);
    }
    if (reader.error() != 0) {
        m_anyError = true;
        m_out.flush();
        m_err << m_prefix << "line " << m_lineNumber + 1
              << ": cannot read: " << std::strerror(reader.error()) << std::endl;
    }
}

void ConsoleProgram::runLine(const LineReader::Line& line) {
    // The limit does not count the line end, a carriage return before the
    // line feed included; the parser drops that carriage return.
    const std::size_t lineEnd = line.text.ends_with('\r') ? 1 : 0;
    if (line.tooLong || line.text.size() - lineEnd > LineReader::kMaxLineBytes) {
        report("the line is longer than " + std::to_string(LineReader::kMaxLineBytes) +
               " bytes and is skipped");
        return;
    }
    const ParsedLine parsed = parseLine(line.text);
    if (const auto* error = std::get_if<LineError>(&parsed)) {
        report(error->message);
    } else if (const auto* command = std::get_if<Command>(&parsed)) {
        if (Refusal refusal = m_target.perform(*command)) report(*refusal);
    }
}

void ConsoleProgram::report(std::string_view message) {
    m_anyError = true;
    m_out.flush();  // keeps events and errors in order on a terminal
    m_err << m_prefix << "line " << m_lineNumber << ": " << message << std::endl;
}

void ConsoleProgram::reportUnopened(std::string_view inputName, int errorNumber) {
    m_anyError = true;
    m_out.flush();
    m_err << inputName << ": cannot open: " << std::strerror(errorNumber) << std::endl;
}

int runCommands(std::span<const std::string_view> files, CommandTarget& target, std::ostream& out,
                std::ostream& err) {
    ConsoleProgram program(target, out, err);
    if (files.empty()) {
        program.run(STDIN_FILENO, {});
    }
    for (std::string_view name : files) {
        if (program.isClosed()) break;
        const std::string path(name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            program.reportUnopened(name, errno);
            continue;
        }
        program.run(fd, name);
        ::close(fd);
    }
    out.flush();
    if (!out) {
        // The events are lost: a run whose output did not arrive has failed.
        err << "cannot write the standard output" << std::endl;
        return ConsoleProgram::kErrors;
    }
    return program.exitStatus();
}
int runConsole(std::span<const std::string_view> files, std::ostream& out, std::ostream& err) {
    Session session(out);
    return runCommands(files, session, out, err);
}

}  // namespace varnock::console
