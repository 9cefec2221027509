// SPDX-License-Identifier: GPL-3.0-or-later
// A single-line box for numbers that never shows its text cut off: when the
// text is wider than the box, the box draws a shorter rendering of it that
// fits, with a mark where digits are left out (see TextFitting.h). text()
// stays whole, for the calculator, screen readers and copies, and the
// tooltip gives it whole when the drawing leaves something out.
#pragma once

#include <QLineEdit>

#include "TextFitting.h"

class QStyleOptionFrame;

class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent = nullptr);

    // Which end of a text that is not a finished number stays in view: the
    // display keeps the digits being typed, the other boxes the first ones.
    void setKeptEnd(KeptEnd keep) { m_keep = keep; }

    // Pixels of the line the text is drawn in, inside the frame and margins.
    int textRoom() const;

    // What the box draws for its text now.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textLine(const QStyleOptionFrame& panel) const;
    bool isRightAligned() const;
    int cursorReserve() const;
    QString toolTipText() const;

    KeptEnd m_keep = KeptEnd::Leading;
};
