// SPDX-License-Identifier: GPL-3.0-or-later
// The identifiers of the calculator's controls, grouped by panel in the
// order of the control table. The console protocol names controls by these
// numbers, and the record binds its boxes by them.
#pragma once

namespace varnock {

// Keypad: the display, the digit keys and the two clear keys.
inline constexpr int kDisplay = 1007;
inline constexpr int kDigit7 = 1082;
inline constexpr int kDigit8 = 1083;
inline constexpr int kDigit9 = 1084;
inline constexpr int kDigit4 = 1085;
inline constexpr int kDigit5 = 1086;
inline constexpr int kDigit6 = 1087;
inline constexpr int kDigit1 = 1088;
inline constexpr int kDigit2 = 1089;
inline constexpr int kDigit3 = 1090;
inline constexpr int kDigit0 = 1091;
inline constexpr int kDecimalPoint = 1092;
inline constexpr int kChangeSign = 1093;
inline constexpr int kClearEntry = 1122;
inline constexpr int kClearAll = 1012;

// Math functions: the angle unit, the function keys and the arithmetic keys.
inline constexpr int kMathAngleGroup = 1028;
inline constexpr int kMathDegrees = 1024;
inline constexpr int kMathRadians = 1025;
inline constexpr int kMathSin = 1021;
inline constexpr int kMathCos = 1029;
inline constexpr int kMathLog = 1030;
inline constexpr int kMathArcSin = 1031;
inline constexpr int kMathArcCos = 1032;
inline constexpr int kMathTenToX = 1033;
inline constexpr int kMathTan = 1034;
inline constexpr int kMathLn = 1036;
inline constexpr int kMathReciprocal = 1038;
inline constexpr int kMathArcTan = 1035;
inline constexpr int kMathExp = 1037;
inline constexpr int kMathSquare = 1039;
inline constexpr int kMathAdd = 1146;
inline constexpr int kMathSubtract = 1149;
inline constexpr int kMathDivide = 1150;
inline constexpr int kMathMultiply = 1151;
inline constexpr int kMathEquals = 1152;

// Wavelength and frequency conversions.
inline constexpr int kWavelengthToFrequency = 1063;
inline constexpr int kFrequencyToWavelength = 1064;
inline constexpr int kHertzToMegahertz = 1071;
inline constexpr int kMetersToFeet = 1074;
inline constexpr int kHertzToKilohertz = 1072;
inline constexpr int kFeetToMeters = 1080;
inline constexpr int kHertzToSeconds = 1076;
inline constexpr int kMetersToMiles = 1075;
inline constexpr int kSecondsToHertz = 1077;
inline constexpr int kMilesToMeters = 1078;
inline constexpr int kMilesToKilometers = 1073;
inline constexpr int kKilometersToMiles = 1079;

// Power ratio: the two powers, the ratio and what to calculate.
inline constexpr int kPowerInputBox = 1156;
inline constexpr int kPowerInputEnter = 1160;
inline constexpr int kPowerInputHelp = 1176;
inline constexpr int kPowerInputLabel = 1182;
inline constexpr int kPowerOutputBox = 1157;
inline constexpr int kPowerOutputEnter = 1162;
inline constexpr int kPowerOutputHelp = 1177;
inline constexpr int kPowerOutputLabel = 1183;
inline constexpr int kPowerRatioLabel = 1184;
inline constexpr int kPowerRatioBox = 1158;
inline constexpr int kPowerRatioEquals = 1181;
inline constexpr int kPowerForRatio = 1178;
inline constexpr int kPowerForInput = 1179;
inline constexpr int kPowerForOutput = 1180;

// dB conversions.
inline constexpr int kDbConversionsGroup = 1004;
inline constexpr int kMilliwattsToDbm = 1000;
inline constexpr int kDbmToMilliwatts = 1001;
inline constexpr int kWattsToDbm = 1019;
inline constexpr int kDbmToWatts = 1020;
inline constexpr int kMicrovoltsToDbmv = 1013;
inline constexpr int kDbmvToMicrovolts = 1014;
inline constexpr int kMillivoltsToDbmv = 1015;
inline constexpr int kDbmvToMillivolts = 1016;
inline constexpr int kVoltsToDbmv = 1017;
inline constexpr int kDbmvToVolts = 1018;

// Free space path loss.
inline constexpr int kPathLossGroup = 1113;
inline constexpr int kPathLossFrequencyBox = 1114;
inline constexpr int kPathLossFrequencyEnter = 1116;
inline constexpr int kPathLossFrequencyHelp = 1120;
inline constexpr int kPathLossDistanceBox = 1115;
inline constexpr int kPathLossDistanceEnter = 1117;
inline constexpr int kPathLossDistanceHelp = 1121;
inline constexpr int kPathLossKilometers = 1147;
inline constexpr int kPathLossMiles = 1148;
inline constexpr int kPathLossBox = 1118;
inline constexpr int kPathLossCalculate = 1119;

// Line of sight to the horizon.
inline constexpr int kSightHeightBox = 1126;
inline constexpr int kSightHeightEnter = 1127;
inline constexpr int kSightHeightHelp = 1128;
inline constexpr int kSightHeightUnitLabel = 1135;
inline constexpr int kSightDistanceBox = 1129;
inline constexpr int kSightDistanceUnitLabel = 1136;
inline constexpr int kSightUnitGroup = 1133;
inline constexpr int kSightMetric = 1130;
inline constexpr int kSightStandard = 1131;

// Antenna length cutting.
inline constexpr int kCutFrequencyBox = 1132;
inline constexpr int kCutFrequencyEnter = 1143;
inline constexpr int kCutFrequencyHelp = 1144;
inline constexpr int kCutLengthBox = 1145;
inline constexpr int kCutLengthUnitLabel = 1188;
inline constexpr int kCutMetric = 1187;
inline constexpr int kCutStandard = 1186;
inline constexpr int kCutFringing = 1185;
inline constexpr int kCutQuarterWave = 1137;
inline constexpr int kCutThreeEighthsWave = 1138;
inline constexpr int kCutHalfWave = 1139;
inline constexpr int kCutFiveEighthsWave = 1140;
inline constexpr int kCutThreeQuarterWave = 1141;
inline constexpr int kCutFullWave = 1142;

// Beam tilt calculator.
inline constexpr int kTiltHaatBox = 1125;
inline constexpr int kTiltHaatEnter = 1161;
inline constexpr int kTiltHaatLabel = 1175;
inline constexpr int kTiltBeamwidthBox = 1134;
inline constexpr int kTiltBeamwidthEnter = 1167;
inline constexpr int kTiltDowntiltBox = 1155;
inline constexpr int kTiltDowntiltEnter = 1168;
inline constexpr int kTiltMetric = 1169;
inline constexpr int kTiltStandard = 1170;
inline constexpr int kTiltCalculate = 1163;
inline constexpr int kTiltHorizonBox = 1165;
inline constexpr int kTiltHorizonUnitLabel = 1171;
inline constexpr int kTiltMainLobeBox = 1164;
inline constexpr int kTiltMainLobeUnitLabel = 1173;
inline constexpr int kTiltLowerLobeBox = 1159;
inline constexpr int kTiltLowerLobeUnitLabel = 1172;
inline constexpr int kTiltUpperLobeBox = 1166;
inline constexpr int kTiltUpperLobeUnitLabel = 1174;

// Temperature conversions.
inline constexpr int kCelsiusToFahrenheit = 1042;
inline constexpr int kFahrenheitToCelsius = 1040;
inline constexpr int kKelvinToFahrenheit = 1045;
inline constexpr int kFahrenheitToKelvin = 1041;
inline constexpr int kCelsiusToKelvin = 1043;
inline constexpr int kKelvinToCelsius = 1044;

// The close button.
inline constexpr int kCloseButton = 58112;

// VSWR from forward and reflected power.
inline constexpr int kVswrForwardBox = 1189;
inline constexpr int kVswrForwardEnter = 1192;
inline constexpr int kVswrForwardHelp = 1193;
inline constexpr int kVswrReflectedBox = 1196;
inline constexpr int kVswrReflectedEnter = 1197;
inline constexpr int kVswrReflectedHelp = 1198;
inline constexpr int kVswrCalculate = 1191;
inline constexpr int kVswrBox = 1190;
inline constexpr int kVswrReturnLossBox = 1195;
inline constexpr int kVswrCoefficientBox = 1194;
inline constexpr int kVswrZmaxBox = 1199;
inline constexpr int kVswrZminBox = 1203;

// Scratch pad.
inline constexpr int kScratchPad = 1221;
inline constexpr int kPadExit = 1223;
inline constexpr int kPadClear = 1224;

// Hidden boxes that carry the entry and arithmetic state.
inline constexpr int kPointAllowedBox = 1094;
inline constexpr int kFreshEntryBox = 1097;
inline constexpr int kOperandBox = 1153;
inline constexpr int kPendingOpBox = 1154;

// Hidden keypad twins, whose mnemonics are the keyboard shortcuts.
inline constexpr int kTwinDigit0 = 1103;
inline constexpr int kTwinDigit1 = 1099;
inline constexpr int kTwinDigit2 = 1101;
inline constexpr int kTwinDigit3 = 1102;
inline constexpr int kTwinDigit4 = 1104;
inline constexpr int kTwinDigit5 = 1100;
inline constexpr int kTwinDigit6 = 1109;
inline constexpr int kTwinDigit7 = 1110;
inline constexpr int kTwinDigit8 = 1105;
inline constexpr int kTwinDigit9 = 1106;
inline constexpr int kTwinDecimalPoint = 1108;
inline constexpr int kTwinSubtract = 1107;
inline constexpr int kTwinAdd = 1111;
inline constexpr int kTwinMultiply = 1112;
inline constexpr int kTwinDivide = 1123;
inline constexpr int kTwinEquals = 1124;

}  // namespace varnock
