// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style with the lines that the user must see drawn in
// colours that stand out from what lies round them, in any theme: the border
// of every box and the frame that marks the keyboard focus, which keys show
// inside their face as radio buttons and check boxes do round their caption.
// Everything else is the style's own.
#pragma once

#include <QProxyStyle>

class ContrastStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes over the base style, as QProxyStyle does.
    explicit ContrastStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
