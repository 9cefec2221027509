// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog units to pixels for one font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height,
// so that a layout drawn in dialog units grows and shrinks with the font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <vector>

#include "ui/Layout.h"

class QWidget;

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(double horizontalUnit, double verticalUnit);

    // Edges are rounded, not sizes, so that neighbouring controls stay flush.
    QRect toPixels(const varnock::DialogRect& rect) const;
    QSize toPixels(int width, int height) const;

    double horizontalUnit() const { return m_x; }
    double verticalUnit() const { return m_y; }

private:
    int x(double units) const;
    int y(double units) const;

    double m_x;
    double m_y;
};

// A widget and its rectangle in dialog units.
struct Placement {
    QWidget* widget;
    varnock::DialogRect rect;
};

// Moves the edges of frames and controls that run into their neighbours, in
// dialog units, before the units are fitted:
// - a frame without a title draws its line half a text line below the top of
//   its rectangle, as a titled frame's line runs through the middle of its
//   title, so that it clears the controls just above it;
// - of two controls whose rectangles run into each other, the left (or upper)
//   one ends where the other begins.
void settleOverlaps(std::vector<Placement>& placements);

// The units of the font, widened where needed so that every caption shows
// whole: fonts differ in how wide their letters run against their average
// character width, and a caption cut short is worse than a wider window.
DialogUnits fittingUnits(const QFont& font, const std::vector<Placement>& placements);

// Gives every widget its rectangle in pixels.
void place(const DialogUnits& units, const std::vector<Placement>& placements);
