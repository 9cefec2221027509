// Celsius, Fahrenheit and kelvins; 0 °C is 273.16 K here.
#include "app/CalcDlg.h"

namespace varnock {
namespace {
constexpr double kKelvinOffset = 273.16;
constexpr double kOneNinth = 0.1111111111111111;
constexpr const char* kBelowAbsoluteZero = "There really isn't anything colder than Absolute Zero.";
constexpr const char* kKelvinBelowZero =
    "The input is Invalid...it produces a value of Kelvin less than Zero";

double celsiusToFahrenheit(double c) { return c * 9 * 0.2 + 32; }
double fahrenheitToCelsius(double f) { return (f - 32) * 5 * kOneNinth; }
}  // namespace

void CCalcDlg::OnCelsiusToFahrenheit() { ConvertDisplay(celsiusToFahrenheit); }

void CCalcDlg::OnFahrenheitToCelsius() { ConvertDisplay(fahrenheitToCelsius); }

void CCalcDlg::OnKelvinToFahrenheit() {
    const double x = ReadDisplay();
    if (x < 0) return RefuseInput(kBelowAbsoluteZero);
    PutResult((x - kKelvinOffset) * 9 * 0.2 + 32);
}

void CCalcDlg::OnFahrenheitToKelvin() {
    const double result = fahrenheitToCelsius(ReadDisplay()) + kKelvinOffset;
    if (result < 0) return RefuseInput(kKelvinBelowZero);
    PutResult(result);
}

void CCalcDlg::OnCelsiusToKelvin() {
    const double result = ReadDisplay() + kKelvinOffset;
    if (result < 0) return RefuseInput(kKelvinBelowZero);
    PutResult(result);
}

void CCalcDlg::OnKelvinToCelsius() {
    const double x = ReadDisplay();
    if (x < 0) return RefuseInput(kBelowAbsoluteZero);
    PutResult(x - kKelvinOffset);
}

}  // namespace varnock
