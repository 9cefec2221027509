// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalCloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AboutDlg.h"
#include "console/Json.h"
#include "console/Output.h"

namespace {

// How long a box may take to become the active window before it is
// answered anyway, in milliseconds.
constexpr int kActivationWait = 2000;

// The box's OK button: the message box's own, the About box's default one.
QAbstractButton* okButtonOf(const QDialog& box) {
    if (const auto* message = qobject_cast<const QMessageBox*>(&box)) {
        return message->button(QMessageBox::Ok);
    }
    for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisible()) return button;
    }
    return nullptr;
}

}  // namespace

ModalCloser::ModalCloser(std::ostream& out) : m_out(out) { qApp->installEventFilter(this); }

ModalCloser::~ModalCloser() { qApp->removeEventFilter(this); }

bool ModalCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* box = qobject_cast<QDialog*>(watched);
    if (box == nullptr || !box->isModal() || box->parentWidget() == nullptr) return false;
    record(*box);
    // Answered from the box's own event loop, once it runs.
    QPointer<QDialog> shown(box);
    QTimer::singleShot(0, box, [this, shown] {
        if (shown) closeWithOk(shown);
    });
    return false;
}

void ModalCloser::record(const QDialog& box) {
    using varnock::MessageIcon;
    if (const auto* message = qobject_cast<const QMessageBox*>(&box)) {
        const std::string text = message->text().toStdString();
        switch (message->icon()) {
            case QMessageBox::Warning:
                varnock::console::writeMessage(m_out, MessageIcon::Exclamation, text);
                return;
            case QMessageBox::Question:
                varnock::console::writeMessage(m_out, MessageIcon::Question, text);
                return;
            default:
                // No box of the window has another icon; the line shows it.
                m_out << "message other " << varnock::console::jsonString(text) << '\n';
                return;
        }
    }
    if (qobject_cast<const CAboutDlg*>(&box) != nullptr) {
        varnock::console::writeAbout(m_out, box.windowTitle().toStdString());
        return;
    }
    // No other box ever opens; the line shows it.
    m_out << "dialog " << varnock::console::jsonString(box.windowTitle().toStdString()) << '\n';
}

// The user reads the box once it is in front, then clicks OK.
void ModalCloser::closeWithOk(QDialog* box) {
    QPointer<QDialog> open(box);
    if (!box->isActiveWindow()) (void)QTest::qWaitForWindowActive(box, kActivationWait);
    if (!open) return;
    if (QAbstractButton* ok = okButtonOf(*box)) QTest::mouseClick(ok, Qt::LeftButton);
    if (open && open->isVisible()) {
        qCritical("varnock-replay: the box \"%s\" did not close with its OK button",
                  qPrintable(open->windowTitle()));
        open->reject();
    }
}
