// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator window shown on the offscreen screen and driven the way a user
// would: mouse clicks on controls and keys sent to whatever holds the focus.
#pragma once

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "CalcWindow.h"

class WindowDriver {
public:
    WindowDriver();

    CalcWindow window;
    QSignalSpy beeps{&window, &CalcWindow::beeped};

    QWidget* control(int id) const;
    QString text(int id) const;
    bool isChecked(int id) const;
    // The widget that holds the keyboard focus; the window itself counts.
    QWidget* focus() const;

    void click(int id, Qt::MouseButton button = Qt::LeftButton);
    void rightClickAt(const QPoint& windowPos);
    // A right click on a control as the window system delivers it: Qt moves
    // the focus and opens the context menu itself.
    void rightClick(int id);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types each character as one key press on the main keyboard, or on the
    // numeric keypad when modifiers hold Qt::KeypadModifier.
    void type(const QString& keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
