// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoxMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

#include "CalcWindow.h"
#include "Clipboard.h"
#include "ControlFactory.h"
#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/BoxNames.h"

BoxMenu::BoxMenu(CalcWindow& window, varnock::CCalcDlg& calc)
    : QObject(&window), m_window(window), m_calc(calc) {
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (!varnock::isCopyableBox(row)) continue;
        QWidget* box = window.controlWidget(row.id);
        m_boxes[box] = row.id;
        box->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!m_boxes.contains(now)) m_focusBefore = now;
    });
}

bool BoxMenu::eventFilter(QObject* watched, QEvent* event) {
    const auto box = m_boxes.find(watched);
    if (box == m_boxes.end()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason &&
        QGuiApplication::mouseButtons() == Qt::RightButton) {
        keepFocusWhereItWas();
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        popUp(box->second, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void BoxMenu::keepFocusWhereItWas() {
    QWidget* before = m_focusBefore;
    if (before == nullptr) before = &m_window;
    before->setFocus(Qt::OtherFocusReason);
}

void BoxMenu::popUp(int box, const QPoint& globalPos) {
    if (m_menu == nullptr) buildMenu();
    if (m_menu->isVisible()) return;
    m_menuBox = box;
    m_paste->setVisible(box == varnock::kDisplay);
    m_menu->popup(globalPos);
}

void BoxMenu::buildMenu() {
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("boxMenu"));
    QAction* copy = m_menu->addAction(toQString(kCopy));
    connect(copy, &QAction::triggered, this, [this] { putOnClipboard(m_calc.OnCopy(m_menuBox)); });
    QAction* copyAll = m_menu->addAction(toQString(kCopyAllResults));
    connect(copyAll, &QAction::triggered, this,
            [this] { putOnClipboard(m_calc.OnCopyAllResults(m_menuBox)); });
    m_paste = m_menu->addAction(toQString(kPaste));
    connect(m_paste, &QAction::triggered, this, [this] { m_calc.OnPaste(clipboardText()); });
    // Opening a menu finishes the number being typed.
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_calc.OnOtherAct(); });
}
