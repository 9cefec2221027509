#include "ui/Descriptions.h"

#include <algorithm>

namespace varnock {
namespace {

// Each text says what the control does or holds, with units, and names the
// keyboard key that does the same. "The display" is the keypad's box, which
// every panel reads from and writes to.
constexpr ControlDescription kDescriptions[] = {
    // Data Input Module
    {1007,
     "The display: the number you type and the result of each key, which the panel keys "
     "convert in place or take with their Enter key. Read-only: type with the keypad or "
     "the keyboard."},
    {1082, "Types the digit 7 into the display. Keyboard: 7."},
    {1083, "Types the digit 8 into the display. Keyboard: 8."},
    {1084, "Types the digit 9 into the display. Keyboard: 9."},
    {1085, "Types the digit 4 into the display. Keyboard: 4."},
    {1086, "Types the digit 5 into the display. Keyboard: 5."},
    {1087, "Types the digit 6 into the display. Keyboard: 6."},
    {1088, "Types the digit 1 into the display. Keyboard: 1."},
    {1089, "Types the digit 2 into the display. Keyboard: 2."},
    {1090, "Types the digit 3 into the display. Keyboard: 3."},
    {1091, "Types the digit 0 into the display. Keyboard: 0."},
    {1092,
     "Types a decimal point into the display; a second point in the same number is refused "
     "with a beep. Keyboard: . (point)."},
    {1093,
     "Changes the sign of the number in the display. Right after a result it starts a new "
     "number instead, shown as -0."},
    {1122,
     "Clear entry: sets the display to 0. A pending +, -, x or / is kept and applies to the "
     "next number. Keyboard: Alt+R."},
    {1012,
     "Clears the whole calculator: the display, the pending arithmetic and every panel's "
     "boxes go to 0, and every option goes back to how the window opened. The scratch pad "
     "keeps its text. Keyboard: Alt+C."},

    // Math Functions
    {1024,
     "Angle mode: SIN, COS and TAN take their angle in degrees, and A-SIN, A-COS and A-TAN "
     "give theirs in degrees."},
    {1025,
     "Angle mode: SIN, COS and TAN take their angle in radians, and A-SIN, A-COS and A-TAN "
     "give theirs in radians."},
    {1021, "Sine of the angle in the display, in degrees or radians as chosen above."},
    {1029, "Cosine of the angle in the display, in degrees or radians as chosen above."},
    {1034, "Tangent of the angle in the display, in degrees or radians as chosen above."},
    {1031,
     "Arcsine of the number in the display (from -1 to 1): the angle, in degrees or radians "
     "as chosen above."},
    {1032,
     "Arccosine of the number in the display (from -1 to 1): the angle, in degrees or "
     "radians as chosen above."},
    {1035,
     "Arctangent of the number in the display: the angle, in degrees or radians as chosen "
     "above."},
    {1030, "Common logarithm (base 10) of the display. The number must be greater than zero."},
    {1036, "Natural logarithm (base e) of the display. The number must be greater than zero."},
    {1033, "Ten to the power of the display (10^x): 2 gives 100."},
    {1037, "e (2.71828...) to the power of the display (e^x)."},
    {1038, "Reciprocal: 1 divided by the display (1/x). Zero is refused."},
    {1039, "Squares the display: x times x (x²). It is not a square root."},
    {1146,
     "Add: the next number is added to the display's value; a pending operation is "
     "completed first, left to right. Keyboard: +."},
    {1149,
     "Subtract: the next number is subtracted from the display's value; a pending "
     "operation is completed first, left to right. Keyboard: -."},
    {1150,
     "Divide: the display's value is divided by the next number; a pending operation is "
     "completed first, left to right. Keyboard: /."},
    {1151,
     "Multiply: the display's value is multiplied by the next number; a pending operation "
     "is completed first, left to right. Keyboard: *."},
    {1152,
     "Equals: completes the pending +, -, x or / and shows the result. Keyboard: = or "
     "Return."},

    // Wavelength and frequency
    {1063,
     "Wavelength to frequency: a wavelength in metres becomes a frequency in hertz "
     "(300,000,000 divided by the metres). The number must be greater than zero."},
    {1064,
     "Frequency to wavelength: a frequency in hertz becomes a wavelength in metres "
     "(300,000,000 divided by the hertz). The number must be greater than zero."},
    {1071,
     "Hertz to megahertz (MHz): divides the display by 1,000,000. The caption's mHz means "
     "MHz."},
    {1072, "Hertz to kilohertz (kHz): divides the display by 1,000."},
    {1076,
     "Frequency to period: hertz become seconds (1 divided by the hertz). The number must "
     "be greater than zero."},
    {1077,
     "Period to frequency: seconds become hertz (1 divided by the seconds). The number "
     "must be greater than zero."},
    {1073, "Miles to kilometres (times 1.609344)."},
    {1079, "Kilometres to miles (times 0.62137)."},
    {1074, "Metres to feet (by 39.37 inches to the metre)."},
    {1080, "Feet to metres (times 0.3048)."},
    {1075, "Metres to miles."},
    {1078, "Miles to metres (times 1609.344)."},

    // Power Ratio
    {1156,
     "First input: the input power in dB mode, the gain or loss in dB in Pin and Pout "
     "modes. Read-only: filled by its Enter key."},
    {1160,
     "Takes the display into the first box: the input power in dB mode (greater than "
     "zero), the gain or loss in dB in Pin and Pout modes."},
    {1176, "Shows how to enter a value."},
    {1157,
     "Second input: the output power in dB and Pin modes, the input power in Pout mode, in "
     "the same unit as the other power. Read-only: filled by its Enter key."},
    {1162,
     "Takes the display into the second box: the output power in dB and Pin modes, the "
     "input power in Pout mode. The number must be greater than zero."},
    {1177, "Shows how to enter a value."},
    {1158,
     "The result of =: the gain or loss in dB (dB mode), the input power (Pin mode) or the "
     "output power (Pout mode), powers in the unit of the other power. Read-only."},
    {1181,
     "Computes what Calculate For chooses from the two boxes above, into the box beside "
     "it."},
    {1178,
     "Calculate the gain or loss in dB from the input and output power. Choosing a mode "
     "relabels the three boxes and empties them."},
    {1179,
     "Calculate the input power from the gain or loss in dB and the output power. Choosing "
     "a mode relabels the three boxes and empties them."},
    {1180,
     "Calculate the output power from the gain or loss in dB and the input power. Choosing "
     "a mode relabels the three boxes and empties them."},

    // dB Conversions
    {1000,
     "Milliwatts to dBm (decibels relative to 1 milliwatt). The number must be greater than "
     "zero."},
    {1001, "dBm (decibels relative to 1 milliwatt) to milliwatts."},
    {1019,
     "Watts to dBm (decibels relative to 1 milliwatt). The number must be greater than "
     "zero."},
    {1020, "dBm (decibels relative to 1 milliwatt) to watts."},
    {1013,
     "Microvolts (µV) to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm "
     "lines; the conversion takes the voltage alone. The number must be greater than "
     "zero."},
    {1014,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to "
     "microvolts (µV); the conversion takes the voltage alone."},
    {1015,
     "Millivolts to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm "
     "lines; the conversion takes the voltage alone. The number must be greater than "
     "zero."},
    {1016,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to "
     "millivolts; the conversion takes the voltage alone."},
    {1017,
     "Volts to dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines; "
     "the conversion takes the voltage alone. The number must be greater than zero."},
    {1018,
     "dBmV (decibels relative to 1 millivolt), the level used on 75 ohm lines, to volts; "
     "the conversion takes the voltage alone."},

    // Free Space Path Loss
    {1114, "The path's frequency in megahertz (MHz). Read-only: filled by its Enter key."},
    {1116,
     "Takes the display into Frequency, in megahertz (MHz). The number must be greater "
     "than zero."},
    {1120, "Shows how to enter the frequency."},
    {1115,
     "The path's distance, in kilometres or miles as chosen below. Read-only: filled by its "
     "Enter key."},
    {1117,
     "Takes the display into Distance, in kilometres or miles as chosen below. The number "
     "must be greater than zero."},
    {1121, "Shows how to enter the distance."},
    {1147,
     "The distance is in kilometres; recomputes the loss if both inputs are there. The "
     "distance itself is not converted."},
    {1148,
     "The distance is in miles; recomputes the loss if both inputs are there. The distance "
     "itself is not converted."},
    {1118, "Free space path loss in decibels (dB). Read-only: filled by = Loss."},
    {1119,
     "Computes the free space path loss in dB from the frequency (MHz) and the distance "
     "(kilometres or miles). The display is not changed."},

    // Line of Sight to Horizon
    {1126,
     "The antenna's height, in metres (Metric) or feet (Standard). Read-only: filled by its "
     "Enter key."},
    {1127,
     "Takes the display into Antenna Height, in metres or feet as chosen below, and "
     "computes the distance to the horizon. A negative height is refused; 0 does nothing."},
    {1128, "Shows how to enter the height."},
    {1129,
     "Distance to the radio horizon, in kilometres (Metric) or miles (Standard). "
     "Read-only."},
    {1130,
     "Height in metres, distance in kilometres; recomputes the distance from the height "
     "shown, which is not converted, and sets the display to 0."},
    {1131,
     "Height in feet, distance in miles; recomputes the distance from the height shown, "
     "which is not converted, and sets the display to 0."},

    // Antenna Length Cutting
    {1132, "The frequency to cut for, in megahertz (MHz). Read-only: filled by its Enter key."},
    {1143,
     "Takes the display into the frequency, in megahertz (MHz), and computes the length to "
     "cut. The number must be greater than zero."},
    {1144, "Shows how to enter the frequency."},
    {1145,
     "The length to cut the antenna element to, in centimetres (metric) or inches "
     "(standard). Read-only."},
    {1187, "The length in centimetres; recomputes it."},
    {1186, "The length in inches; recomputes it."},
    {1185, "Shortens the length to cut by 5 % to allow for capacitive fringing; recomputes it."},
    {1137, "Cut to a quarter (1/4) of the wavelength; recomputes the length."},
    {1138, "Cut to three eighths (3/8) of the wavelength; recomputes the length."},
    {1139, "Cut to half (1/2) the wavelength; recomputes the length."},
    {1140, "Cut to five eighths (5/8) of the wavelength; recomputes the length."},
    {1141, "Cut to three quarters (3/4) of the wavelength; recomputes the length."},
    {1142, "Cut to a full wavelength; recomputes the length."},

    // Beam Tilt Calculator
    {1125,
     "The antenna's height above average terrain (HAAT), in metres (Metric) or feet "
     "(Standard). Read-only: filled by its Enter key."},
    {1161,
     "Takes the display into the antenna's height above average terrain, in metres or "
     "feet. The number must be greater than zero."},
    {1134,
     "The vertical beamwidth between the 3 dB points, in degrees. Read-only: filled by its "
     "Enter key."},
    {1167,
     "Takes the display into the vertical beamwidth, in degrees: more than 0 and less than "
     "120."},
    {1155,
     "The down tilt of the beam's centre below the horizontal, in degrees; a negative tilt "
     "points up. Read-only: filled by its Enter key."},
    {1168, "Takes the display into the down tilt, in degrees, from -90 to 90."},
    {1169,
     "Height in metres, distances in kilometres; recomputes if a height and a beamwidth are "
     "there. The height is not converted."},
    {1170,
     "Height in feet, distances in miles; recomputes if a height and a beamwidth are there. "
     "The height is not converted."},
    {1163,
     "Computes the radio horizon and where the beam's centre and its lower and upper 3 dB "
     "edges reach the ground, from the height, beamwidth and tilt."},
    {1165, "Distance to the radio horizon, in kilometres or miles. Read-only."},
    {1164,
     "Ground distance where the beam's centre (main lobe) reaches the ground, in "
     "kilometres or miles. Read-only."},
    {1159,
     "Ground distance where the beam's lower 3 dB edge reaches the ground, in kilometres or "
     "miles. Read-only."},
    {1166,
     "Ground distance where the beam's upper 3 dB edge reaches the ground, in kilometres or "
     "miles; marked VER HORIZ when that edge points level or upward and never reaches "
     "the ground. Read-only."},

    // Temperature
    {1042, "Degrees Celsius to degrees Fahrenheit."},
    {1040, "Degrees Fahrenheit to degrees Celsius."},
    {1045, "Kelvins to degrees Fahrenheit. Less than 0 K is refused."},
    {1041, "Degrees Fahrenheit to kelvins; a result below 0 K is refused."},
    {1043, "Degrees Celsius to kelvins, with 0 °C as 273.16 K; a result below 0 K is refused."},
    {1044, "Kelvins to degrees Celsius, with 0 K as -273.16 °C. Less than 0 K is refused."},

    // Close
    {58112, "Closes the calculator; every value is lost. Keyboard: Escape."},

    // VSWR
    {1189,
     "The wattmeter's forward power, in any unit as long as the reflected power uses the "
     "same. Read-only: filled by its Enter key."},
    {1192, "Takes the display into Forward Power. The number must be greater than zero."},
    {1193, "Shows how to enter the forward power."},
    {1196,
     "The wattmeter's reflected power, in the unit of the forward power. Read-only: filled "
     "by its Enter key."},
    {1197, "Takes the display into Reflected Power. The number must not be negative."},
    {1198, "Shows how to enter the reflected power."},
    {1191,
     "Computes the return loss, reflection coefficient, VSWR, Zmax and Zmin on a 50 ohm "
     "line from the forward and reflected power."},
    {1190, "Voltage standing wave ratio (VSWR), a plain ratio; 1 is a perfect match. Read-only."},
    {1195, "Return loss in decibels (dB). Read-only."},
    {1194,
     "Reflection coefficient, a plain ratio from 0 (nothing reflected) to 1 (everything "
     "reflected). Read-only."},
    {1199, "The highest impedance along the 50 ohm line, in ohms. Read-only."},
    {1203, "The lowest impedance along the 50 ohm line, in ohms. Read-only."},

    // Scratch Pad
    {1221,
     "Scratch pad for your notes: type freely, Return starts a new line. Nothing reads it, "
     "and its text is lost when the window closes."},
    {1223,
     "Leaves the scratch pad: the keyboard goes back to the calculator, with a beep. It "
     "does not close anything, and the text stays."},
    {1224, "Empties the scratch pad and leaves it, with a beep."},
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
