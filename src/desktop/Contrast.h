// SPDX-License-Identifier: GPL-3.0-or-later
// How far two colours stand apart, as the web's accessibility guidelines
// measure it (relative luminance, and a ratio from 1:1 to 21:1), and the
// colours the window draws its lines and pictures in: each taken from the
// palette, and moved towards the palette's text colour only where a theme
// leaves it too faint against what it is drawn on.
#pragma once

#include <QColor>
#include <initializer_list>

class QPalette;

// The ratio a line or a picture that the user must see needs against the
// colours next to it.
inline constexpr double kLineContrast = 3.0;

// The luminance of a colour, from 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

// The colour nearest to `preferred` on the way from it to `ink` that stands
// at least kLineContrast apart from every background; `ink` itself when no
// colour on the way does.
QColor standingOut(const QColor& preferred, const QColor& ink,
                   std::initializer_list<QColor> backgrounds);

// The line round a box: the palette's shadow colour, against the window round
// the box and the box's own ground.
QColor boxBorderColour(const QPalette& palette, const QColor& boxGround);

// The etched line of a frame, against the window.
QColor frameLineColour(const QPalette& palette);

// The frame that shows which control holds the keyboard focus: the palette's
// highlight, against the window round a radio button's or check box's caption.
QColor focusFrameColour(const QPalette& palette);

// The focus frame inside a key, against the key's face, which styles shade
// from a little darker than the button colour (pressed or checked) up to half
// again as light.
QColor keyFocusColour(const QPalette& palette);

// The ink of a key's picture, against the key's face.
QColor keyInkColour(const QPalette& palette);
