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

// The units of the font, widened where needed so that every caption shows
// whole: fonts differ in how wide their letters run against their average
// character width, and a caption cut short is worse than a wider window.
DialogUnits fittingUnits(const QFont& font, const std::vector<Placement>& placements);

// Gives every widget its rectangle in pixels.
void place(const DialogUnits& units, const std::vector<Placement>& placements);
