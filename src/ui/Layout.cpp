// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Layout.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "form/ControlIds.h"

namespace varnock {
namespace {

using K = ControlKind;
constexpr int X = kUnaddressed;

constexpr DialogFrame kMainFrame{"Tolvane Calculator", 512, 338, 8};

// clang-format off
constexpr ControlSpec kControls[] = {
    // Data Input Module
    {X,             K::GroupBox,   "   Data Input Module   ", {7, 9, 84, 108}, 0, "", 0},
    {kDisplay,      K::Edit,       "", {7, 18, 83, 18}, 0, "Display", 0},
    {kDigit7,       K::PushButton, "7", {13, 38, 22, 17}, 0, "", 0},
    {kDigit8,       K::PushButton, "8", {37, 38, 22, 17}, 0, "", 0},
    {kDigit9,       K::PushButton, "9", {61, 38, 22, 17}, 0, "", 0},
    {kDigit4,       K::PushButton, "4", {13, 57, 22, 17}, 0, "", 0},
    {kDigit5,       K::PushButton, "5", {37, 57, 22, 17}, 0, "", 0},
    {kDigit6,       K::PushButton, "6", {61, 57, 22, 17}, 0, "", 0},
    {kDigit1,       K::PushButton, "1", {13, 76, 22, 17}, 0, "", 0},
    {kDigit2,       K::PushButton, "2", {37, 76, 22, 17}, 0, "", 0},
    {kDigit3,       K::PushButton, "3", {61, 76, 22, 17}, 0, "", 0},
    {kDigit0,       K::PushButton, "0", {13, 96, 22, 17}, 0, "", 0},
    {kDecimalPoint, K::PushButton, ".", {37, 96, 22, 17}, 0, "", 0},
    {kChangeSign,   K::PushButton, "+/-", {61, 96, 22, 17}, 0, "", 0},
    {X,             K::GroupBox,   "", {7, 116, 84, 26}, 0, "", 0},
    {kClearEntry,   K::PushButton, "CL&R", {13, 124, 22, 14}, 0, "", 0},
    {kClearAll,     K::PushButton, "&CLEAR ALL", {37, 124, 45, 14}, 0, "", 0},

    // Math Functions
    {X,               K::GroupBox,    "Math Functions", {94, 9, 96, 133}, 0, "", 0},
    {kMathAngleGroup, K::GroupBox,    "", {98, 17, 89, 18}, 0, "", 0},
    {kMathDegrees,    K::RadioButton, "Degrees", {101, 23, 43, 10}, 1, "Math Functions", 0},
    {kMathRadians,    K::RadioButton, "Radians", {144, 23, 42, 10}, 1, "Math Functions", 0},
    {kMathSin,        K::PushButton,  "SIN", {98, 38, 28, 17}, 0, "", 0},
    {kMathCos,        K::PushButton,  "COS", {128, 38, 28, 17}, 0, "", 0},
    {kMathLog,        K::PushButton,  "LOG", {158, 38, 28, 17}, 0, "", 0},
    {kMathArcSin,     K::PushButton,  "A-SIN", {98, 57, 28, 17}, 0, "", 0},
    {kMathArcCos,     K::PushButton,  "A-COS", {128, 57, 28, 17}, 0, "", 0},
    {kMathTenToX,     K::PushButton,  "10^x", {158, 57, 28, 17}, 0, "", 0},
    {kMathTan,        K::PushButton,  "TAN", {98, 76, 28, 18}, 0, "", 0},
    {kMathLn,         K::PushButton,  "LN", {128, 76, 28, 18}, 0, "", 0},
    {kMathReciprocal, K::PushButton,  "1 / X", {158, 76, 28, 18}, 0, "", 0},
    {kMathArcTan,     K::PushButton,  "A-TAN", {98, 96, 28, 17}, 0, "", 0},
    {kMathExp,        K::PushButton,  "EXP", {128, 96, 28, 17}, 0, "", 0},
    {kMathSquare,     K::PushButton,  "SQR", {158, 96, 28, 17}, 0, "", 0},
    {kMathAdd,        K::PushButton,  "+", {98, 115, 21, 13}, 0, "", kIconFace},
    {kMathSubtract,   K::PushButton,  "--", {120, 115, 21, 13}, 0, "", kIconFace},
    {kMathDivide,     K::PushButton,  "/", {142, 115, 21, 13}, 0, "", kIconFace},
    {kMathMultiply,   K::PushButton,  "x", {164, 115, 22, 13}, 0, "", kIconFace},
    {kMathEquals,     K::PushButton,  "=", {97, 129, 89, 11}, 0, "", kDefaultButton | kIconFace | kTabStop},

    // Wavelength and frequency
    {X,                      K::GroupBox,   "Wavelength && Frequency", {192, 9, 106, 133}, 0, "", 0},
    {kWavelengthToFrequency, K::PushButton, "WL --> Freq", {198, 21, 45, 14}, 0, "", 0},
    {kFrequencyToWavelength, K::PushButton, "Freq --> WL", {245, 21, 46, 14}, 0, "", 0},
    {X,                      K::Label,      "[ m to hz ]", {205, 37, 32, 8}, 0, "", 0},
    {X,                      K::Label,      "[ hz to m ]", {252, 37, 32, 8}, 0, "", 0},
    {X,                      K::GroupBox,   "Conversion Options", {196, 47, 98, 92}, 0, "", 0},
    {kHertzToMegahertz,      K::PushButton, "Hertz > mHz", {199, 57, 44, 14}, 0, "Conversion Options", 0},
    {kMetersToFeet,          K::PushButton, "meter > feet", {245, 57, 44, 14}, 0, "Conversion Options", 0},
    {kHertzToKilohertz,      K::PushButton, "Hertz > kHz", {199, 73, 44, 14}, 0, "Conversion Options", 0},
    {kFeetToMeters,          K::PushButton, "feet > meter", {245, 73, 44, 14}, 0, "Conversion Options", 0},
    {kHertzToSeconds,        K::PushButton, "Hz > secs", {199, 89, 44, 14}, 0, "Conversion Options", 0},
    {kMetersToMiles,         K::PushButton, "meter > miles", {245, 89, 44, 14}, 0, "Conversion Options", 0},
    {kSecondsToHertz,        K::PushButton, "secs > Hz", {199, 105, 44, 14}, 0, "Conversion Options", 0},
    {kMilesToMeters,         K::PushButton, "miles > meter", {245, 105, 44, 14}, 0, "Conversion Options", 0},
    {kMilesToKilometers,     K::PushButton, "miles > km", {199, 121, 44, 14}, 0, "Conversion Options", 0},
    {kKilometersToMiles,     K::PushButton, "km > miles", {245, 121, 44, 14}, 0, "Conversion Options", 0},

    // Power Ratio
    {X,                 K::GroupBox,    "Power Ratio", {300, 9, 95, 133}, 0, "", 0},
    {X,                 K::GroupBox,    "", {303, 16, 87, 32}, 0, "", 0},
    {kPowerInputBox,    K::Edit,        "", {305, 22, 43, 16}, 0, "Power Input", 0},
    {kPowerInputEnter,  K::PushButton,  "Enter", {350, 23, 26, 14}, 0, "Power Input", 0},
    {kPowerInputHelp,   K::PushButton,  "?", {377, 23, 9, 14}, 0, "Power Input", 0},
    {kPowerInputLabel,  K::Label,       "Power Input", {307, 39, 59, 8}, 0, "", kChangingCaption, kPowerInputBox},
    {X,                 K::GroupBox,    "", {303, 48, 87, 32}, 0, "", 0},
    {kPowerOutputBox,   K::Edit,        "", {306, 54, 43, 16}, 0, "Power Output", 0},
    {kPowerOutputEnter, K::PushButton,  "Enter", {351, 55, 25, 14}, 0, "Power Output", 0},
    {kPowerOutputHelp,  K::PushButton,  "?", {378, 55, 9, 14}, 0, "Power Output", 0},
    {kPowerOutputLabel, K::Label,       "Power Output", {307, 70, 64, 8}, 0, "", kChangingCaption, kPowerOutputBox},
    {X,                 K::GroupBox,    "", {303, 80, 88, 35}, 0, "", 0},
    {kPowerRatioLabel,  K::Label,       "Power Ratio (dB)", {331, 86, 54, 8}, 0, "", kChangingCaption, kPowerRatioBox},
    {kPowerRatioBox,    K::Edit,        "", {329, 95, 58, 16}, 0, "Power Ratio (dB)", 0},
    {kPowerRatioEquals, K::PushButton,  "=", {306, 96, 21, 14}, 0, "Power Ratio (dB)", 0},
    {X,                 K::GroupBox,    "Calculate For:", {303, 115, 88, 24}, 0, "", 0},
    {kPowerForRatio,    K::RadioButton, "dB", {306, 126, 25, 10}, 6, "Calculate For:", 0},
    {kPowerForInput,    K::RadioButton, "Pin", {331, 126, 26, 10}, 6, "Calculate For:", 0},
    {kPowerForOutput,   K::RadioButton, "Pout", {358, 126, 31, 10}, 6, "Calculate For:", 0},

    // dB Conversions
    {kDbConversionsGroup, K::GroupBox,   "dB Conversions", {397, 9, 108, 133}, 0, "", 0},
    {X,                   K::GroupBox,   "dBm && Watts", {401, 19, 100, 52}, 0, "", 0},
    {kMilliwattsToDbm,    K::PushButton, "mW to dBm", {405, 34, 45, 14}, 0, "dBm && Watts", 0},
    {kDbmToMilliwatts,    K::PushButton, "dBm to mW", {452, 34, 45, 14}, 0, "dBm && Watts", 0},
    {kWattsToDbm,         K::PushButton, "W to dBm", {405, 51, 45, 14}, 0, "dBm && Watts", 0},
    {kDbmToWatts,         K::PushButton, "dBm to W", {452, 51, 45, 14}, 0, "dBm && Watts", 0},
    {X,                   K::GroupBox,   "dBmV && Volts @ 75 ohms", {401, 73, 100, 65}, 0, "", 0},
    {kMicrovoltsToDbmv,   K::PushButton, "uV to dBmV", {405, 85, 46, 14}, 0, "dBmV && Volts @ 75 ohms", 0},
    {kDbmvToMicrovolts,   K::PushButton, "dBmV to uV", {453, 85, 44, 14}, 0, "dBmV && Volts @ 75 ohms", 0},
    {kMillivoltsToDbmv,   K::PushButton, "mV to dBmV", {405, 102, 46, 14}, 0, "dBmV && Volts @ 75 ohms", 0},
    {kDbmvToMillivolts,   K::PushButton, "dBmV to mV", {453, 102, 44, 14}, 0, "dBmV && Volts @ 75 ohms", 0},
    {kVoltsToDbmv,        K::PushButton, "V to dBmV", {405, 119, 46, 14}, 0, "dBmV && Volts @ 75 ohms", 0},
    {kDbmvToVolts,        K::PushButton, "dBmV to V", {453, 119, 44, 14}, 0, "dBmV && Volts @ 75 ohms", 0},

    // Free Space Path Loss
    {kPathLossGroup,          K::GroupBox,    "Free Space Path Loss", {7, 144, 99, 120}, 0, "", 0},
    {X,                       K::GroupBox,    "Frequency", {11, 153, 92, 35}, 0, "", 0},
    {kPathLossFrequencyBox,   K::Edit,        "", {13, 163, 43, 16}, 0, "Frequency", kTabStop},
    {kPathLossFrequencyEnter, K::PushButton,  "Enter", {58, 164, 30, 14}, 0, "Frequency", 0},
    {kPathLossFrequencyHelp,  K::PushButton,  "?", {89, 164, 9, 14}, 0, "Frequency", 0},
    {X,                       K::Label,       "In mHz", {17, 179, 23, 8}, 0, "Frequency", kShowsUnit, kPathLossFrequencyBox},
    {X,                       K::GroupBox,    "Distance", {11, 189, 92, 43}, 0, "", 0},
    {kPathLossDistanceBox,    K::Edit,        "", {13, 199, 43, 16}, 0, "Distance", kTabStop},
    {kPathLossDistanceEnter,  K::PushButton,  "Enter", {58, 200, 30, 14}, 0, "Distance", 0},
    {kPathLossDistanceHelp,   K::PushButton,  "?", {89, 200, 9, 14}, 0, "Distance", 0},
    {X,                       K::GroupBox,    "", {13, 213, 87, 16}, 0, "Distance", 0},
    {kPathLossKilometers,     K::RadioButton, "kms", {17, 218, 39, 10}, 4, "Distance", kPushLike},
    {kPathLossMiles,          K::RadioButton, "miles", {59, 218, 37, 10}, 4, "Distance", kPushLike},
    {X,                       K::GroupBox,    "Path Loss in dB", {11, 232, 91, 29}, 0, "", 0},
    {kPathLossBox,            K::Edit,        "", {13, 242, 60, 16}, 0, "Path Loss in dB", kTabStop},
    {kPathLossCalculate,      K::PushButton,  "= Loss", {75, 243, 24, 15}, 0, "Path Loss in dB", 0},

    // Line of Sight to Horizon
    {X,                       K::GroupBox,    "Line of Sight to Horizon", {110, 144, 95, 120}, 0, "", 0},
    {X,                       K::GroupBox,    "Antenna Height", {114, 154, 87, 35}, 0, "", 0},
    {kSightHeightBox,         K::Edit,        "", {116, 163, 40, 16}, 0, "Antenna Height", 0},
    {kSightHeightEnter,       K::PushButton,  "Enter", {158, 164, 30, 14}, 0, "Antenna Height", 0},
    {kSightHeightHelp,        K::PushButton,  "?", {189, 164, 9, 14}, 0, "Antenna Height", 0},
    {kSightHeightUnitLabel,   K::Label,       "In Meters", {119, 179, 48, 8}, 0, "Antenna Height", kChangingCaption | kShowsUnit, kSightHeightBox},
    {X,                       K::GroupBox,    "Distance to Horizon", {114, 190, 87, 35}, 0, "", 0},
    {kSightDistanceBox,       K::Edit,        "", {116, 200, 81, 16}, 0, "Distance to Horizon", 0},
    {kSightDistanceUnitLabel, K::Label,       "In Kilometers", {119, 216, 41, 8}, 0, "Distance to Horizon", kChangingCaption | kShowsUnit, kSightDistanceBox},
    {kSightUnitGroup,         K::GroupBox,    "Measurement Convert", {114, 227, 87, 34}, 0, "", 0},
    {kSightMetric,            K::RadioButton, "Metric", {127, 237, 35, 10}, 2, "Measurement Convert", 0},
    {kSightStandard,          K::RadioButton, "Standard", {127, 248, 45, 10}, 2, "Measurement Convert", 0},

    // Antenna Length Cutting
    {X,                    K::GroupBox,    "Antenna Length Cutting", {208, 144, 93, 120}, 0, "", 0},
    {kCutFrequencyBox,     K::Edit,        "", {212, 155, 42, 14}, 0, "Freq (mHz)", 0},
    {kCutFrequencyEnter,   K::PushButton,  "Enter", {255, 156, 31, 12}, 0, "Freq (mHz)", 0},
    {kCutFrequencyHelp,    K::PushButton,  "?", {287, 156, 9, 12}, 0, "Freq (mHz)", 0},
    {X,                    K::Label,       "Freq (mHz)", {214, 170, 35, 8}, 0, "", 0, kCutFrequencyBox},
    {X,                    K::Label,       "Cut Antenna to:", {213, 179, 50, 8}, 0, "", 0, kCutLengthBox},
    {kCutLengthBox,        K::Edit,        "", {211, 187, 61, 14}, 0, "Cut Antenna to:", 0},
    {kCutLengthUnitLabel,  K::Label,       "Cm", {274, 190, 21, 8}, 0, "", kChangingCaption | kShowsUnit, kCutLengthBox},
    {X,                    K::GroupBox,    "", {211, 199, 86, 17}, 0, "", 0},
    {kCutMetric,           K::RadioButton, "metric", {214, 205, 34, 9}, 7, "Antenna Length Cutting", 0},
    {kCutStandard,         K::RadioButton, "standard", {250, 205, 43, 9}, 7, "Antenna Length Cutting", 0},
    {kCutFringing,         K::CheckBox,    "Capacitive Fringing", {214, 217, 76, 10}, 0, "", 0},
    {X,                    K::GroupBox,    "Wavelength", {211, 227, 86, 35}, 0, "", 0},
    {kCutQuarterWave,      K::RadioButton, "1/4", {213, 238, 27, 10}, 3, "Wavelength", 0},
    {kCutThreeEighthsWave, K::RadioButton, "3/8", {241, 238, 27, 10}, 3, "Wavelength", 0},
    {kCutHalfWave,         K::RadioButton, "1/2", {269, 238, 26, 10}, 3, "Wavelength", 0},
    {kCutFiveEighthsWave,  K::RadioButton, "5/8", {213, 249, 27, 10}, 3, "Wavelength", 0},
    {kCutThreeQuarterWave, K::RadioButton, "3/4", {241, 249, 27, 10}, 3, "Wavelength", 0},
    {kCutFullWave,         K::RadioButton, "Full", {269, 249, 25, 10}, 3, "Wavelength", 0},

    // Beam Tilt Calculator
    {X,                       K::GroupBox,    "Beam Tilt Calculator", {304, 144, 147, 120}, 0, "", 0},
    {kTiltHaatBox,            K::Edit,        "", {307, 155, 43, 14}, 0, "Ant. HAAT (meters)", 0},
    {kTiltHaatEnter,          K::PushButton,  "Enter", {352, 156, 21, 12}, 0, "Ant. HAAT (meters)", 0},
    {kTiltHaatLabel,          K::Label,       "Ant. HAAT (meters)", {377, 159, 62, 8}, 0, "", kChangingCaption, kTiltHaatBox},
    {kTiltBeamwidthBox,       K::Edit,        "", {307, 169, 43, 14}, 0, "V. Beamwidth (deg)", 0},
    {kTiltBeamwidthEnter,     K::PushButton,  "Enter", {352, 170, 21, 12}, 0, "V. Beamwidth (deg)", 0},
    {X,                       K::Label,       "V. Beamwidth (deg)", {377, 172, 62, 8}, 0, "", 0, kTiltBeamwidthBox},
    {kTiltDowntiltBox,        K::Edit,        "", {307, 183, 43, 14}, 0, "Down Tilt (degrees)", 0},
    {kTiltDowntiltEnter,      K::PushButton,  "Enter", {352, 184, 21, 12}, 0, "Down Tilt (degrees)", 0},
    {X,                       K::Label,       "Down Tilt (degrees)", {377, 186, 62, 8}, 0, "", 0, kTiltDowntiltBox},
    {X,                       K::GroupBox,    "", {355, 195, 92, 18}, 0, "", 0},
    {kTiltMetric,             K::RadioButton, "Metric", {359, 201, 37, 11}, 5, "Beam Tilt Calculator", 0},
    {kTiltStandard,           K::RadioButton, "Standard", {395, 201, 45, 11}, 5, "Beam Tilt Calculator", 0},
    {kTiltCalculate,          K::PushButton,  "Calculate", {308, 199, 42, 14}, 0, "Beam Tilt Calculator", 0},
    {X,                       K::Label,       "Radio Horizon:", {309, 214, 48, 8}, 0, "", 0, kTiltHorizonBox},
    {kTiltHorizonBox,         K::Edit,        "", {308, 223, 52, 14}, 0, "Radio Horizon:", 0},
    {kTiltHorizonUnitLabel,   K::Label,       "kms", {361, 226, 14, 8}, 0, "", kChangingCaption | kShowsUnit, kTiltHorizonBox},
    {X,                       K::Label,       "Main Lobe:", {383, 214, 36, 8}, 0, "", 0, kTiltMainLobeBox},
    {kTiltMainLobeBox,        K::Edit,        "", {381, 222, 52, 14}, 0, "Main Lobe:", 0},
    {kTiltMainLobeUnitLabel,  K::Label,       "kms", {435, 225, 14, 8}, 0, "", kChangingCaption | kShowsUnit, kTiltMainLobeBox},
    {X,                       K::Label,       "Lower 3dB Lobe:", {309, 239, 55, 8}, 0, "", 0, kTiltLowerLobeBox},
    {kTiltLowerLobeBox,       K::Edit,        "", {308, 247, 52, 14}, 0, "Lower 3dB Lobe:", 0},
    {kTiltLowerLobeUnitLabel, K::Label,       "kms", {361, 250, 14, 8}, 0, "", kChangingCaption | kShowsUnit, kTiltLowerLobeBox},
    {X,                       K::Label,       "Upper 3dB Lobe:", {382, 238, 55, 8}, 0, "", 0, kTiltUpperLobeBox},
    {kTiltUpperLobeBox,       K::Edit,        "", {381, 247, 52, 14}, 0, "Upper 3dB Lobe:", 0},
    {kTiltUpperLobeUnitLabel, K::Label,       "kms", {435, 250, 14, 8}, 0, "", kChangingCaption | kShowsUnit, kTiltUpperLobeBox},

    // Temperature
    {X,                    K::GroupBox,   "Temperature", {454, 145, 51, 61}, 0, "", 0},
    {kCelsiusToFahrenheit, K::PushButton, "C > F", {457, 156, 22, 14}, 0, "Temperature", 0},
    {kFahrenheitToCelsius, K::PushButton, "F > C", {480, 156, 22, 14}, 0, "Temperature", 0},
    {kKelvinToFahrenheit,  K::PushButton, "K > F", {457, 172, 22, 14}, 0, "Temperature", 0},
    {kFahrenheitToKelvin,  K::PushButton, "F > K", {480, 172, 22, 14}, 0, "Temperature", 0},
    {kCelsiusToKelvin,     K::PushButton, "C > K", {457, 188, 22, 14}, 0, "Temperature", 0},
    {kKelvinToCelsius,     K::PushButton, "K > C", {480, 188, 22, 14}, 0, "Temperature", 0},

    // Close
    {kCloseButton, K::PushButton, "CLOSE", {454, 207, 51, 57}, 0, "", 0},

    // VSWR
    {X,                   K::GroupBox,   "VSWR using a Wattmeter ( 50 Ohm Transmission Line)", {7, 265, 323, 69}, 0, "", 0},
    {X,                   K::Label,      "Forward Power", {16, 277, 48, 8}, 0, "", 0, kVswrForwardBox},
    {kVswrForwardBox,     K::Edit,       "", {14, 286, 43, 16}, 0, "Forward Power", 0},
    {kVswrForwardEnter,   K::PushButton, "Enter", {59, 288, 30, 15}, 0, "Forward Power", 0},
    {kVswrForwardHelp,    K::PushButton, "?", {90, 288, 9, 15}, 0, "Forward Power", 0},
    {X,                   K::Label,      "Reflected Power", {15, 304, 54, 8}, 0, "", 0, kVswrReflectedBox},
    {kVswrReflectedBox,   K::Edit,       "", {14, 313, 43, 16}, 0, "Reflected Power", 0},
    {kVswrReflectedEnter, K::PushButton, "Enter", {59, 314, 30, 15}, 0, "Reflected Power", 0},
    {kVswrReflectedHelp,  K::PushButton, "?", {90, 314, 9, 15}, 0, "Reflected Power", 0},
    {X,                   K::GroupBox,   "", {110, 275, 62, 28}, 0, "", 0},
    {kVswrCalculate,      K::PushButton, "Calculate", {113, 284, 55, 15}, 0, "VSWR", 0},
    {X,                   K::GroupBox,   "VSWR", {110, 304, 62, 28}, 0, "", 0},
    {kVswrBox,            K::Edit,       "", {113, 313, 55, 16}, 0, "VSWR", 0},
    {X,                   K::GroupBox,   "Return Loss (dB)", {176, 275, 63, 28}, 0, "", 0},
    {kVswrReturnLossBox,  K::Edit,       "", {179, 284, 56, 16}, 0, "Return Loss (dB)", 0},
    {X,                   K::GroupBox,   "Ref. Coefficient", {176, 304, 63, 28}, 0, "", 0},
    {kVswrCoefficientBox, K::Edit,       "", {179, 313, 56, 16}, 0, "Ref. Coefficient", 0},
    {X,                   K::GroupBox,   "Zmax", {242, 275, 85, 28}, 0, "", 0},
    {kVswrZmaxBox,        K::Edit,       "", {245, 284, 56, 16}, 0, "Zmax", 0},
    {X,                   K::Label,      "Ohms", {304, 288, 19, 8}, 0, "Zmax", kShowsUnit, kVswrZmaxBox},
    {X,                   K::GroupBox,   "Zmin", {242, 304, 85, 28}, 0, "", 0},
    {kVswrZminBox,        K::Edit,       "", {245, 313, 56, 16}, 0, "Zmin", 0},
    {X,                   K::Label,      "Ohms", {304, 316, 19, 8}, 0, "Zmin", kShowsUnit, kVswrZminBox},

    // Scratch Pad
    {X,           K::GroupBox,      "Scratch Pad", {333, 265, 172, 69}, 0, "", 0},
    {kScratchPad, K::MultiLineEdit, "", {336, 275, 135, 56}, 0, "Scratch Pad", 0},
    {kPadExit,    K::PushButton,    "Exit", {473, 275, 29, 27}, 0, "Scratch Pad", 0},
    {kPadClear,   K::PushButton,    "Clear", {473, 303, 29, 28}, 0, "Scratch Pad", 0},

    // Hidden boxes that carry the entry and arithmetic state
    {kPointAllowedBox, K::Edit, "", {454, 242, 17, 14}, 0, "", kHidden},
    {kFreshEntryBox,   K::Edit, "", {463, 242, 16, 14}, 0, "", kHidden},
    {kOperandBox,      K::Edit, "", {473, 242, 16, 14}, 0, "", kHidden},
    {kPendingOpBox,    K::Edit, "", {485, 242, 19, 14}, 0, "", kHidden},

    // Hidden keypad twins: their mnemonics are the keyboard shortcuts
    {kTwinDigit0,       K::PushButton, "&0", {478, 234, 8, 14}, 0, "", kHidden, kDigit0},
    {kTwinDigit1,       K::PushButton, "&1", {480, 234, 8, 14}, 0, "", kHidden, kDigit1},
    {kTwinDigit2,       K::PushButton, "&2", {482, 234, 8, 14}, 0, "", kHidden, kDigit2},
    {kTwinDigit3,       K::PushButton, "&3", {484, 234, 8, 14}, 0, "", kHidden, kDigit3},
    {kTwinDigit4,       K::PushButton, "&4", {486, 234, 8, 14}, 0, "", kHidden, kDigit4},
    {kTwinDigit5,       K::PushButton, "&5", {478, 237, 8, 14}, 0, "", kHidden, kDigit5},
    {kTwinDigit6,       K::PushButton, "&6", {480, 237, 8, 14}, 0, "", kHidden, kDigit6},
    {kTwinDigit7,       K::PushButton, "&7", {482, 237, 8, 14}, 0, "", kHidden, kDigit7},
    {kTwinDigit8,       K::PushButton, "&8", {484, 237, 8, 14}, 0, "", kHidden, kDigit8},
    {kTwinDigit9,       K::PushButton, "&9", {486, 237, 8, 14}, 0, "", kHidden, kDigit9},
    {kTwinDecimalPoint, K::PushButton, "&.", {487, 237, 8, 14}, 0, "", kHidden, kDecimalPoint},
    {kTwinSubtract,     K::PushButton, "&-", {478, 237, 8, 14}, 0, "", kHidden, kMathSubtract},
    {kTwinAdd,          K::PushButton, "&+", {480, 237, 8, 14}, 0, "", kHidden, kMathAdd},
    {kTwinMultiply,     K::PushButton, "&*", {482, 237, 8, 14}, 0, "", kHidden, kMathMultiply},
    {kTwinDivide,       K::PushButton, "&/", {484, 237, 8, 14}, 0, "", kHidden, kMathDivide},
    {kTwinEquals,       K::PushButton, "&=", {486, 237, 8, 14}, 0, "", kHidden, kMathEquals},
};
// clang-format on

}  // namespace

const DialogFrame& mainWindowFrame() { return kMainFrame; }

std::span<const ControlSpec> controls() { return kControls; }

namespace {

// Finds a row of the control table by its identifier in constant time, for
// the operations that look controls up on every click and key. Nearly all
// identifiers lie in one short range, which a table covers; the few others
// (the close button) are compared one by one.
class ControlIndex {
public:
    ControlIndex() {
        m_rows.fill(kNone);
        m_first = std::numeric_limits<int>::max();
        for (const ControlSpec& control : kControls) {
            if (control.id != kUnaddressed) m_first = std::min(m_first, control.id);
        }
        for (std::size_t row = 0; row < std::size(kControls); ++row) {
            const int id = kControls[row].id;
            if (id == kUnaddressed || find(id) != kNone) continue;  // the first row wins
            if (const std::size_t offset = offsetOf(id); offset < kSpan) {
                m_rows[offset] = static_cast<std::int16_t>(row);
            } else {
                m_outliers.push_back({id, static_cast<int>(row)});
            }
        }
    }

