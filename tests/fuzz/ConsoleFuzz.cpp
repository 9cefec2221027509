// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the console's standard input, run the
// way varnock-console runs it (line reader, parser, session). Besides the
// sanitizers' findings, it stops on an error output that breaks the
// program's contract: every error line names its input line, and the exit
// status is 2 exactly when there was one.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>

#include "console/ConsoleProgram.h"
#include "console/Session.h"

namespace {

// The events go nowhere: only how they are made matters here.
class DiscardingBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// A file that holds the input, read through a descriptor as standard input is.
int inputDescriptor(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("varnock-fuzz-input", MFD_CLOEXEC);
    if (fd < 0) std::abort();
    for (std::size_t written = 0; written < size;) {
        const ssize_t count = ::write(fd, data + written, size - written);
        if (count <= 0) std::abort();
        written += static_cast<std::size_t>(count);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) std::abort();
    return fd;
}

bool everyLineNamesItsLine(const std::string& errors) {
    std::istringstream lines(errors);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("line ")) return false;
    }
    return true;
}

void fail(const char* what, const std::string& errors) {
    std::fprintf(stderr, "%s\n--- error output ---\n%s", what, errors.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = inputDescriptor(data, size);
    DiscardingBuffer discarded;
    std::ostream out(&discarded);
    std::ostringstream err;
    {
        varnock::console::Session session(out);
        varnock::console::ConsoleProgram program(session, out, err);
        program.run(fd, {});
        const bool anyError = !err.str().empty();
        const bool failed = program.exitStatus() == varnock::console::ConsoleProgram::kErrors;
        if (anyError != failed) fail("the exit status does not match the error output", err.str());
    }
    ::close(fd);
    if (!everyLineNamesItsLine(err.str())) fail("an error line does not name its line", err.str());
    return 0;
}
