// SPDX-License-Identifier: GPL-3.0-or-later
// Celsius, Fahrenheit and kelvins.
#pragma once

#include "form/ControlIds.h"
#include "panels/InPlaceOutcome.h"

namespace varnock {

enum class TemperatureKey {
    kCelsiusToFahrenheit,
    kFahrenheitToCelsius,
    kKelvinToFahrenheit,
    kFahrenheitToKelvin,
    kCelsiusToKelvin,
    kKelvinToCelsius,
};

struct TemperatureInput {
    TemperatureKey key;
    double x;
};

// A number of kelvins below zero is refused: as the input of the keys from
// kelvins, as the result of the keys to kelvins. Celsius and Fahrenheit
// convert any number.
InPlaceOutcome convertTemperature(const TemperatureInput& input);

}  // namespace varnock
