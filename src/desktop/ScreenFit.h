// SPDX-License-Identifier: GPL-3.0-or-later
// The window font's size at which the window fits the screen it opens on.
// The window grows with the desktop's font; on a small screen a large font
// would push its lower rows off the screen, out of reach. The font then
// shrinks, a pixel at a time, just enough for the window and its frame to
// fit, and the layout, drawn in dialog units of the font, shrinks with it.
#pragma once

#include <QMargins>
#include <QSize>
#include <functional>
#include <vector>

class QFont;
class QScreen;
class QWidget;

// The smallest window font: below it the captions are hard to read, and a
// window that still does not fit is better shown in part.
inline constexpr double kSmallestWindowPoints = 7.0;

// The size of a font in points, also of one given in pixels.
double pointSizeOf(const QFont& font);

// The points in one of the whole pixels that the font engine draws the font in.
double pointsPerPixel(const QFont& font);

// The sizes, in points, that the window font may take, largest first: the
// desktop's own, then one pixel smaller at a time (the font engine draws
// whole pixels, so finer steps would draw the same font) down to the
// smallest window font. A desktop font already smaller stays as it is.
std::vector<double> windowFontSizes(double desktopPoints, double pointsPerPixel);

struct FontFit {
    double points;
    bool fits;  // false: even the smallest font leaves the window too large
};

// The window's size, without the window manager's frame, with its font at
// the given size in points.
using WindowSizeAt = std::function<QSize(double points)>;

// The largest of the sizes (largest first) at which the window and its frame
// fit the available area; the smallest when none does.
FontFit fittingFont(const std::vector<double>& sizes, const QSize& available, const QMargins& frame,
                    const WindowSizeAt& sizeAt);

// The room a window manager's frame takes round a window, before the window
// is shown and its frame known: a title bar of two text lines of the
// desktop's font (window managers write titles in about that size, with some
// room above and below) and a quarter of a line on every other side.
QMargins estimatedFrame(const QFont& desktopFont);

// The screen a new top-level window opens on, as Qt's dialogs choose it: the
// one under the mouse pointer when there are several, else the window's own.
QScreen* openingScreen(const QWidget& window);
