// SPDX-License-Identifier: GPL-3.0-or-later
#include "Contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

// How much lighter than the button colour a style draws the lightest part of
// a key's face, and how much darker a pressed or checked key, in percent
// (QColor::lighter and QColor::darker).
constexpr int kLightestFaceShade = 150;
constexpr int kDarkestFaceShade = 115;

// One sRGB channel, 0 to 255, as linear light.
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int mix(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

QColor blend(const QColor& from, const QColor& to, double share) {
    return QColor(mix(from.red(), to.red(), share), mix(from.green(), to.green(), share),
                  mix(from.blue(), to.blue(), share));
}

bool standsApart(const QColor& colour, std::initializer_list<QColor> backgrounds) {
    return std::all_of(backgrounds.begin(), backgrounds.end(), [&](const QColor& background) {
        return contrastRatio(colour, background) >= kLineContrast;
    });
}

// The palette colour that stands furthest from the background, for inks that
// the theme's own choice leaves too close to it.
QColor strongestAgainst(const QColor& background, std::initializer_list<QColor> candidates) {
    return *std::max_element(candidates.begin(), candidates.end(),
                             [&](const QColor& a, const QColor& b) {
                                 return contrastRatio(a, background) < contrastRatio(b, background);
                             });
}

}  // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor standingOut(const QColor& preferred, const QColor& ink,
                   std::initializer_list<QColor> backgrounds) {
    // Steps of 1/64 of the way: finer than two colours a person tells apart.
    constexpr int kSteps = 64;
    const QColor from = preferred.toRgb();
    const QColor to = ink.toRgb();
    for (int step = 0; step <= kSteps; ++step) {
        const QColor colour = blend(from, to, static_cast<double>(step) / kSteps);
        if (standsApart(colour, backgrounds)) return colour;
    }
    return to;
}

QColor boxBorderColour(const QPalette& palette, const QColor& boxGround) {
    return standingOut(palette.color(QPalette::Dark), palette.color(QPalette::WindowText),
                       {palette.color(QPalette::Window), boxGround});
}

QColor frameLineColour(const QPalette& palette) {
    return standingOut(palette.color(QPalette::Dark), palette.color(QPalette::WindowText),
                       {palette.color(QPalette::Window)});
}

QColor focusFrameColour(const QPalette& palette) {
    return standingOut(palette.color(QPalette::Highlight), palette.color(QPalette::WindowText),
                       {palette.color(QPalette::Window)});
}

QColor keyFocusColour(const QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    return standingOut(palette.color(QPalette::Highlight), palette.color(QPalette::ButtonText),
                       {face, face.lighter(kLightestFaceShade), face.darker(kDarkestFaceShade)});
}

QColor keyInkColour(const QPalette& palette) {
    const QColor face = palette.color(QPalette::Button);
    const QColor strongest =
        strongestAgainst(face, {palette.color(QPalette::ButtonText),
                                palette.color(QPalette::WindowText), palette.color(QPalette::Text),
                                palette.color(QPalette::Shadow), palette.color(QPalette::Light)});
    return standingOut(palette.color(QPalette::ButtonText), strongest, {face});
}
