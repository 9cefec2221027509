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
        calc.dialog.OnClicked(kDigit1);      // "1"
        calc.dialog.OnClicked(kClearEntry);  // "CL&R", so the text stays short
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(DigitKey);

void Conversion(benchmark::State& state) {
    OpenCalculator calc;
    calc.dialog.OnClicked(kDigit2);  // "2"
    for (auto _ : state) {
        calc.dialog.OnClicked(kMilliwattsToDbm);  // "mW to dBm"
        calc.dialog.OnClicked(kDbmToMilliwatts);  // "dBm to mW"
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(Conversion);

void ClearAll(benchmark::State& state) {
    OpenCalculator calc;
    for (auto _ : state) calc.dialog.OnClicked(kClearAll);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ClearAll);

void BeamTiltCalculate(benchmark::State& state) {
    OpenCalculator calc;
    // Height 100, beamwidth 10, tilt 8.
    for (int key : {kDigit1, kDigit0, kDigit0, kTiltHaatEnter, kDigit1, kDigit0,
                    kTiltBeamwidthEnter, kDigit8, kTiltDowntiltEnter}) {
        calc.dialog.OnClicked(key);
    }
    for (auto _ : state) calc.dialog.OnClicked(kTiltCalculate);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BeamTiltCalculate);

}  // namespace
