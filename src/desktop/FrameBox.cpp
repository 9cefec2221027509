// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameBox.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "Contrast.h"

namespace {

// What a screen reader asks of a frame: its role, and its title as its name
// unless the frame was given another.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(FrameBox* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            return static_cast<FrameBox*>(widget())->title();
        }
        return text;
    }
};

QAccessibleInterface* frameAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("FrameBox") || !object->isWidgetType()) return nullptr;
    return new FrameAccessible(static_cast<FrameBox*>(object));
}

void installFrameAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(frameAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace

FrameBox::FrameBox(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {
    installFrameAccessible();
}

void FrameBox::setTitle(const QString& title) {
    if (title == m_title) return;
    m_title = title;
    m_titleWidth = -1;
    update();
    if (accessibleName().isEmpty()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

int FrameBox::titleIndent() const { return fontMetrics().averageCharWidth(); }

// Half a character either side of the text keeps it clear of the line.
int FrameBox::titleRoom() const { return fontMetrics().averageCharWidth() / 2; }

int FrameBox::titleTextWidth() const {
    // Polishing tells the frame of a font change even when the font stays
    // the same, so the width is kept for as long as the font is equal.
    if (m_titleWidth < 0 || font() != m_titleFont) {
        m_titleFont = font();
        m_titleWidth = fontMetrics().horizontalAdvance(m_title);
    }
    return m_titleWidth;
}

QRect FrameBox::titleRect() const {
    if (m_title.isEmpty()) return {};
    return QRect(titleIndent(), 0, titleTextWidth() + 2 * titleRoom(), fontMetrics().height());
}

int FrameBox::requiredWidth() const {
    const QRect title = titleRect();
    return title.isEmpty() ? 0 : title.right() + 1 + titleIndent();
}

void FrameBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect title = titleRect();
    // A titled frame's line runs through the middle of its title.
    const int top = title.isEmpty() ? 0 : title.height() / 2;
    const int right = width() - 2;
    const int bottom = height() - 2;

    // The etched line: a dark line with a light one just below and right of
    // it, in the palette's colours so that dark themes stay dark; the dark
    // one stands out from the window even where a theme makes it faint.
    const auto etch = [&](int offset, const QColor& colour) {
        const int x0 = offset;
        const int y0 = top + offset;
        const int x1 = right + offset;
        const int y1 = bottom + offset;
        if (title.isEmpty()) {
            painter.fillRect(x0, y0, x1 - x0, 1, colour);
        } else {
            painter.fillRect(x0, y0, title.left() - x0, 1, colour);
            painter.fillRect(title.right() + 1, y0, x1 - title.right() - 1, 1, colour);
        }
        painter.fillRect(x0, y0, 1, y1 - y0, colour);
        painter.fillRect(x0, y1, x1 - x0 + 1, 1, colour);
        painter.fillRect(x1, y0, 1, y1 - y0, colour);
    };
    etch(0, frameLineColour(palette()));
    etch(1, palette().color(QPalette::Light));

    if (!title.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        // One line of plain text, drawn from its baseline: no layout needed.
        painter.drawText(QPoint(title.left() + titleRoom(), fontMetrics().ascent()), m_title);
    }
}
