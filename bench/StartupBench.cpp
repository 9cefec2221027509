// Start-up of the calculator against the floor of any Qt Widgets program:
// the time from process start to the first painted frame of its window, and
// the peak resident memory, over repeated runs of each program in turn.
//
//   startup_bench [--runs N] [--platform NAME] [--summary FILE]
//
// NAME is a Qt platform plugin: offscreen (the default) or xcb, which needs
// a display (tools/bench.sh starts Xvfb for it). FILE collects the summary
// rows that tools/bench.sh prints at the end.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ChildRun.h"
#include "Figures.h"

namespace {

using namespace varnock::bench;

struct Options {
    int runs = 20;
    std::string platform = "offscreen";
    std::string summary;
};

Options parseOptions(int argc, char** argv) {
    Options options;
    if (argc % 2 == 0) throw std::runtime_error("every option takes a value");
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--runs") {
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (name == "--platform") {
            options.platform = argv[i + 1];
        } else if (name == "--summary") {
            options.summary = argv[i + 1];
        } else {
            throw std::runtime_error("unknown option " + std::string(name));
        }
    }
    return options;
}

// The probe's steps in order (see StartupProbe.cpp), and the phase of the
// start-up that ends with each: a phase runs from the step before to it.
struct Phase {
    std::string_view step;
    std::string_view name;
};
constexpr std::array kPhases = {
    Phase{"main", "load"},      // process start to main(): exec, libraries
    Phase{"app", "app"},        // the application object
    Phase{"polish", "build"},   // creating the window and its widgets
    Phase{"paint", "show"},     // polishing, the native window, the expose
    Phase{"painted", "paint"},  // painting every widget and the flush
};

struct Samples {
    std::map<std::string_view, std::vector<double>> phaseMs;
    std::vector<double> firstPaintMs;
    std::vector<double> peakRssMb;
};

// The steps a probe printed, as nanoseconds after the process start.
std::map<std::string, long long> stepsOf(const ChildResult& result) {
    std::map<std::string, long long> steps;
    std::istringstream lines(result.output);
    std::string step;
    long long ns = 0;
    while (lines >> step >> ns) steps[step] = ns - result.startNs;
    return steps;
}

// One run of the probe: process start to first paint, and peak memory.
void measureOnce(const std::string& kind, const Options& options, Samples& samples) {
    ChildRequest request;
    request.arguments = {VARNOCK_STARTUP_PROBE, kind};
    // The same environment for every program, without a session bus: the
    // machines that run this have none, and looking for one costs time.
    request.environment = {"QT_QPA_PLATFORM=" + options.platform,
                           "DBUS_SESSION_BUS_ADDRESS=disabled:"};
    request.captureOutput = true;
    const ChildResult result = runChild(request);
    const std::map<std::string, long long> steps = stepsOf(result);
    const bool complete = std::all_of(kPhases.begin(), kPhases.end(), [&](const Phase& phase) {
        return steps.contains(std::string(phase.step));
    });
    if (result.exitStatus != 0 || !complete) {
        throw std::runtime_error("startup_probe " + kind + " on " + options.platform +
                                 " reported no first paint; run it by hand to see why");
    }
    long long previous = 0;
    for (const Phase& phase : kPhases) {
        const long long reached = steps.at(std::string(phase.step));
        samples.phaseMs[phase.name].push_back(static_cast<double>(reached - previous) / 1e6);
        previous = reached;
    }
    samples.firstPaintMs.push_back(static_cast<double>(previous) / 1e6);
    samples.peakRssMb.push_back(result.peakRssMb);
}

void printTotals(const std::vector<std::string>& kinds, std::map<std::string, Samples>& samples) {
    std::cout << cell("program", 12) << cell("first paint ms", 22) << cell("x label", 9)
              << cell("peak RSS MB", 22) << "x label\n";
    const Spread floorTime = spreadOf(samples["label"].firstPaintMs);
    const Spread floorMemory = spreadOf(samples["label"].peakRssMb);
    for (const std::string& kind : kinds) {
        const Spread time = spreadOf(samples[kind].firstPaintMs);
        const Spread memory = spreadOf(samples[kind].peakRssMb);
        std::cout << cell(kind, 12) << cell(shown(time, 1), 22)
                  << cell(ratio(time.median, floorTime.median), 9) << cell(shown(memory, 1), 22)
                  << ratio(memory.median, floorMemory.median) << '\n';
    }
}

void printPhases(const std::vector<std::string>& kinds, std::map<std::string, Samples>& samples) {
    std::cout << cell("median ms", 12);
    for (const Phase& phase : kPhases) std::cout << cell(std::string(phase.name), 8);
    std::cout << '\n';
    for (const std::string& kind : kinds) {
        std::cout << cell(kind, 12);
        for (const Phase& phase : kPhases) {
            std::cout << cell(fixed(spreadOf(samples[kind].phaseMs[phase.name]).median, 1), 8);
        }
        std::cout << '\n';
    }
}

// The calculator against the label, in the rows of the final summary.
void summarize(const Options& options, std::map<std::string, Samples>& samples) {
    constexpr double kTarget = 1.2;
    const auto row = [&](const std::string& what, const std::vector<double>& calculator,
                         const std::vector<double>& label, const std::string& unit) {
        const double value = spreadOf(calculator).median;
        const double floor = spreadOf(label).median;
        appendSummary(options.summary,
                      {"start-up " + what + ", " + options.platform,
                       fixed(value, 1) + " " + unit + " = " + ratio(value, floor) + " label",
                       "<= 1.20x label", value <= kTarget * floor ? "yes" : "no"});
    };
    row("to first paint", samples["calculator"].firstPaintMs, samples["label"].firstPaintMs, "ms");
    row("peak RSS", samples["calculator"].peakRssMb, samples["label"].peakRssMb, "MB");
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const Options options = parseOptions(argc, argv);
        const std::vector<std::string> kinds = {"label", "dialog200", "calculator"};
        std::map<std::string, Samples> samples;
        // One warm-up round fills the page cache; then the programs take turns,
        // so that a change in the machine's load falls on all of them alike.
        for (const std::string& kind : kinds) {
            Samples ignored;
            measureOnce(kind, options, ignored);
        }
        for (int run = 0; run < options.runs; ++run) {
            for (const std::string& kind : kinds) measureOnce(kind, options, samples[kind]);
        }

        std::cout << "Start-up on the " << options.platform << " platform, " << options.runs
                  << " runs each: median (quartiles)\n";
        printTotals(kinds, samples);
        std::cout << "Target: calculator within 1.20x of label in both.\n"
                  << "Where the time goes: load = process start to main(), app = the "
                     "application object,\nbuild = the window's widgets, show = polish and "
                     "expose, paint = painting and flush.\n";
        printPhases(kinds, samples);
        summarize(options, samples);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "startup_bench: " << error.what() << '\n';
        return 1;
    }
}