    // The row of the control, or kNone.
    int find(int id) const {
        if (const std::size_t offset = offsetOf(id); offset < kSpan) return m_rows[offset];
        for (const Outlier& outlier : m_outliers) {
            if (outlier.id == id) return outlier.row;
        }
        return kNone;
    }

    static constexpr int kNone = -1;

private:
    static constexpr std::size_t kSpan = 512;
    struct Outlier {
        int id;
        int row;
    };

    // Wraps below m_first, so that one comparison checks both ends.
    std::size_t offsetOf(int id) const {
        return static_cast<std::size_t>(static_cast<unsigned>(id) - static_cast<unsigned>(m_first));
    }

    int m_first;
    std::array<std::int16_t, kSpan> m_rows;
    std::vector<Outlier> m_outliers;
};

// The radio groups, numbered from 1 by the radioGroup column; a group's
// members in table order.
class RadioGroups {
public:
    RadioGroups() {
        std::size_t count = 0;
        for (const ControlSpec& control : kControls) {
            count = std::max(count, static_cast<std::size_t>(control.radioGroup));
        }
        m_members.resize(count);
        for (const ControlSpec& control : kControls) {
            if (control.radioGroup > 0) m_members[control.radioGroup - 1].push_back(control.id);
        }
        for (const std::vector<int>& members : m_members) m_groups.push_back({members});
    }

