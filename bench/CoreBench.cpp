// How long the calculator's own operations take, without any window system.
#include <benchmark/benchmark.h>

#include <string_view>

#include "app/CalcDlg.h"

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
        calc.dialog.OnClicked(1088);  // "1"
        calc.dialog.OnClicked(1122);  // "CL&R", so the text stays short
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(DigitKey);

void Conversion(benchmark::State& state) {
    OpenCalculator calc;
    calc.dialog.OnClicked(1089);  // "2"
    for (auto _ : state) {
        calc.dialog.OnClicked(1000);  // "mW to dBm"
        calc.dialog.OnClicked(1001);  // "dBm to mW"
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(Conversion);

void ClearAll(benchmark::State& state) {
    OpenCalculator calc;
    for (auto _ : state) calc.dialog.OnClicked(1012);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ClearAll);

void BeamTiltCalculate(benchmark::State& state) {
    OpenCalculator calc;
    // Height 100, beamwidth 10, tilt 8.
    for (int key : {1088, 1091, 1091, 1161, 1088, 1091, 1167, 1083, 1168}) {
        calc.dialog.OnClicked(key);
    }
    for (auto _ : state) calc.dialog.OnClicked(1163);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BeamTiltCalculate);

}  // namespace
