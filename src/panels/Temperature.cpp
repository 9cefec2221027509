// SPDX-License-Identifier: GPL-3.0-or-later
// Celsius, Fahrenheit and kelvins; 0 °C is 273.16 K here.
#include "panels/Temperature.h"

#include <iterator>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"

namespace varnock {
namespace {
// Kelvins at 0 °C: the temperature panel has always used this figure.
constexpr double kKelvinOffset = 273.16;
constexpr double kFahrenheitOffset = 32;
// 9/5 is multiplied in as 9 then 0.2, and 5/9 as 5 then the double nearest 1/9.
constexpr double kNine = 9;
constexpr double kOneFifth = 0.2;
constexpr double kFive = 5;
constexpr double kOneNinth = 0.1111111111111111;
constexpr std::string_view kBelowAbsoluteZero =
    "There really isn't anything colder than Absolute Zero.";
constexpr std::string_view kKelvinBelowZero =
    "The input is Invalid...it produces a value of Kelvin less than Zero";

double celsiusToFahrenheit(double c) { return c * kNine * kOneFifth + kFahrenheitOffset; }
double fahrenheitToCelsius(double f) { return (f - kFahrenheitOffset) * kFive * kOneNinth; }

// Which number, if any, is a temperature in kelvins that must not be below
// zero: the input of the keys from kelvins, the result of the keys to them.
enum class KelvinCheck { kNone, kInput, kResult };

struct Conversion {
    KelvinCheck check;
    double (*convert)(double);
};

// In the order of TemperatureKey.
constexpr Conversion kConversions[] = {
    {KelvinCheck::kNone, celsiusToFahrenheit},
    {KelvinCheck::kNone, fahrenheitToCelsius},
    {KelvinCheck::kInput, [](double k) { return celsiusToFahrenheit(k - kKelvinOffset); }},
    {KelvinCheck::kResult, [](double f) { return fahrenheitToCelsius(f) + kKelvinOffset; }},
    {KelvinCheck::kResult, [](double c) { return c + kKelvinOffset; }},
    {KelvinCheck::kInput, [](double k) { return k - kKelvinOffset; }},
};
static_assert(std::size(kConversions) ==
              static_cast<std::size_t>(TemperatureKey::kKelvinToCelsius) + 1);
}  // namespace

InPlaceOutcome convertTemperature(const TemperatureInput& input) {
    const Conversion& conversion = kConversions[static_cast<std::size_t>(input.key)];
    if (conversion.check == KelvinCheck::kInput && input.x < 0) {
        return refusedWith(kBelowAbsoluteZero);
    }
    const double result = conversion.convert(input.x);
    if (conversion.check == KelvinCheck::kResult && result < 0) {
        return refusedWith(kKelvinBelowZero);
    }
    return resultOf(result);
}

void CCalcDlg::OnCelsiusToFahrenheit() {
    PutOutcome(convertTemperature({TemperatureKey::kCelsiusToFahrenheit, ReadDisplay()}));
}

void CCalcDlg::OnFahrenheitToCelsius() {
    PutOutcome(convertTemperature({TemperatureKey::kFahrenheitToCelsius, ReadDisplay()}));
}

void CCalcDlg::OnKelvinToFahrenheit() {
    PutOutcome(convertTemperature({TemperatureKey::kKelvinToFahrenheit, ReadDisplay()}));
}

void CCalcDlg::OnFahrenheitToKelvin() {
    PutOutcome(convertTemperature({TemperatureKey::kFahrenheitToKelvin, ReadDisplay()}));
}

void CCalcDlg::OnCelsiusToKelvin() {
    PutOutcome(convertTemperature({TemperatureKey::kCelsiusToKelvin, ReadDisplay()}));
}

void CCalcDlg::OnKelvinToCelsius() {
    PutOutcome(convertTemperature({TemperatureKey::kKelvinToCelsius, ReadDisplay()}));
}

}  // namespace varnock
