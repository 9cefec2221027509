// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContrastStyle.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOption>

#include "Contrast.h"

namespace {

// A one-pixel outline just inside the rectangle, drawn as four fills so that
// it lands on whole pixels at any screen scale.
void outline(QPainter& painter, const QRect& rect, const QColor& colour) {
    if (rect.width() < 2 || rect.height() < 2) return;
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top() + 1, 1, rect.height() - 2, colour);
    painter.fillRect(rect.right(), rect.top() + 1, 1, rect.height() - 2, colour);
}

// Once the keyboard has moved the focus, as the styles do; a click shows
// where the focus went by itself.
bool showsFocusFrame(const QStyleOption& option) {
    return (option.state & QStyle::State_HasFocus) != 0 &&
           (option.state & QStyle::State_KeyboardFocusChange) != 0;
}

bool isTextArea(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr;
}

}  // namespace

ContrastStyle::ContrastStyle(QStyle* base) : QProxyStyle(base) {}

void ContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    const QPalette& palette = option->palette;
    switch (element) {
        case PE_Frame:
            if (!isTextArea(widget)) break;
            [[fallthrough]];
        case PE_FrameLineEdit:
            // A box that takes typing shows the focus by its text cursor.
            outline(*painter, option->rect,
                    boxBorderColour(palette, palette.color(QPalette::Base)));
            return;
        case PE_FrameFocusRect:
            if ((option->state & State_KeyboardFocusChange) == 0) return;
            outline(*painter, option->rect, focusFrameColour(palette));
            return;
        default:
            break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ContrastStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && showsFocusFrame(*option)) {
        outline(*painter, subElementRect(SE_PushButtonFocusRect, option, widget),
                keyFocusColour(option->palette));
    }
}
