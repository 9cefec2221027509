// SPDX-License-Identifier: GPL-3.0-or-later
// One session of the calculator behind the web page: the page reports each
// act of the user here, and each act answers with the events it caused (see
// EventLog) for the page to play. The rules of clicks, focus and keys are the
// window's rules of the core, the same the console follows.
#pragma once

#include <string>
#include <string_view>

#include "app/CalcDlg.h"
#include "app/WindowActs.h"
#include "web/EventLog.h"

namespace varnock::web {

class WebSession {
public:
    // Opens the window, with the focus on its first tab stop.
    WebSession();

    // A click with the mouse or a tap: a visible control takes the focus,
    // then its marks move and its operation runs. Controls that take no
    // clicks are ignored.
    std::string click(int id);
    // Alt with a character: the control whose mnemonic it is runs, and the
    // focus stays where it is.
    std::string mnemonic(char key);
    // The keyboard focus moved to a control (a click into it, Tab), or to the
    // window itself (kMainWindowFocus). The control's set-focus operation
    // runs, which may send the focus back to the window.
    std::string focus(int id);
    // A key outside the scratch pad, by the console's key names: "0" to "9",
    // ".", "+", "-", "*", "/", "=", "Return", "Escape", "Backspace",
    // "Delete". Escape closes the window wherever the focus is.
    std::string key(std::string_view name);
    // The scratch pad's whole text after the user edited it, lines ended
    // with "\n".
    std::string padEdited(std::string_view text);
    // Ctrl+C outside the pad, and a box's Copy and Copy All Results.
    std::string copy(int box);
    std::string copyAllResults(int box);
    // Ctrl+V outside the pad, or Paste from the display's menu.
    std::string paste(std::string_view text);
    // A menu opened (the window's or a box's); the number being typed ends.
    std::string menuOpened();
    std::string menu(MenuChoice choice);

    // Every control's state and the focus, as snapshotOf gives them.
    std::string snapshot() const;
    bool isClosed() const { return m_log.isClosed(); }

private:
    std::string events() { return m_log.takeEvents(); }

    // The log is made first, for the calculator to open on; it reads the
    // calculator's state only once the calculator is made.
    EventLog m_log;
    CCalcDlg m_dialog;
    WindowActs m_acts;
};

}  // namespace varnock::web
