// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowActs.h"

#include "ui/WindowRules.h"

namespace varnock {

void WindowActs::open() {
    m_dialog.OnInitDialog();
    moveFocus(initialFocus());
}

void WindowActs::click(const ControlSpec& control) {
    if (control.isVisible()) moveFocus(control.id);
    m_dialog.OnClicked(control.id);
}

void WindowActs::moveFocus(int id) {
    if (m_focus.focus() == id) return;
    m_focus.setFocus(id);
    m_dialog.OnSetFocus(id);
}

void WindowActs::pressOutsidePad(WindowKey key, char character) {
    switch (key) {
        case WindowKey::Character:
            if (const int twin = twinForKey(character)) m_dialog.OnClicked(twin);
            break;
        case WindowKey::Return:
            m_dialog.OnClicked(returnKeyButton(m_focus.focus()));
            break;
        case WindowKey::Escape:
            m_dialog.OnCancel();
            break;
        case WindowKey::Backspace:
            m_dialog.OnBackspace();
            break;
        case WindowKey::Delete:
            m_dialog.OnDelete();
            break;
    }
}

void WindowActs::menu(MenuChoice choice) {
    switch (choice) {
        case MenuChoice::About:
            m_dialog.OnSysCommand(CCalcDlg::kAboutCommand);
            break;
        case MenuChoice::Close:
            m_dialog.OnCancel();
            break;
    }
}

}  // namespace varnock
