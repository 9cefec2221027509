// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's pictures, drawn as vectors so that they stay crisp at any
// size and screen scale: the operator key faces, the application icon (the
// SVG drawing data/icons/org.tolvane.Varnock.svg) and the About box picture.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <optional>

class QPainter;
class QRectF;

enum class Glyph {
    Plus,
    Minus,
    Divide,    // a bar with a dot above and below
    Multiply,  // a diagonal cross
    Equals,
    Calculator,  // the application icon: a display bar over a grid of keys
};

// Draws the glyph to fill the square centred in rect.
void paintGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& ink);

// The About box picture: a radio mast sending waves over the bench.
void paintAboutPicture(QPainter& painter, const QRectF& rect);

// An icon that paints its glyph afresh for every requested size.
class GlyphIconEngine : public QIconEngine {
public:
    explicit GlyphIconEngine(Glyph glyph) : m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }
    QString key() const override { return QStringLiteral("varnock-glyph"); }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    Glyph m_glyph;
};

QIcon glyphIcon(Glyph glyph);

// The face of an operator key, or nothing when the control shows its caption.
std::optional<Glyph> operatorFace(int controlId);
