// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/ConsoleWindow.h"

#include "ui/Platform.h"
#include "ui/Strings.h"

namespace varnock::console {

ConsoleWindow::ConsoleWindow(std::ostream& events, const CCalcDlg& calc)
    : m_events(events), m_calc(calc), m_focus(kMainWindowFocus) {}

// A message box is closed with OK at once and leaves the focus where it was.
void ConsoleWindow::messageBox(std::string_view text, MessageIcon icon) {
    writeMessage(m_events, icon, text);
}

void ConsoleWindow::beep() { writeBeep(m_events); }

void ConsoleWindow::focusMainWindow() { m_focus = kMainWindowFocus; }

void ConsoleWindow::endDialog() {
    if (m_closed) return;
    m_closed = true;
    writeClosed(m_events);
}

// The About box is closed with its OK button at once.
void ConsoleWindow::runAboutBox() { writeAbout(m_events, kAboutTitle); }

}  // namespace varnock::console
