// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <optional>

#include "Contrast.h"
#include "form/ControlIds.h"

namespace {

// The glyph's square, with a little air around the strokes.
QRectF glyphSquare(const QRectF& rect) {
    const double side = std::min(rect.width(), rect.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(rect.center());
    return square;
}

void paintOperator(QPainter& painter, const QRectF& square, Glyph glyph, const QColor& ink) {
    const double s = square.width();
    const double stroke = std::max(1.0, s * 0.13);
    const double left = square.left() + s * 0.18;
    const double right = square.right() - s * 0.18;
    const QPointF centre = square.center();
    painter.setPen(QPen(ink, stroke, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(ink);
    switch (glyph) {
        case Glyph::Plus:
            painter.drawLine(QPointF(left, centre.y()), QPointF(right, centre.y()));
            painter.drawLine(QPointF(centre.x(), square.top() + s * 0.18),
                             QPointF(centre.x(), square.bottom() - s * 0.18));
            break;
        case Glyph::Minus:
            painter.drawLine(QPointF(left, centre.y()), QPointF(right, centre.y()));
            break;
        case Glyph::Divide: {
            painter.drawLine(QPointF(left, centre.y()), QPointF(right, centre.y()));
            const double radius = stroke * 0.75;
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(centre.x(), centre.y() - s * 0.24), radius, radius);
            painter.drawEllipse(QPointF(centre.x(), centre.y() + s * 0.24), radius, radius);
            break;
        }
        case Glyph::Multiply: {
            const double d = s * 0.27;
            painter.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
            painter.drawLine(centre + QPointF(-d, d), centre + QPointF(d, -d));
            break;
        }
        case Glyph::Equals:
            painter.drawLine(QPointF(left, centre.y() - s * 0.13),
                             QPointF(right, centre.y() - s * 0.13));
            painter.drawLine(QPointF(left, centre.y() + s * 0.13),
                             QPointF(right, centre.y() + s * 0.13));
            break;
        case Glyph::Calculator:
            break;
    }
}

// The application icon comes from the same SVG drawing that the icon theme
// installs, compiled into the program.
void paintCalculator(QPainter& painter, const QRectF& square) {
    static QSvgRenderer renderer(QStringLiteral(":/icons/org.tolvane.Varnock.svg"));
    renderer.render(&painter, square);
}

// The keys' text colour, or another of the palette where a theme draws it too
// faint against the key's face.
QColor inkFor(QIcon::Mode mode) {
    QPalette palette = QApplication::palette();
    palette.setCurrentColorGroup(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active);
    return keyInkColour(palette);
}

}  // namespace

void paintGlyph(QPainter& painter, const QRectF& rect, Glyph glyph, const QColor& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square = glyphSquare(rect);
    if (glyph == Glyph::Calculator) {
        paintCalculator(painter, square);
    } else {
        paintOperator(painter, square, glyph, ink);
    }
    painter.restore();
}

void paintAboutPicture(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);

    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0, QColor(0x1d, 0x3a, 0x6b));
    sky.setColorAt(1, QColor(0x8f, 0xb8, 0xde));
    painter.fillRect(rect, sky);

    const double w = rect.width();
    const double ground = rect.bottom() - rect.height() * 0.1;
    painter.fillRect(QRectF(rect.left(), ground, w, rect.bottom() - ground),
                     QColor(0x4d, 0x6b, 0x34));

    // A tapering lattice mast.
    const double tip = rect.top() + rect.height() * 0.18;
    const double cx = rect.center().x();
    const double baseHalf = w * 0.2;
    const double topHalf = w * 0.03;
    const double line = std::max(1.0, w / 40.0);
    painter.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), line));
    painter.drawLine(QPointF(cx - baseHalf, ground), QPointF(cx - topHalf, tip));
    painter.drawLine(QPointF(cx + baseHalf, ground), QPointF(cx + topHalf, tip));
    const int bays = 9;
    for (int bay = 0; bay < bays; ++bay) {
        const double y0 = ground - (ground - tip) * bay / bays;
        const double y1 = ground - (ground - tip) * (bay + 1) / bays;
        const double h0 = baseHalf - (baseHalf - topHalf) * bay / bays;
        const double h1 = baseHalf - (baseHalf - topHalf) * (bay + 1) / bays;
        painter.drawLine(QPointF(cx - h0, y0), QPointF(cx + h1, y1));
        painter.drawLine(QPointF(cx + h0, y0), QPointF(cx - h1, y1));
        painter.drawLine(QPointF(cx - h1, y1), QPointF(cx + h1, y1));
    }
    const double mastTop = tip - rect.height() * 0.06;
    painter.drawLine(QPointF(cx, tip), QPointF(cx, mastTop));

    // The beacon and the waves it sends out to both sides.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x40, 0x30));
    painter.drawEllipse(QPointF(cx, mastTop), line * 2, line * 2);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring) {
        const double r = w * 0.14 * ring;
        painter.setPen(QPen(QColor(0xff, 0xe0, 0x70, 255 - ring * 50), line * 1.5));
        const QRectF arc(cx - r, mastTop - r, 2 * r, 2 * r);
        painter.drawArc(arc, -40 * 16, 80 * 16);
        painter.drawArc(arc, 140 * 16, 80 * 16);
    }
    painter.restore();
}

void GlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    paintGlyph(*painter, rect, m_glyph, inkFor(mode));
}

// Drawings are kept in the pixmap cache: the window system asks for the
// window icon at every size more than once while the window opens.
QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QString key = QStringLiteral("varnock-glyph-%1-%2x%3-%4")
                            .arg(static_cast<int>(m_glyph))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(inkFor(mode).rgba(), 8, 16, QLatin1Char('0'));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = QPixmap(size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// The sizes a window system takes for a window's icon. Larger pictures, as
// task switchers show, come from the icon theme through the desktop entry;
// drawing them here would only slow the window's opening.
QList<QSize> GlyphIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
}

QIcon glyphIcon(Glyph glyph) { return QIcon(new GlyphIconEngine(glyph)); }

std::optional<Glyph> operatorFace(int controlId) {
    struct Face {
        int id;
        Glyph glyph;
    };
    static constexpr Face kFaces[] = {
        {varnock::kMathAdd, Glyph::Plus},      {varnock::kMathSubtract, Glyph::Minus},
        {varnock::kMathDivide, Glyph::Divide}, {varnock::kMathMultiply, Glyph::Multiply},
        {varnock::kMathEquals, Glyph::Equals},
    };
    for (const Face& face : kFaces) {
        if (face.id == controlId) return face.glyph;
    }
    return std::nullopt;
}
