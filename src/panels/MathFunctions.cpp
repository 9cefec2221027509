// Scientific functions of the display, with the degrees/radians mode.
#include <cmath>

#include "app/CalcDlg.h"
#include "ui/Strings.h"

namespace varnock {
namespace {
constexpr int kDegrees = 1024;
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

// Divides trigonometric arguments and multiplies inverse results; 1.0 in
// radians mode, where it changes nothing.
double CCalcDlg::DegreeFactor() const { return IsChecked(kDegrees) ? kDegreesPerRadian : 1.0; }

void CCalcDlg::OnSin() {
    const double x = ReadDisplay();
    const double k = DegreeFactor();
    PutResult(std::sin(x / k));
}

void CCalcDlg::OnCos() {
    const double x = ReadDisplay();
    const double k = DegreeFactor();
    PutResult(std::cos(x / k));
}

void CCalcDlg::OnTan() {
    const double x = ReadDisplay();
    const double k = DegreeFactor();
    PutResult(std::tan(x / k));
}

void CCalcDlg::OnArcSin() {
    const double x = ReadDisplay();
    if (x > 1.0) return RefuseInput("ERROR - Number can't be greater than 1.0 for ARCSIN");
    if (x < -1.0) return RefuseInput("ERROR - Number can't be less than -1.0 for ARCSIN");
    PutResult(std::asin(x) * DegreeFactor());
}

void CCalcDlg::OnArcCos() {
    const double x = ReadDisplay();
    if (x > 1.0) return RefuseInput("ERROR - Number can't be greater than 1.0 for ARCCOS");
    if (x < -1.0) return RefuseInput("ERROR - Number can't be less than -1.0 for ARCCOS");
    PutResult(std::acos(x) * DegreeFactor());
}

void CCalcDlg::OnArcTan() {
    const double x = ReadDisplay();
    const double k = DegreeFactor();
    PutResult(std::atan(x) * k);
}

void CCalcDlg::OnLog() {
    ConvertPositiveDisplay([](double x) { return std::log10(x); });
}

void CCalcDlg::OnLn() {
    ConvertPositiveDisplay([](double x) { return std::log(x); });
}

void CCalcDlg::OnTenToX() {
    ConvertDisplay([](double x) { return std::pow(10.0, x); });
}

void CCalcDlg::OnExp() {
    ConvertDisplay([](double x) { return std::exp(x); });
}

void CCalcDlg::OnInverse() {
    const double x = ReadDisplay();
    if (x == 0) return RefuseInput("ERROR - Can't take the INVERSE of Zero");
    PutResult(1 / x);
}

void CCalcDlg::OnSquare() {
    ConvertDisplay([](double x) { return x * x; });
}

}  // namespace varnock
