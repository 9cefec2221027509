#include "app/Routing.h"

#include <vector>

#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {
namespace {

using D = CCalcDlg;

// clang-format off
const Route kClickRoutes[] = {
    // Keypad: each digit, the point and the operators with their hidden twins
    {1091, &D::OnDigit0}, {1103, &D::OnDigit0},
    {1088, &D::OnDigit1}, {1099, &D::OnDigit1},
    {1089, &D::OnDigit2}, {1101, &D::OnDigit2},
    {1090, &D::OnDigit3}, {1102, &D::OnDigit3},
    {1085, &D::OnDigit4}, {1104, &D::OnDigit4},
    {1086, &D::OnDigit5}, {1100, &D::OnDigit5},
    {1087, &D::OnDigit6}, {1109, &D::OnDigit6},
    {1082, &D::OnDigit7}, {1110, &D::OnDigit7},
    {1083, &D::OnDigit8}, {1105, &D::OnDigit8},
    {1084, &D::OnDigit9}, {1106, &D::OnDigit9},
    {1092, &D::OnPoint},  {1108, &D::OnPoint},
    {1093, &D::OnChangeSign},
    {1122, &D::OnClearEntry},
    {1012, &D::OnClearAll},
    {1146, &D::OnAdd},      {1111, &D::OnAdd},
    {1149, &D::OnSubtract}, {1107, &D::OnSubtract},
    {1150, &D::OnDivide},   {1123, &D::OnDivide},
    {1151, &D::OnMultiply}, {1112, &D::OnMultiply},
    {1152, &D::OnEquals},   {1124, &D::OnEquals},

    // Math functions ("Degrees" and "Radians" have no operation of their own)
    {1021, &D::OnSin}, {1029, &D::OnCos}, {1030, &D::OnLog}, {1033, &D::OnTenToX},
    {1031, &D::OnArcSin}, {1032, &D::OnArcCos}, {1034, &D::OnTan}, {1035, &D::OnArcTan},
    {1036, &D::OnLn}, {1037, &D::OnExp}, {1038, &D::OnInverse}, {1039, &D::OnSquare},

    // dB level conversions
    {1000, &D::OnMwToDbm},  {1001, &D::OnDbmToMw},  {1019, &D::OnWToDbm},
    {1020, &D::OnDbmToW},   {1013, &D::OnUvToDbmv}, {1014, &D::OnDbmvToUv},
    {1015, &D::OnMvToDbmv}, {1016, &D::OnDbmvToMv}, {1017, &D::OnVToDbmv},
    {1018, &D::OnDbmvToV},

    // Temperature conversions
    {1042, &D::OnCelsiusToFahrenheit}, {1040, &D::OnFahrenheitToCelsius},
    {1045, &D::OnKelvinToFahrenheit},  {1041, &D::OnFahrenheitToKelvin},
    {1043, &D::OnCelsiusToKelvin},     {1044, &D::OnKelvinToCelsius},

    // Wavelength, frequency and length conversions
    {1063, &D::OnWavelengthFrequency}, {1064, &D::OnWavelengthFrequency},
    {1076, &D::OnHertzSeconds},        {1077, &D::OnHertzSeconds},
    {1071, &D::OnHertzToMhz},  {1072, &D::OnHertzToKhz},  {1073, &D::OnMilesToKm},
    {1079, &D::OnKmToMiles},   {1074, &D::OnMeterToFeet}, {1080, &D::OnFeetToMeter},
    {1075, &D::OnMeterToMiles}, {1078, &D::OnMilesToMeter},

    // Free space path loss
    {1116, &D::OnFsplEnterFrequency}, {1117, &D::OnFsplEnterDistance},
    {1119, &D::OnFsplLoss},           {1120, &D::OnFsplHelpFrequency},
    {1121, &D::OnFsplHelpDistance},   {1147, &D::OnFsplKms},
    {1148, &D::OnFsplMiles},

    // Line of sight
    {1127, &D::OnLosEnter}, {1128, &D::OnLosHelp},
    {1130, &D::OnLosMetric}, {1131, &D::OnLosStandard},

    // Antenna length cutting
    {1143, &D::OnCutEnter}, {1144, &D::OnCutHelp},
    {1137, &D::OnCutQuarter}, {1138, &D::OnCutThreeEighths}, {1139, &D::OnCutHalf},
    {1140, &D::OnCutFiveEighths}, {1141, &D::OnCutThreeQuarters}, {1142, &D::OnCutFull},
    {1187, &D::OnCutMetric}, {1186, &D::OnCutStandard}, {1185, &D::OnCutFringing},

    // Beam tilt
    {1161, &D::OnTiltEnterHaat}, {1167, &D::OnTiltEnterBeamwidth},
    {1168, &D::OnTiltEnterDowntilt}, {1163, &D::OnTiltCalculate},
    {1169, &D::OnTiltMetric}, {1170, &D::OnTiltStandard},

    // Power ratio
    {1160, &D::OnPowerEnterIn}, {1162, &D::OnPowerEnterOut}, {1181, &D::OnPowerEquals},
    {1176, &D::OnPowerHelp},    {1177, &D::OnPowerHelp},
    {1178, &D::OnPowerModeDb},  {1179, &D::OnPowerModePin},  {1180, &D::OnPowerModePout},

    // VSWR
    {1192, &D::OnVswrEnterForward}, {1197, &D::OnVswrEnterReflected},
    {1191, &D::OnVswrCalculate},    {1193, &D::OnVswrHelpForward},
    {1198, &D::OnVswrHelpReflected},

    // Scratch pad and window
    {1224, &D::OnPadClear},
    {1223, &D::OnFocusBounce},
    {58112, &D::OnCancel},
};

// The display and every panel box refuse the focus.
const Route kFocusRoutes[] = {
    {1007, &D::OnFocusBounce}, {1114, &D::OnFocusBounce}, {1115, &D::OnFocusBounce},
    {1118, &D::OnFocusBounce}, {1125, &D::OnFocusBounce}, {1126, &D::OnFocusBounce},
    {1129, &D::OnFocusBounce}, {1132, &D::OnFocusBounce}, {1134, &D::OnFocusBounce},
    {1145, &D::OnFocusBounce}, {1155, &D::OnFocusBounce}, {1156, &D::OnFocusBounce},
    {1157, &D::OnFocusBounce}, {1158, &D::OnFocusBounce}, {1159, &D::OnFocusBounce},
    {1164, &D::OnFocusBounce}, {1165, &D::OnFocusBounce}, {1166, &D::OnFocusBounce},
    {1189, &D::OnFocusBounce}, {1190, &D::OnFocusBounce}, {1194, &D::OnFocusBounce},
    {1195, &D::OnFocusBounce}, {1196, &D::OnFocusBounce}, {1199, &D::OnFocusBounce},
    {1203, &D::OnFocusBounce},
};
// clang-format on

ClickHandler findRoute(std::span<const Route> routes, int id) {
    for (const Route& route : routes) {
        if (route.id == id) return route.handler;
    }
    return nullptr;
}

// The handlers of one table by row of the control table, so that the lookup
// on every click and focus change takes constant time.
class HandlerIndex {
public:
    explicit HandlerIndex(std::span<const Route> routes)
        : m_routes(routes), m_byRow(controls().size(), nullptr) {
        // Backwards, so that the first route of a control wins as in findRoute().
        for (auto route = routes.rbegin(); route != routes.rend(); ++route) {
            if (const ControlSpec* control = findControl(route->id)) {
                m_byRow[static_cast<std::size_t>(control - controls().data())] = route->handler;
            }
        }
    }

    ClickHandler find(int id) const {
        const ControlSpec* control = findControl(id);
        // An identifier outside the control table is looked for the slow way.
        if (control == nullptr) return findRoute(m_routes, id);
        return m_byRow[static_cast<std::size_t>(control - controls().data())];
    }

private:
    std::span<const Route> m_routes;
    std::vector<ClickHandler> m_byRow;
};

}  // namespace

std::span<const Route> clickRoutes() { return kClickRoutes; }
std::span<const Route> focusRoutes() { return kFocusRoutes; }

ClickHandler findClickHandler(int id) {
    static const HandlerIndex index(kClickRoutes);
    return index.find(id);
}

ClickHandler findFocusHandler(int id) {
    static const HandlerIndex index(kFocusRoutes);
    return index.find(id);
}

}  // namespace varnock
