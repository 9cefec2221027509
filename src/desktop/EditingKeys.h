// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of everyday editing outside the scratch pad: Ctrl+C and
// Ctrl+Insert copy the display, Ctrl+V and Shift+Insert paste a number into
// it, Backspace edits the number being typed and Delete clears the entry as
// "CL&R" does. The pad keeps all of them for its own text. None moves the
// focus.
//
// Backspace edits only a number still being typed, so the calculator must
// hear of every act that finishes one; this also tells it of those it does
// not see otherwise: the focus moving to a control, typing into the pad, the
// system menu opening.
#pragma once

#include <QObject>

class CalcWindow;
class QKeyEvent;

namespace varnock {
class CCalcDlg;
}

class EditingKeys : public QObject {
    Q_OBJECT

public:
    EditingKeys(CalcWindow& window, varnock::CCalcDlg& calc);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the key's act; false when the key is none of them.
    bool runKey(const QKeyEvent& key);
    void focusChanged(QWidget* now);

    CalcWindow& m_window;
    varnock::CCalcDlg& m_calc;
};
