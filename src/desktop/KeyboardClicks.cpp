// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardClicks.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcutEvent>

namespace {

// How long a button clicked from the keyboard looks pressed, in
// milliseconds: as long as Qt's own animated click.
constexpr int kPressedLookTime = 100;

// The keys that press a focused button.
bool isPressKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_Select;
}

bool isKeyEvent(const QEvent& event) {
    return event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease;
}

}  // namespace

KeyboardClicks::KeyboardClicks(QObject* parent) : QObject(parent) {
    m_pressedLook.setSingleShot(true);
    m_pressedLook.setInterval(kPressedLookTime);
    connect(&m_pressedLook, &QTimer::timeout, this, &KeyboardClicks::endPressedLook);
}

void KeyboardClicks::watch(QAbstractButton& button) { button.installEventFilter(this); }

void KeyboardClicks::watchDialog(QDialog& dialog) {
    if (qobject_cast<QMessageBox*>(&dialog) != nullptr) dialog.installEventFilter(this);
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) watch(*button);
}

void KeyboardClicks::clickNow(QAbstractButton& button) {
    const QPointer<QAbstractButton> clicked(&button);
    const bool shown = button.isVisible();
    if (shown) showPressed(button);
    button.click();
    // click() lets the button up again; it stays down for the rest of the
    // moment, unless its operation outlasted the moment (a message box).
    if (shown && clicked != nullptr && m_pressed == clicked && m_pressedLook.isActive()) {
        clicked->setDown(true);
    }
}

bool KeyboardClicks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            break;
        default:
            return false;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) return buttonEvent(*button, *event);
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        return messageBoxKey(*box, static_cast<const QKeyEvent&>(*event));
    }
    return false;
}

bool KeyboardClicks::buttonEvent(QAbstractButton& button, QEvent& event) {
    if (event.type() == QEvent::Shortcut) {
        // Two controls sharing a mnemonic: Qt moves the focus between them.
        if (static_cast<const QShortcutEvent&>(event).isAmbiguous()) return false;
        clickNow(button);
        return true;
    }
    if (isKeyEvent(event)) {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (!isPressKey(key)) return false;
        // The press clicks; a held key's repeats and the release do nothing.
        if (event.type() == QEvent::KeyPress && !key.isAutoRepeat()) clickNow(button);
        return true;
    }
    // The user's own mouse press takes over the pressed look, so that the
    // end of the look does not let the button up under the mouse.
    if (&button == m_pressed) {
        m_pressedLook.stop();
        m_pressed = nullptr;
    }
    return false;
}

// A message box clicks a button whose mnemonic letter is typed without Alt.
bool KeyboardClicks::messageBoxKey(QMessageBox& box, const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const QList<QAbstractButton*> buttons = box.buttons();
    for (QAbstractButton* button : buttons) {
        const QKeySequence mnemonic = button->shortcut();
        if (!mnemonic.isEmpty() && int(mnemonic[0].key()) == key.key()) {
            clickNow(*button);
            return true;
        }
    }
    return false;
}

void KeyboardClicks::showPressed(QAbstractButton& button) {
    endPressedLook();
    m_pressed = &button;
    button.setDown(true);
    button.repaint();
    m_pressedLook.start();
}

void KeyboardClicks::endPressedLook() {
    m_pressedLook.stop();
    if (m_pressed != nullptr) m_pressed->setDown(false);
    m_pressed = nullptr;
}
