// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenFit.h"

#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// Lines of text that a title bar takes, and that each other side takes.
constexpr double kTitleBarLines = 2.0;
constexpr double kBorderLines = 0.25;

// Leaves room for the rounding of sizes computed in points.
constexpr double kPointsTolerance = 1e-6;

}  // namespace

double pointSizeOf(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

double pointsPerPixel(const QFont& font) {
    constexpr double kPointsPerInch = 72.0;
    const QFontInfo matched(font);
    if (matched.pixelSize() > 0) return matched.pointSizeF() / matched.pixelSize();
    return kPointsPerInch / QGuiApplication::primaryScreen()->logicalDotsPerInchY();
}

std::vector<double> windowFontSizes(double desktopPoints, double pointsPerPixel) {
    std::vector<double> sizes{desktopPoints};
    const int desktopPixels = static_cast<int>(std::lround(desktopPoints / pointsPerPixel));
    for (int pixels = desktopPixels - 1; pixels > 0; --pixels) {
        const double points = pixels * pointsPerPixel;
        if (points < kSmallestWindowPoints - kPointsTolerance) break;
        if (points < desktopPoints) sizes.push_back(points);
    }
    return sizes;
}

FontFit fittingFont(const std::vector<double>& sizes, const QSize& available, const QMargins& frame,
                    const WindowSizeAt& sizeAt) {
    const QSize room = available.shrunkBy(frame);
    const QSize largest = sizeAt(sizes.front());
    const auto fitsRoom = [&](const QSize& size) {
        return size.width() <= room.width() && size.height() <= room.height();
    };
    if (fitsRoom(largest)) return {sizes.front(), true};
    const auto fitsAt = [&](size_t index) { return fitsRoom(sizeAt(sizes[index])); };

    // The window grows nearly in proportion to its font, which gives the
    // first guess; steps from there find the largest size that fits.
    const double scale =
        std::min(double(room.width()) / largest.width(), double(room.height()) / largest.height());
    const double guess = sizes.front() * scale;
    const auto firstAtOrBelow = std::find_if(sizes.begin() + 1, sizes.end(),
                                             [&](double points) { return points <= guess; });
    size_t index = std::min<size_t>(firstAtOrBelow - sizes.begin(), sizes.size() - 1);
    if (index == 0) return {sizes.front(), false};
    if (fitsAt(index)) {
        while (index > 1 && fitsAt(index - 1)) --index;
        return {sizes[index], true};
    }
    while (index + 1 < sizes.size()) {
        ++index;
        if (fitsAt(index)) return {sizes[index], true};
    }
    return {sizes.back(), false};
}

QMargins estimatedFrame(const QFont& desktopFont) {
    const int line = QFontMetrics(desktopFont).height();
    const auto lines = [line](double count) { return static_cast<int>(std::ceil(count * line)); };
    const int border = lines(kBorderLines);
    return QMargins(border, lines(kTitleBarLines), border, border);
}

QScreen* openingScreen(const QWidget& window) {
    QScreen* own = window.screen();
    if (own->virtualSiblings().size() > 1) {
        if (QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos())) return underPointer;
    }
    return own;
}
