// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalWatcher.h"

#include <QApplication>
#include <QPushButton>

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> whileOpen)
    : m_whileOpen(std::move(whileOpen)) {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start(5);
}

void ModalWatcher::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;

    SeenBox seen;
    seen.widget = modal;
    seen.className = QString::fromLatin1(modal->metaObject()->className());
    seen.title = modal->windowTitle();
    const QList<QPushButton*> buttons = modal->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        seen.buttons << button->text();
        if (button->isDefault()) seen.defaultButton = button->text();
    }
    if (auto* message = qobject_cast<QMessageBox*>(modal)) {
        seen.text = message->text();
        seen.icon = message->icon();
    }
    m_boxes << seen;

    if (m_whileOpen) m_whileOpen(modal);
    if (modal->isVisible() && !buttons.isEmpty()) buttons.first()->click();
}
