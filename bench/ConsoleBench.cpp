// SPDX-License-Identifier: GPL-3.0-or-later
// The console replaying long scripts of mixed commands: commands per second
// and peak resident memory, for scripts of different lengths, so that memory
// that grows with the script shows.
//
//   console_bench [--runs N] [--millions M,M,...] [--dir DIR] [--summary FILE]
//
// The scripts are written to DIR (default $TMPDIR or /tmp) and removed after.
// FILE collects the summary rows that tools/bench.sh prints at the end.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ChildRun.h"
#include "Figures.h"
#include "RandomCommands.h"

namespace {

using namespace varnock::bench;

struct Options {
    int runs = 3;
    std::vector<int> millions = {1, 4};
    std::string directory;
    std::string summary;
};

std::vector<int> parseList(const std::string& text) {
    std::vector<int> values;
    std::stringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) values.push_back(std::max(1, std::atoi(item.c_str())));
    return values;
}

Options parseOptions(int argc, char** argv) {
    Options options;
    const char* temporary = std::getenv("TMPDIR");
    options.directory = temporary != nullptr && *temporary != '\0' ? temporary : "/tmp";
    if (argc % 2 == 0) throw std::runtime_error("every option takes a value");
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--runs") {
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (name == "--millions") {
            options.millions = parseList(argv[i + 1]);
        } else if (name == "--dir") {
            options.directory = argv[i + 1];
        } else if (name == "--summary") {
            options.summary = argv[i + 1];
        } else {
            throw std::runtime_error("unknown option " + std::string(name));
        }
    }
    return options;
}

// Commands per chunk of the script; each chunk comes from its own seed and
// ends with one "dump", so a dump is one command in this many.
constexpr std::size_t kChunk = 1000;

// count commands of the seeded generator (clicks, focus changes, keys, pad
// typing, the About box; nothing that closes the window) with a rare dump.
std::size_t writeScript(const std::string& path, std::size_t count) {
    std::ofstream script(path, std::ios::binary | std::ios::trunc);
    varnock::testing::RandomCommandOptions options;
    options.allowDump = false;
    std::size_t written = 0;
    for (std::uint32_t seed = 1; written < count; ++seed) {
        for (const std::string& line :
             varnock::testing::randomCommands(seed, kChunk - 1, options)) {
            script << line << '\n';
        }
        script << "dump\n";
        written += kChunk;
    }
    script.flush();
    if (!script) throw std::runtime_error("cannot write " + path);
    return written;
}

struct Row {
    std::size_t commands = 0;
    Spread rate;     // commands per second of wall time, in thousands
    Spread cpuRate;  // commands per second of the child's CPU time, in thousands
    Spread peakRssMb;
};

Row measure(const std::string& path, std::size_t commands, int runs) {
    std::vector<double> rates, cpuRates, memory;
    for (int run = 0; run < runs; ++run) {
        const ChildResult result = runChild({{VARNOCK_CONSOLE, path}, {}, false});
        if (result.exitStatus != 0) {
            throw std::runtime_error("varnock-console " + path + " exited with status " +
                                     std::to_string(result.exitStatus));
        }
        rates.push_back(static_cast<double>(commands) / result.wallSeconds / 1000);
        cpuRates.push_back(static_cast<double>(commands) / result.cpuSeconds / 1000);
        memory.push_back(result.peakRssMb);
    }
    return {commands, spreadOf(rates), spreadOf(cpuRates), spreadOf(memory)};
}

// Memory counts as the same when the longest script needs at most this
// much more than the shortest: allocator noise, not growth.
constexpr double kRssSlackMb = 0.5;
constexpr double kTargetRate = 2000;  // thousand commands per second

void summarize(const std::string& path, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        const std::string size = std::to_string(row.commands / 1'000'000) + "M";
        appendSummary(path, {"console " + size + " commands", fixed(row.rate.median, 0) + " k/s",
                             ">= " + fixed(kTargetRate, 0) + " k/s",
                             row.rate.median >= kTargetRate ? "yes" : "no"});
    }
    if (rows.empty()) return;
    const Row& shortest = rows.front();
    const Row& longest = rows.back();
    appendSummary(
        path,
        {"console peak RSS " + std::to_string(shortest.commands / 1'000'000) + "M -> " +
             std::to_string(longest.commands / 1'000'000) + "M",
         fixed(shortest.peakRssMb.median, 1) + " -> " + fixed(longest.peakRssMb.median, 1) + " MB",
         "no growth",
         longest.peakRssMb.median <= shortest.peakRssMb.median + kRssSlackMb ? "yes" : "no"});
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const Options options = parseOptions(argc, argv);
        std::vector<Row> rows;
        for (int millions : options.millions) {
            const std::string path = options.directory + "/varnock-bench-" +
                                     std::to_string(::getpid()) + "-" + std::to_string(millions) +
                                     "M.txt";
            const std::size_t commands = writeScript(path, std::size_t(millions) * 1'000'000);
            try {
                rows.push_back(measure(path, commands, options.runs));
            } catch (...) {
                std::remove(path.c_str());
                throw;
            }
            std::remove(path.c_str());
        }

        std::cout << "Console replay, output to /dev/null, " << options.runs
                  << " runs each: median (quartiles)\n"
                  << cell("commands", 12) << cell("k commands/s", 20)
                  << cell("k commands/CPU s", 20) << "peak RSS MB\n";
        for (const Row& row : rows) {
            std::cout << cell(std::to_string(row.commands), 12) << cell(shown(row.rate, 0), 20)
                      << cell(shown(row.cpuRate, 0), 20) << shown(row.peakRssMb, 1) << '\n';
        }
        std::cout << "Target: at least " << fixed(kTargetRate, 0)
                  << " k commands/s; peak RSS the same for every length.\n";
        summarize(options.summary, rows);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "console_bench: " << error.what() << '\n';
        return 1;
    }
}
