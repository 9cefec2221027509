// Wavelength and frequency, frequency and period, frequency units and
// lengths. Factors multiply left to right, each product rounded.
#include "app/CalcDlg.h"

namespace varnock {
namespace {
constexpr double kSpeedOfLight = 300000000;
constexpr double kKmPerMile = 1.609344;
}  // namespace

// One quotient serves both directions.
void CCalcDlg::OnWavelengthFrequency() {
    ConvertPositiveDisplay([](double x) { return kSpeedOfLight / x; });
}

void CCalcDlg::OnHertzSeconds() {
    ConvertPositiveDisplay([](double x) { return 1 / x; });
}

void CCalcDlg::OnHertzToMhz() {
    ConvertDisplay([](double x) { return x * 0.000001; });
}

void CCalcDlg::OnHertzToKhz() {
    ConvertDisplay([](double x) { return x * 0.001; });
}

void CCalcDlg::OnMilesToKm() {
    ConvertDisplay([](double x) { return x * kKmPerMile; });
}

void CCalcDlg::OnKmToMiles() {
    ConvertDisplay([](double x) { return x * 0.62137; });
}

void CCalcDlg::OnMeterToFeet() {
    ConvertDisplay([](double x) { return x * 39.37 * 0.08333333333333333; });
}

void CCalcDlg::OnFeetToMeter() {
    ConvertDisplay([](double x) { return x * 0.3048; });
}

void CCalcDlg::OnMeterToMiles() {
    ConvertDisplay([](double x) { return x * 0.001 * 0.621371192237334; });
}

void CCalcDlg::OnMilesToMeter() {
    ConvertDisplay([](double x) { return x * kKmPerMile * 1000; });
}

}  // namespace varnock
