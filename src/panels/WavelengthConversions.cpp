// SPDX-License-Identifier: GPL-3.0-or-later
// Wavelength and frequency, frequency and period, frequency units and
// lengths. Factors multiply left to right, each product rounded.
#include "panels/WavelengthConversions.h"

#include <iterator>

#include "app/CalcDlg.h"

namespace varnock {
namespace {
// Metres per second, 3 x 10^8 rather than 299792458: this panel has always
// used this figure.
constexpr double kSpeedOfLight = 300000000;
constexpr double kMegahertzPerHertz = 0.000001;
constexpr double kKilohertzPerHertz = 0.001;
// Kilometres per mile: this panel has always used this figure.
constexpr double kKilometresPerMile = 1.609344;
// Miles per kilometre: "km > miles" has always used this short figure, and
// "meter > miles" the longer one.
constexpr double kMilesPerKilometre = 0.62137;
constexpr double kMilesPerKilometreLong = 0.621371192237334;
// Feet per metre through inches (about 3.2808333): this panel has always
// used this figure, and 0.3048 metres per foot the other way.
constexpr double kInchesPerMetre = 39.37;
constexpr double kFeetPerInch = 0.08333333333333333;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kKilometresPerMetre = 0.001;
constexpr double kMetresPerKilometre = 1000;

// In the order of WavelengthKey.
constexpr InPlaceConversion kConversions[] = {
    {Accepts::kAboveZero, [](double x) { return kSpeedOfLight / x; }},
    {Accepts::kAboveZero, [](double x) { return 1 / x; }},
    {Accepts::kAnyNumber, [](double hz) { return hz * kMegahertzPerHertz; }},
    {Accepts::kAnyNumber, [](double hz) { return hz * kKilohertzPerHertz; }},
    {Accepts::kAnyNumber, [](double miles) { return miles * kKilometresPerMile; }},
    {Accepts::kAnyNumber, [](double km) { return km * kMilesPerKilometre; }},
    {Accepts::kAnyNumber, [](double m) { return m * kInchesPerMetre * kFeetPerInch; }},
    {Accepts::kAnyNumber, [](double feet) { return feet * kMetresPerFoot; }},
    {Accepts::kAnyNumber,
     [](double m) { return m * kKilometresPerMetre * kMilesPerKilometreLong; }},
    {Accepts::kAnyNumber,
     [](double miles) { return miles * kKilometresPerMile * kMetresPerKilometre; }},
};
static_assert(std::size(kConversions) ==
              static_cast<std::size_t>(WavelengthKey::kMilesToMeter) + 1);

}  // namespace

InPlaceOutcome convertWavelength(const WavelengthInput& input) {
    return kConversions[static_cast<std::size_t>(input.key)](input.x);
}

void CCalcDlg::OnWavelengthFrequency() {
    PutOutcome(convertWavelength({WavelengthKey::kWavelengthFrequency, ReadDisplay()}));
}

void CCalcDlg::OnHertzSeconds() {
    PutOutcome(convertWavelength({WavelengthKey::kHertzSeconds, ReadDisplay()}));
}

void CCalcDlg::OnHertzToMhz() {
    PutOutcome(convertWavelength({WavelengthKey::kHertzToMhz, ReadDisplay()}));
}

void CCalcDlg::OnHertzToKhz() {
    PutOutcome(convertWavelength({WavelengthKey::kHertzToKhz, ReadDisplay()}));
}

void CCalcDlg::OnMilesToKm() {
    PutOutcome(convertWavelength({WavelengthKey::kMilesToKm, ReadDisplay()}));
}

void CCalcDlg::OnKmToMiles() {
    PutOutcome(convertWavelength({WavelengthKey::kKmToMiles, ReadDisplay()}));
}

void CCalcDlg::OnMeterToFeet() {
    PutOutcome(convertWavelength({WavelengthKey::kMeterToFeet, ReadDisplay()}));
}

void CCalcDlg::OnFeetToMeter() {
    PutOutcome(convertWavelength({WavelengthKey::kFeetToMeter, ReadDisplay()}));
}

void CCalcDlg::OnMeterToMiles() {
    PutOutcome(convertWavelength({WavelengthKey::kMeterToMiles, ReadDisplay()}));
}

void CCalcDlg::OnMilesToMeter() {
    PutOutcome(convertWavelength({WavelengthKey::kMilesToMeter, ReadDisplay()}));
}

}  // namespace varnock
