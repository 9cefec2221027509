// SPDX-License-Identifier: GPL-3.0-or-later
// Watches for modal boxes (message boxes, the About box) while a test drives
// the window, records what each one showed, and closes it with its OK button,
// so that code which opens a box does not wait for a user.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

struct SeenBox {
    QPointer<QWidget> widget;  // null once the box has been destroyed
    QString className;
    QString title;
    QString text;  // a message box's text
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

class ModalWatcher : public QObject {
    Q_OBJECT

public:
    // whileOpen runs for each box just before it is closed.
    explicit ModalWatcher(std::function<void(QWidget*)> whileOpen = {});

    const QList<SeenBox>& boxes() const { return m_boxes; }

private:
    void poll();

    QTimer m_timer;
    QList<SeenBox> m_boxes;
    std::function<void(QWidget*)> m_whileOpen;
};
