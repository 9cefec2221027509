// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Descriptions.h"

#include <algorithm>

#include "form/ControlIds.h"

namespace varnock {
namespace {

// Each text says what the control does or holds, with units, and names the
// keyboard key that does the same. "The display" is the keypad's box, which
// every panel reads from and writes to.
constexpr ControlDescription kDescriptions[] = {
    // Data Input Module
    {kDisplay,
     "The display: the number you type and the result of each key, which the panel keys "
     "convert in place or take with their Enter key. Read-only: type with the keypad or "
     "the keyboard."},
    {kDigit7, "Types the digit 7 into the display. Keyboard: 7."},
    {kDigit8, "Types the digit 8 into the display. Keyboard: 8."},
    {kDigit9, "Types the digit 9 into the display. Keyboard: 9."},
    {kDigit4, "Types the digit 4 into the display. Keyboard: 4."},
    {kDigit5, "Types the digit 5 into the display. Keyboard: 5."},
    {kDigit6, "Types the digit 6 into the display. Keyboard: 6."},
    {kDigit1, "Types the digit 1 into the display. Keyboard: 1."},
    {kDigit2, "Types the digit 2 into the display. Keyboard: 2."},
    {kDigit3, "Types the digit 3 into the display. Keyboard: 3."},
    {kDigit0, "Types the digit 0 into the display. Keyboard: 0."},
    {kDecimalPoint,
     "Types a decimal point into the display; a second point in the same number is refused "
     "with a beep. Keyboard: . (point)."},
    {kChangeSign,
     "Changes the sign of the number in the display. Right after a result it starts a new "
     "number instead, shown as -0."},
    {kClearEntry,
     "Clear entry: sets the display to 0. A pending +, -, x or / is kept and applies to the "
     "next number. Keyboard: Alt+R."},
    {kClearAll,
     "Clears the whole calculator: the display, the pending arithmetic and every panel's "
     "boxes go to 0, and every option goes back to how the window opened. The scratch pad "
     "keeps its text. Keyboard: Alt+C."},

    // Math Functions
    {kMathDegrees,
     "Angle mode: SIN, COS and TAN take their angle in degrees, and A-SIN, A-COS and A-TAN "
     "give theirs in degrees."},
    {kMathRadians,
     "Angle mode: SIN, COS and TAN take their angle in radians, and A-SIN, A-COS and A-TAN "
     "give theirs in radians."},
    {kMathSin, "Sine of the angle in the display, in degrees or radians as chosen above."},
    {kMathCos, "Cosine of the angle in the display, in degrees or radians as chosen above."},
    {kMathTan, "Tangent of the angle in the display, in degrees or radians as chosen above."},
    {kMathArcSin,
     "Arcsine of the number in the display (from -1 to 1): the angle, in degrees or radians "
     "as chosen above."},
    {kMathArcCos,
     "Arccosine of the number in the display (from -1 to 1): the angle, in degrees or "
     "radians as chosen above."},
    {kMathArcTan,
     "Arctangent of the number in the display: the angle, in degrees or radians as chosen "
     "above."},
    {kMathLog, "Common logarithm (base 10) of the display. The number must be greater than zero."},
    {kMathLn, "Natural logarithm (base e) of the display. The number must be greater than zero."},
    {kMathTenToX, "Ten to the power of the display (10^x): 2 gives 100."},
    {kMathExp, "e (2.71828...) to the power of the display (e^x)."},
    {kMathReciprocal, "Reciprocal: 1 divided by the display (1/x). Zero is refused."},
    {kMathSquare, "Squares the display: x times x (x²). It is not a square root."},
    {kMathAdd,
     "Add: the next number is added to the display's value; a pending operation is "
     "completed first, left to right. Keyboard: +."},
    {kMathSubtract,
     "Subtract: the next number is subtracted from the display's value; a pending "
     "operation is completed first, left to right. Keyboard: -."},
    {kMathDivide,
     "Divide: the display's value is divided by the next number; a pending operation is "
     "completed first, left to right. Keyboard: /."},
    {kMathMultiply,
     "Multiply: the display's value is multiplied by the next number; a pending operation "
     "is completed first, left to right. Keyboard: *."},
    {kMathEquals,
     "Equals: completes the pending +, -, x or / and shows the result. Keyboard: = or "
     "Return."},

    // Wavelength and frequency
    {kWavelengthToFrequency,
     "Wavelength to frequency: a wavelength in metres becomes a frequency in hertz "
     "(300,000,000 divided by the metres). The number must be greater than zero."},
    {kFrequencyToWavelength,
     "Frequency to wavelength: a frequency in hertz becomes a wavelength in metres "
     "(300,000,000 divided by the hertz). The number must be greater than zero."},
    {kHertzToMegahertz,
     "Hertz to megahertz (MHz): divides the display by 1,000,000. The caption's mHz means "
     "MHz."},
    {kHertzToKilohertz, "Hertz to kilohertz (kHz): divides the display by 1,000."},
    {kHertzToSeconds,
     "Frequency to period: hertz become seconds (1 divided by the hertz). The number must "
     "be greater than zero."},
    {kSecondsToHertz,
     "Period to frequency: seconds become hertz (1 divided by the seconds). The number "
     "must be greater than zero."},
    {kMilesToKilometers, "Miles to kilometres (times 1.609344)."},
    {kKilometersToMiles, "Kilometres to miles (times 0.62137)."},
    {kMetersToFeet, "Metres to feet (by 39.37 inches to the metre)."},
    {kFeetToMeters, "Feet to metres (times 0.3048)."},
    {kMetersToMiles, "Metres to miles."},
    {kMilesToMeters, "Miles to metres (times 1609.344)."},

    // Power Ratio
    {kPowerInputBox,
     "First input: the input power in dB mode, the gain or loss in dB in Pin and Pout "
     "modes. Read-only: filled by its Enter key."},
    {kPowerInputEnter,
     "Takes the display into the first box: the input power in dB mode (greater than "
     "zero), the gain or loss in dB in Pin and Pout modes."},
    {kPowerInputHelp, "Shows how to enter a value."},
    {kPowerOutputBox,
     "Second input: the output power in dB and Pin modes, the input power in Pout mode, in "
     "the same unit as the other power. Read-only: filled by its Enter key."},
    {kPowerOutputEnter,
     "Takes the display into the second box: the output power in dB and Pin modes, the "
     "input power in Pout mode. The number must be greater than zero."},
    {kPowerOutputHelp, "Shows how to enter a value."},
    {kPowerRatioBox,
     "The result of =: the gain or loss in dB (dB mode), the input power (Pin mode) or the "
     "output power (Pout mode), powers in the unit of the other power. Read-only."},
    {kPowerRatioEquals,
     "Computes what Calculate For chooses from the two boxes above, into the box beside "
     "it."},
    {kPowerForRatio,
     "Calculate the gain or loss in dB from the input and output power. Choosing a mode "
     "relabels the three boxes and empties them."},
    {kPowerForInput,
     "Calculate the input power from the gain or loss in dB and the output power. Choosing "
     "a mode relabels the three boxes and empties them."},
    {kPowerForOutput,
     "Calculate the output power from the gain or loss in dB and the input power. Choosing "
     "a mode relabels the three boxes and empties them."},

    // dB Conversions
    {kMilliwattsToDbm,
     "Milliwatts to dBm (decibels relative to 1 milliwatt). The number must be greater than "
     "zero."},
    {kDbmToMilliwatts, "dBm (decibels relative to 1 milliwatt) to milliwatts."},
    {kWattsToDbm,
     "Watts to dBm (decibels relative to 1 milliwatt). The number must be greater than "
     "zero."},
    {kDbmToWatts, "dBm (decibels relative to 1 milliwatt) to watts."},
    {kMicrovoltsToDbmv,
     "Microvolts (µV) to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm "
     "lines; the conversion takes the voltage alone. The number must be greater than "
     "zero."},
    {kDbmvToMicrovolts,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to "
     "microvolts (µV); the conversion takes the voltage alone."},
    {kMillivoltsToDbmv,
     "Millivolts to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm "
     "lines; the conversion takes the voltage alone. The number must be greater than "
     "zero."},
    {kDbmvToMillivolts,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to "
     "millivolts; the conversion takes the voltage alone."},
    {kVoltsToDbmv,
     "Volts to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines; "
     "the conversion takes the voltage alone. The number must be greater than zero."},
    {kDbmvToVolts,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to volts; "
     "the conversion takes the voltage alone."},

    // Free Space Path Loss
    {kPathLossFrequencyBox,
     "The path's frequency in megahertz (MHz). Read-only: filled by its Enter key."},
    {kPathLossFrequencyEnter,
     "Takes the display into Frequency, in megahertz (MHz). The number must be greater "
     "than zero."},
    {kPathLossFrequencyHelp, "Shows how to enter the frequency."},
    {kPathLossDistanceBox,
     "The path's distance, in kilometres or miles as chosen below. Read-only: filled by its "
     "Enter key."},
    {kPathLossDistanceEnter,
     "Takes the display into Distance, in kilometres or miles as chosen below. The number "
     "must be greater than zero."},
    {kPathLossDistanceHelp, "Shows how to enter the distance."},
    {kPathLossKilometers,
     "The distance is in kilometres; recomputes the loss if both inputs are there. The "
     "distance itself is not converted."},
    {kPathLossMiles,
     "The distance is in miles; recomputes the loss if both inputs are there. The distance "
     "itself is not converted."},
    {kPathLossBox, "Free space path loss in decibels (dB). Read-only: filled by = Loss."},
    {kPathLossCalculate,
     "Computes the free space path loss in dB from the frequency (MHz) and the distance "
     "(kilometres or miles). The display is not changed."},

    // Line of Sight to Horizon
    {kSightHeightBox,
     "The antenna's height, in metres (Metric) or feet (Standard). Read-only: filled by its "
     "Enter key."},
    {kSightHeightEnter,
     "Takes the display into Antenna Height, in metres or feet as chosen below, and "
     "computes the distance to the horizon. A negative height is refused; 0 does nothing."},
    {kSightHeightHelp, "Shows how to enter the height."},
    {kSightDistanceBox,
     "Distance to the radio horizon, in kilometres (Metric) or miles (Standard). "
     "Read-only."},
    {kSightMetric,
     "Height in metres, distance in kilometres; recomputes the distance from the height "
     "shown, which is not converted, and sets the display to 0."},
    {kSightStandard,
     "Height in feet, distance in miles; recomputes the distance from the height shown, "
     "which is not converted, and sets the display to 0."},

    // Antenna Length Cutting
    {kCutFrequencyBox,
     "The frequency to cut for, in megahertz (MHz). Read-only: filled by its Enter key."},
    {kCutFrequencyEnter,
     "Takes the display into the frequency, in megahertz (MHz), and computes the length to "
     "cut. The number must be greater than zero."},
    {kCutFrequencyHelp, "Shows how to enter the frequency."},
    {kCutLengthBox,
     "The length to cut the antenna element to, in centimetres (metric) or inches "
     "(standard). Read-only."},
    {kCutMetric, "The length in centimetres; recomputes it."},
    {kCutStandard, "The length in inches; recomputes it."},
    {kCutFringing,
     "Shortens the length to cut by 5 % to allow for capacitive fringing; recomputes it."},
    {kCutQuarterWave, "Cut to a quarter (1/4) of the wavelength; recomputes the length."},
    {kCutThreeEighthsWave, "Cut to three eighths (3/8) of the wavelength; recomputes the length."},
    {kCutHalfWave, "Cut to half (1/2) the wavelength; recomputes the length."},
    {kCutFiveEighthsWave, "Cut to five eighths (5/8) of the wavelength; recomputes the length."},
    {kCutThreeQuarterWave, "Cut to three quarters (3/4) of the wavelength; recomputes the length."},
    {kCutFullWave, "Cut to a full wavelength; recomputes the length."},

    // Beam Tilt Calculator
    {kTiltHaatBox,
     "The antenna's height above average terrain (HAAT), in metres (Metric) or feet "
     "(Standard). Read-only: filled by its Enter key."},
    {kTiltHaatEnter,
     "Takes the display into the antenna's height above average terrain, in metres or "
     "feet. The number must be greater than zero."},
    {kTiltBeamwidthBox,
     "The vertical beamwidth between the 3 dB points, in degrees. Read-only: filled by its "
     "Enter key."},
    {kTiltBeamwidthEnter,
     "Takes the display into the vertical beamwidth, in degrees: more than 0 and less than "
     "120."},
    {kTiltDowntiltBox,
     "The down tilt of the beam's centre below the horizontal, in degrees; a negative tilt "
     "points up. Read-only: filled by its Enter key."},
    {kTiltDowntiltEnter, "Takes the display into the down tilt, in degrees, from -90 to 90."},
    {kTiltMetric,
     "Height in metres, distances in kilometres; recomputes if a height and a beamwidth are "
     "there. The height is not converted."},
    {kTiltStandard,
     "Height in feet, distances in miles; recomputes if a height and a beamwidth are there. "
     "The height is not converted."},
    {kTiltCalculate,
     "Computes the radio horizon and where the beam's centre and its lower and upper 3 dB "
     "edges reach the ground, from the height, beamwidth and tilt."},
    {kTiltHorizonBox, "Distance to the radio horizon, in kilometres or miles. Read-only."},
    {kTiltMainLobeBox,
     "Ground distance where the beam's centre (main lobe) reaches the ground, in "
     "kilometres or miles. Read-only."},
    {kTiltLowerLobeBox,
     "Ground distance where the beam's lower 3 dB edge reaches the ground, in kilometres or "
     "miles. Read-only."},
    {kTiltUpperLobeBox,
     "Ground distance where the beam's upper 3 dB edge reaches the ground, in kilometres or "
     "miles; marked VER HORIZ when that edge points level or upward and never reaches "
     "the ground. Read-only."},

    // Temperature
    {kCelsiusToFahrenheit, "Degrees Celsius to degrees Fahrenheit."},
    {kFahrenheitToCelsius, "Degrees Fahrenheit to degrees Celsius."},
    {kKelvinToFahrenheit, "Kelvins to degrees Fahrenheit. Less than 0 K is refused."},
    {kFahrenheitToKelvin, "Degrees Fahrenheit to kelvins; a result below 0 K is refused."},
    {kCelsiusToKelvin,
     "Degrees Celsius to kelvins, with 0 °C as 273.16 K; a result below 0 K is refused."},
    {kKelvinToCelsius,
     "Kelvins to degrees Celsius, with 0 K as -273.16 °C. Less than 0 K is refused."},

    // Close
    {kCloseButton, "Closes the calculator; every value is lost. Keyboard: Escape."},

    // VSWR
    {kVswrForwardBox,
     "The wattmeter's forward power, in any unit as long as the reflected power uses the "
     "same. Read-only: filled by its Enter key."},
    {kVswrForwardEnter,
     "Takes the display into Forward Power. The number must be greater than zero."},
    {kVswrForwardHelp, "Shows how to enter the forward power."},
    {kVswrReflectedBox,
     "The wattmeter's reflected power, in the unit of the forward power. Read-only: filled "
     "by its Enter key."},
    {kVswrReflectedEnter,
     "Takes the display into Reflected Power. The number must not be negative."},
    {kVswrReflectedHelp, "Shows how to enter the reflected power."},
    {kVswrCalculate,
     "Computes the return loss, reflection coefficient, VSWR, Zmax and Zmin on a 50 ohm "
     "line from the forward and reflected power."},
    {kVswrBox,
     "Voltage standing wave ratio (VSWR), a plain ratio; 1 is a perfect match. Read-only."},
    {kVswrReturnLossBox, "Return loss in decibels (dB). Read-only."},
    {kVswrCoefficientBox,
     "Reflection coefficient, a plain ratio from 0 (nothing reflected) to 1 (everything "
     "reflected). Read-only."},
    {kVswrZmaxBox, "The highest impedance along the 50 ohm line, in ohms. Read-only."},
    {kVswrZminBox, "The lowest impedance along the 50 ohm line, in ohms. Read-only."},

    // Scratch Pad
    {kScratchPad,
     "Scratch pad for your notes: type freely, Return starts a new line. Nothing reads it, "
     "and its text is lost when the window closes."},
    {kPadExit,
     "Leaves the scratch pad: the keyboard goes back to the calculator, with a beep. It "
     "does not close anything, and the text stays."},
    {kPadClear, "Empties the scratch pad and leaves it, with a beep."},
};

}  // namespace

std::span<const ControlDescription> controlDescriptions() { return kDescriptions; }

std::string_view describeControl(int id) {
    const auto* row =
        std::find_if(std::begin(kDescriptions), std::end(kDescriptions),
                     [id](const ControlDescription& entry) { return entry.id == id; });
    return row == std::end(kDescriptions) ? std::string_view() : row->text;
}

}  // namespace varnock
