#include "app/Routing.h"

#include <iterator>
#include <vector>

#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {
namespace {

using D = CCalcDlg;

// clang-format off
const Route kClickRoutes[] = {
    // Keypad (the hidden twins run what their visible keys run)
    {1091, &D::OnDigit0}, {1088, &D::OnDigit1}, {1089, &D::OnDigit2}, {1090, &D::OnDigit3},
    {1085, &D::OnDigit4}, {1086, &D::OnDigit5}, {1087, &D::OnDigit6}, {1082, &D::OnDigit7},
    {1083, &D::OnDigit8}, {1084, &D::OnDigit9}, {1092, &D::OnPoint},
    {1093, &D::OnChangeSign},
    {1122, &D::OnClearEntry},
    {1012, &D::OnClearAll},
    {1146, &D::OnAdd}, {1149, &D::OnSubtract}, {1150, &D::OnDivide}, {1151, &D::OnMultiply},
    {1152, &D::OnEquals},

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

// The routes above, and one for each hidden twin: the operation of the
// visible key it stands for.
std::vector<Route> withTwinRoutes() {
    std::vector<Route> routes(std::begin(kClickRoutes), std::end(kClickRoutes));
    for (const ControlSpec& control : controls()) {
        if (control.isHiddenTwin()) {
            routes.push_back({control.id, findRoute(kClickRoutes, control.partner)});
        }
    }
    return routes;
}

// Every read-only box gives the focus back.
std::vector<Route> readOnlyBoxRoutes() {
    std::vector<Route> routes;
    for (const ControlSpec& control : controls()) {
        if (control.isReadOnlyBox()) routes.push_back({control.id, &D::OnFocusBounce});
    }
    return routes;
}

const std::vector<Route>& allClickRoutes() {
    static const std::vector<Route> routes = withTwinRoutes();
    return routes;
}

const std::vector<Route>& allFocusRoutes() {
    static const std::vector<Route> routes = readOnlyBoxRoutes();
    return routes;
}

}  // namespace

std::span<const Route> clickRoutes() { return allClickRoutes(); }
std::span<const Route> focusRoutes() { return allFocusRoutes(); }

ClickHandler findClickHandler(int id) {
    static const HandlerIndex index(allClickRoutes());
    return index.find(id);
}

ClickHandler findFocusHandler(int id) {
    static const HandlerIndex index(allFocusRoutes());
    return index.find(id);
}

}  // namespace varnock
