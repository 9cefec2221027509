// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons pressed from the keyboard act at once, in the order the keys came.
// Qt answers a button's mnemonic (and, in a message box, its letter alone)
// with an animated click whose operation runs about 100 ms later, and clicks
// a focused button on Space only when the key comes up: a key typed in
// between would act first. Here those keys click when they go down, and the
// button shows itself pressed for a moment afterwards.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAbstractButton;
class QDialog;
class QKeyEvent;
class QMessageBox;

class KeyboardClicks : public QObject {
    Q_OBJECT

public:
    explicit KeyboardClicks(QObject* parent = nullptr);

    // The button's mnemonic and Space click it at once.
    void watch(QAbstractButton& button);
    // Every button of the dialog, and in a message box the bare letters that
    // Qt gives its buttons.
    void watchDialog(QDialog& dialog);

    // Clicks the button now: its mark moves and its operation runs before
    // this returns. A shown button looks pressed for a moment.
    void clickNow(QAbstractButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool buttonEvent(QAbstractButton& button, QEvent& event);
    bool messageBoxKey(QMessageBox& box, const QKeyEvent& key);
    void showPressed(QAbstractButton& button);
    void endPressedLook();

    QTimer m_pressedLook;
    QPointer<QAbstractButton> m_pressed;  // the button that looks pressed
};
