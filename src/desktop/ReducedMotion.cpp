// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReducedMotion.h"

#include <QSettings>
#include <QStandardPaths>
#include <optional>

namespace {

bool isZero(const QString& value) {
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    return isNumber && number == 0;
}

bool isSwitchedOff(const QString& value) {
    const QString word = value.trimmed().toLower();
    return word == QLatin1String("false") || word == QLatin1String("0") ||
           word == QLatin1String("no") || word == QLatin1String("off");
}

// A setting of one desktop, and the values of it that ask for stillness.
struct MotionSetting {
    const char* file;  // under the configuration folders
    const char* key;   // "group/key"
    bool (*reduces)(const QString& value);
};

constexpr MotionSetting kSettings[] = {
    {"kdeglobals", "KDE/AnimationDurationFactor", isZero},
    {"gtk-4.0/settings.ini", "Settings/gtk-enable-animations", isSwitchedOff},
    {"gtk-3.0/settings.ini", "Settings/gtk-enable-animations", isSwitchedOff},
};

// The value from the first configuration file that sets the key.
std::optional<QString> firstValue(const MotionSetting& setting) {
    const QStringList files = QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                                        QLatin1String(setting.file));
    for (const QString& file : files) {
        const QSettings settings(file, QSettings::IniFormat);
        const QString key = QLatin1String(setting.key);
        if (settings.contains(key)) return settings.value(key).toString();
    }
    return std::nullopt;
}

}  // namespace

bool desktopReducesMotion() {
    for (const MotionSetting& setting : kSettings) {
        const std::optional<QString> value = firstValue(setting);
        if (value && setting.reduces(*value)) return true;
    }
    return false;
}
