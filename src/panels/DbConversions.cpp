// dB levels: milliwatts or watts and dBm; microvolts, millivolts or volts
// and dBmV. Exponent scales are multiplications by 0.1 and 0.05.
#include <cmath>

#include "app/CalcDlg.h"

namespace varnock {

void CCalcDlg::OnMwToDbm() {
    ConvertPositiveDisplay([](double x) { return 10 * std::log10(x); });
}

void CCalcDlg::OnDbmToMw() {
    ConvertDisplay([](double x) { return std::pow(10.0, x * 0.1); });
}

void CCalcDlg::OnWToDbm() {
    ConvertPositiveDisplay([](double x) { return 10 * std::log10(x * 1000); });
}

void CCalcDlg::OnDbmToW() {
    ConvertDisplay([](double x) { return std::pow(10.0, x * 0.1) * 0.001; });
}

void CCalcDlg::OnUvToDbmv() {
    ConvertPositiveDisplay([](double x) { return 20 * std::log10(x * 0.000001 * 1000); });
}

void CCalcDlg::OnDbmvToUv() {
    ConvertDisplay([](double x) { return std::pow(10.0, x * 0.05) * 1000; });
}

void CCalcDlg::OnMvToDbmv() {
    ConvertPositiveDisplay([](double x) { return 20 * std::log10(x * 0.001 * 1000); });
}

void CCalcDlg::OnDbmvToMv() {
    ConvertDisplay([](double x) { return std::pow(10.0, x * 0.05); });
}

void CCalcDlg::OnVToDbmv() {
    ConvertPositiveDisplay([](double x) { return 20 * std::log10(x * 1000); });
}

void CCalcDlg::OnDbmvToV() {
    ConvertDisplay([](double x) { return std::pow(10.0, x * 0.05) * 0.001; });
}

}  // namespace varnock
