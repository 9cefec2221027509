// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a benchmark's subject as a child process and measures it from the
// moment before it is started to the moment it has ended.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnock::bench {

struct ChildRequest {
    std::vector<std::string> arguments;    // the program first
    std::vector<std::string> environment;  // NAME=VALUE, added to this process's own
    bool captureOutput = false;            // standard output into ChildResult::output
};

struct ChildResult {
    std::int64_t startNs = 0;  // CLOCK_MONOTONIC just before the child was started
    double wallSeconds = 0;    // from startNs until the child had ended
    double cpuSeconds = 0;     // user and system time of the child
    double peakRssMb = 0;      // the child's peak resident memory
    int exitStatus = -1;       // the exit status, or -1 when a signal ended it
    std::string output;
};

// CLOCK_MONOTONIC in nanoseconds: one clock for every process of the machine.
std::int64_t monotonicNs();

// Starts the program, waits for its end and measures it. Standard input and
// standard error are /dev/null, and so is standard output unless it is
// captured. Throws std::runtime_error when the program cannot be started.
ChildResult runChild(const ChildRequest& request);

}  // namespace varnock::bench
