// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the calculator against the floor of any Qt Widgets program:
// the time from process start to the first painted frame of its window, and
// the peak resident memory, over repeated runs of each program in turn.
//
//   startup_bench [--runs N] [--platform NAME] [--summary FILE]
//
// NAME is a Qt platform plugin: offscreen (the default) or xcb, which needs
// a display (tools/bench.sh starts Xvfb for it). FILE collects the summary
// rows that tools/bench.sh prints at the end. The offscreen platform shows a
// 1920x1080 screen, as a desktop has: on its own 800x800 one the calculator's
// window would open at a smaller font to fit.
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
    std::vector<double> cpuMs;  // processor time until the first paint
    std::vector<double> peakRssMb;
};

// The lines a probe printed: "STEP NS", and "cpu NS" last.
std::map<std::string, long long> linesOf(const ChildResult& result) {
    std::map<std::string, long long> lines;
    std::istringstream text(result.output);
    std::string name;
    long long ns = 0;
    while (text >> name >> ns) lines[name] = ns;
    return lines;
}

// The platform, with the offscreen platform's screen the size of a desktop's.
std::string platformWithScreen(const std::string& platform) {
    if (platform != "offscreen") return platform;
    return platform + ":configfile=" + VARNOCK_DESKTOP_SCREEN;
}

// One run of the probe: process start to first paint, and peak memory.
void measureOnce(const std::string& kind, const Options& options, Samples& samples) {
    ChildRequest request;
    request.arguments = {VARNOCK_STARTUP_PROBE, kind};
    // The same environment for every program, without a session bus: the
    // machines that run this have none, and looking for one costs time.
    request.environment = {"QT_QPA_PLATFORM=" + platformWithScreen(options.platform),
                           "DBUS_SESSION_BUS_ADDRESS=disabled:"};
    request.captureOutput = true;
    const ChildResult result = runChild(request);
    const std::map<std::string, long long> lines = linesOf(result);
    const bool complete = lines.contains("cpu") &&
                          std::all_of(kPhases.begin(), kPhases.end(), [&](const Phase& phase) {
                              return lines.contains(std::string(phase.step));
                          });
    if (result.exitStatus != 0 || !complete) {
        throw std::runtime_error("startup_probe " + kind + " on " + options.platform +
                                 " reported no first paint; run it by hand to see why");
    }
    long long previous = result.startNs;
    for (const Phase& phase : kPhases) {
        const long long reached = lines.at(std::string(phase.step));
        samples.phaseMs[phase.name].push_back(static_cast<double>(reached - previous) / 1e6);
        previous = reached;
    }
    samples.firstPaintMs.push_back(static_cast<double>(previous - result.startNs) / 1e6);
    samples.cpuMs.push_back(static_cast<double>(lines.at("cpu")) / 1e6);
    samples.peakRssMb.push_back(result.peakRssMb);
}

void printTotals(const std::vector<std::string>& kinds, std::map<std::string, Samples>& samples) {
    const std::vector<std::vector<double> Samples::*> columns = {
        &Samples::firstPaintMs, &Samples::cpuMs, &Samples::peakRssMb};
    std::cout << cell("program", 12) << cell("first paint ms", 22) << cell("x label", 9)
              << cell("CPU ms", 22) << cell("x label", 9) << cell("peak RSS MB", 22) << "x label\n";
    for (const std::string& kind : kinds) {
        std::string line = cell(kind, 12);
        for (auto column : columns) {
            const Spread spread = spreadOf(samples[kind].*column);
            const double floor = spreadOf(samples["label"].*column).median;
            line += cell(shown(spread, 1), 22) + cell(ratio(spread.median, floor), 9);
        }
        std::cout << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
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

// The calculator against the label, in the rows of the final summary, and
// the captions alone for scale.
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
    row("CPU to first paint", samples["calculator"].cpuMs, samples["label"].cpuMs, "ms");
    row("peak RSS", samples["calculator"].peakRssMb, samples["label"].peakRssMb, "MB");
    // What drawing the window's captions alone costs: no window showing
    // them can start faster than this.
    const double captions = spreadOf(samples["captions"].firstPaintMs).median;
    const double label = spreadOf(samples["label"].firstPaintMs).median;
    appendSummary(options.summary,
                  {"start-up, captions alone, " + options.platform,
                   fixed(captions, 1) + " ms = " + ratio(captions, label) + " label", "-", "-"});
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const Options options = parseOptions(argc, argv);
        const std::vector<std::string> kinds = {"label", "captions", "dialog200", "calculator"};
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
                  << "CPU ms is the probe's own processor time until then, which other "
                     "processes on the machine\ndisturb less than the time on the clock.\n"
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