    std::span<const RadioGroup> groups() const { return m_groups; }

private:
    std::vector<std::vector<int>> m_members;
    std::vector<RadioGroup> m_groups;
};

const RadioGroups& derivedRadioGroups() {
    static const RadioGroups groups;
    return groups;
}

// The hidden keypad twin of every character, 0 for none.
std::array<int, 256> twinsByKey() {
    std::array<int, 256> twins{};
    for (const ControlSpec& control : kControls) {
        if (!control.isHiddenTwin()) continue;
        const auto key = static_cast<unsigned char>(mnemonicOf(control.caption));
        if (key != 0 && twins[key] == 0) twins[key] = control.id;
    }
    return twins;
}

}  // namespace

const ControlSpec* findControl(int id) {
    if (id == kUnaddressed) return nullptr;
    static const ControlIndex index;
    const int row = index.find(id);
    return row == ControlIndex::kNone ? nullptr : &kControls[row];
}

std::span<const RadioGroup> radioGroups() { return derivedRadioGroups().groups(); }

const RadioGroup* radioGroupOf(int id) {
    const ControlSpec* control = findControl(id);
    if (control == nullptr || control->radioGroup == 0) return nullptr;
    return &radioGroups()[control->radioGroup - 1];
}

std::span<const int> changingLabels() {
    static const std::vector<int> labels = [] {
        std::vector<int> ids;
        for (const ControlSpec& control : kControls) {
            if (control.is(kChangingCaption)) ids.push_back(control.id);
        }
        return ids;
    }();
    return labels;
}

namespace {

// The label that belongs to this box, its unit label or the one naming it.
const ControlSpec* labelOfBox(int box, bool unit) {
    if (box == 0) return nullptr;
    for (const ControlSpec& control : kControls) {
        if (control.kind == ControlKind::Label && control.partner == box &&
            control.is(kShowsUnit) == unit)
            return &control;
    }
    return nullptr;
}

}  // namespace

const ControlSpec* labelOf(int box) { return labelOfBox(box, false); }

const ControlSpec* unitLabelOf(int box) { return labelOfBox(box, true); }

std::string_view startCaption(int id) {
    const ControlSpec* control = findControl(id);
    return control == nullptr ? std::string_view() : control->caption;
}

int defaultButtonId() {
    for (const ControlSpec& control : kControls) {
        if (control.is(kDefaultButton)) return control.id;
    }
    return kUnaddressed;
}

int twinForKey(char key) {
    static const std::array<int, 256> twins = twinsByKey();
    return twins[static_cast<unsigned char>(key)];
}

std::string plainCaption(std::string_view caption) {
    std::string plain;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

char mnemonicOf(std::string_view caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;
    }
    return 0;
}

}  // namespace varnock
