// SPDX-License-Identifier: GPL-3.0-or-later
// How long the calculator's own operations take, without any window system.
#include <benchmark/benchmark.h>

#include <string_view>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"

namespace {

using varnock::CCalcDlg;
using varnock::MessageIcon;

// A window that draws nothing: the calculator keeps what it shows itself.
class QuietWindow : public varnock::WindowOps {
public:
    void stateChanged(const varnock::StateChange&) override {}
    void messageBox(std::string_view, MessageIcon) override {}
    void beep() override {}
    void focusMainWindow() override {}
    void endDialog() override {}
    void runAboutBox() override {}
};

struct OpenCalculator {
    QuietWindow window;
    CCalcDlg dialog{window};
    OpenCalculator() { dialog.OnInitDialog(); }
};

void DigitKey(benchmark::State& state) {
    OpenCalculator calc;
    for (auto _ : state) {
        calc.dialog.OnClicked(varnock::kDigit1);      // "1"
        calc.dialog.OnClicked(varnock::kClearEntry);  // "CL&R", so the text stays short
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(DigitKey);

void Conversion(benchmark::State& state) {
    OpenCalculator calc;
    calc.dialog.OnClicked(varnock::kDigit2);  // "2"
    for (auto _ : state) {
        calc.dialog.OnClicked(varnock::kMilliwattsToDbm);  // "mW to dBm"
        calc.dialog.OnClicked(varnock::kDbmToMilliwatts);  // "dBm to mW"
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(Conversion);

void ClearAll(benchmark::State& state) {
    OpenCalculator calc;
    for (auto _ : state) calc.dialog.OnClicked(varnock::kClearAll);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ClearAll);

void BeamTiltCalculate(benchmark::State& state) {
    OpenCalculator calc;
    // Height 100, beamwidth 10, tilt 8.
    for (int key : {varnock::kDigit1, varnock::kDigit0, varnock::kDigit0, varnock::kTiltHaatEnter,
                    varnock::kDigit1, varnock::kDigit0, varnock::kTiltBeamwidthEnter,
                    varnock::kDigit8, varnock::kTiltDowntiltEnter}) {
        calc.dialog.OnClicked(key);
    }
    for (auto _ : state) calc.dialog.OnClicked(varnock::kTiltCalculate);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BeamTiltCalculate);

}  // namespace
