// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditingKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

#include "CalcWindow.h"
#include "Clipboard.h"
#include "app/CalcDlg.h"
#include "form/ControlIds.h"

namespace {

enum class EditAct { Copy, Paste, Backspace, Delete };

struct EditKey {
    Qt::Key key;
    Qt::KeyboardModifier modifier;
    EditAct act;
};

constexpr EditKey kEditKeys[] = {
    {Qt::Key_C, Qt::ControlModifier, EditAct::Copy},
    {Qt::Key_Insert, Qt::ControlModifier, EditAct::Copy},
    {Qt::Key_V, Qt::ControlModifier, EditAct::Paste},
    {Qt::Key_Insert, Qt::ShiftModifier, EditAct::Paste},
    {Qt::Key_Backspace, Qt::NoModifier, EditAct::Backspace},
    {Qt::Key_Delete, Qt::NoModifier, EditAct::Delete},
};

// The act of a key press; the numeric keypad's Insert and Delete count.
const EditKey* editKeyOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    for (const EditKey& entry : kEditKeys) {
        if (entry.key == event.key() && modifiers == entry.modifier) return &entry;
    }
    return nullptr;
}

}  // namespace

EditingKeys::EditingKeys(CalcWindow& window, varnock::CCalcDlg& calc)
    : QObject(&window), m_window(window), m_calc(calc) {
    // Keys that the focused control leaves alone come up to the window.
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    if (auto* pad = qobject_cast<QPlainTextEdit*>(window.controlWidget(varnock::kScratchPad))) {
        connect(pad, &QPlainTextEdit::textChanged, this,
                [this, pad] { m_calc.OnPadEdited(pad->toPlainText().toStdString()); });
    }
    connect(window.systemMenu(), &QMenu::aboutToShow, this, [this] { m_calc.OnOtherAct(); });
}

bool EditingKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::KeyPress) {
        const bool padHasFocus =
            QApplication::focusWidget() == m_window.controlWidget(varnock::kScratchPad);
        if (!padHasFocus && runKey(*static_cast<QKeyEvent*>(event))) return true;
    }
    return QObject::eventFilter(watched, event);
}

bool EditingKeys::runKey(const QKeyEvent& key) {
    const EditKey* edit = editKeyOf(key);
    if (edit == nullptr) return false;
    switch (edit->act) {
        case EditAct::Copy:
            putOnClipboard(m_calc.OnCopy(varnock::kDisplay));
            break;
        case EditAct::Paste:
            m_calc.OnPaste(clipboardText());
            break;
        case EditAct::Backspace:
            m_calc.OnBackspace();
            break;
        case EditAct::Delete:
            m_calc.OnDelete();
            break;
    }
    return true;
}

// The window takes the focus back after each keypad key; only a move to a
// control is the user's.
void EditingKeys::focusChanged(QWidget* now) {
    if (now != nullptr && now != &m_window && m_window.isAncestorOf(now)) m_calc.OnOtherAct();
}
