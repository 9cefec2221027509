// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberBox.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {

// QLineEdit keeps this many pixels clear left and right of its text.
constexpr int kTextInset = 2;

}  // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {}

QRect NumberBox::textLine(const QStyleOptionFrame& panel) const {
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    // Centred down the box as QLineEdit centres its own line.
    const int height = fontMetrics().height();
    const int top = contents.top() + (contents.height() - height + 1) / 2;
    return QRect(contents.left() + kTextInset, top, contents.width() - 2 * kTextInset, height);
}

bool NumberBox::isRightAligned() const {
    return (QStyle::visualAlignment(layoutDirection(), alignment()) & Qt::AlignRight) != 0;
}

// A right-aligned QLineEdit keeps a pixel and the cursor's width clear after
// its text, and scrolls a text that would run into them.
int NumberBox::cursorReserve() const {
    if (!isRightAligned()) return 0;
    return 1 + style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
}

int NumberBox::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return textLine(panel).width() - cursorReserve();
}

QString NumberBox::shownText() const {
    const QFontMetrics metrics = fontMetrics();
    const auto width = [&metrics](const QString& text) { return metrics.horizontalAdvance(text); };
    return fitBoxText(text(), width, textRoom(), m_keep);
}

void NumberBox::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect line = textLine(panel);
    painter.setClipRect(line);
    // On whole pixels, where QLineEdit puts a text that fits.
    QRect placed = line;
    if (isRightAligned()) {
        const int width = qRound(QFontMetricsF(font()).horizontalAdvance(shown));
        placed.setLeft(line.left() + line.width() - cursorReserve() - width);
    }
    style()->drawItemText(&painter, placed, Qt::AlignLeft | Qt::AlignTop, panel.palette,
                          isEnabled(), shown, QPalette::Text);
}

// The box's description, when it has one, and the whole text on a line of
// its own when the drawing leaves some of it out. Built when asked, so that
// it always follows the text and the box's width.
QString NumberBox::toolTipText() const {
    QStringList lines;
    if (!accessibleDescription().isEmpty()) lines << accessibleDescription();
    if (shownText() != text()) lines << text();
    return lines.join(u'\n');
}

bool NumberBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QLineEdit::event(event);
    const QString tip = toolTipText();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    }
    return true;
}
