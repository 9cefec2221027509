// SPDX-License-Identifier: GPL-3.0-or-later
// The user's acts on the main window, run by the window's rules, for the
// front ends that report acts instead of getting them from a toolkit (the
// console and the web page): a click, the focus moving, a key outside the
// scratch pad, an entry of the window's menu.
#pragma once

#include "app/CalcDlg.h"
#include "ui/Layout.h"
#include "ui/WindowKeys.h"

namespace varnock {

// Where such a front end keeps the keyboard focus: a control's identifier,
// or kMainWindowFocus for the window itself.
class FocusRecord {
public:
    virtual ~FocusRecord() = default;
    virtual int focus() const = 0;
    virtual void setFocus(int id) = 0;
};

class WindowActs {
public:
    WindowActs(CCalcDlg& dialog, FocusRecord& focus) : m_dialog(dialog), m_focus(focus) {}

    // Opens the window, with the focus on its first tab stop.
    void open();
    // A click on a control that takes clicks: a visible one takes the focus,
    // then its marks move and its operation runs. A hidden twin is clicked
    // only by its Alt mnemonic, which leaves the focus where it is.
    void click(const ControlSpec& control);
    // The focus moves to the control; its set-focus operation runs, once: a
    // control that already holds the focus is not told again.
    void moveFocus(int id);
    // A key outside the scratch pad: a character runs its keypad twin, Return
    // presses the focused push button or else the default one, Escape
    // cancels the window, Backspace edits the number being typed and Delete
    // clears the entry.
    void pressOutsidePad(WindowKey key, char character);
    void menu(MenuChoice choice);

private:
    CCalcDlg& m_dialog;
    FocusRecord& m_focus;
};

}  // namespace varnock
