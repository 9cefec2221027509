// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWindow>

WindowDriver::WindowDriver() {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QWidget* WindowDriver::control(int id) const {
    QWidget* widget = window.controlWidget(id);
    if (widget == nullptr) qFatal("no control %d", id);
    return widget;
}

QString WindowDriver::text(int id) const {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* pad = qobject_cast<QPlainTextEdit*>(widget)) return pad->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return widget->property("text").toString();
}

bool WindowDriver::isChecked(int id) const {
    return qobject_cast<QAbstractButton*>(control(id))->isChecked();
}

QWidget* WindowDriver::focus() const { return QApplication::focusWidget(); }

void WindowDriver::click(int id, Qt::MouseButton button) {
    QWidget* widget = control(id);
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

void WindowDriver::rightClickAt(const QPoint& windowPos) {
    QWidget* target = window.childAt(windowPos);
    if (target == nullptr) target = &window;
    const QPoint local = target->mapFrom(&window, windowPos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
}

void WindowDriver::rightClick(int id) {
    QWidget* widget = control(id);
    QWindow* handle = window.windowHandle();
    const QPoint at = handle->mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
    QTest::mousePress(handle, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(handle, Qt::RightButton, Qt::NoModifier, at);
}

void WindowDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = focus() != nullptr ? focus() : &window;
    QTest::keyClick(target, key, modifiers);
}

void WindowDriver::type(const QString& keys, Qt::KeyboardModifiers modifiers) {
    for (QChar key : keys) {
        QWidget* target = focus() != nullptr ? focus() : &window;
        QTest::keyClick(target, key.toLatin1(), modifiers);
    }
}
