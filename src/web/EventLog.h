// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the calculator's window operations: every operation
// becomes an event in a JSON array, in the order the calculator asked for
// them, which the page plays after the act. A change of state carries the
// texts, captions and marks as they were at that moment, so that a message
// box opens over the window as it was when the calculator showed it.
#pragma once

#include <string>

#include "app/CalcDlg.h"
#include "app/WindowActs.h"
#include "form/WindowOps.h"
#include "web/JsonText.h"

namespace varnock::web {

class EventLog : public WindowOps, public FocusRecord {
public:
    // Reads what the controls show from the state that the calculator keeps.
    // The log may be made before the calculator, which then opens on it.
    explicit EventLog(const CCalcDlg* calc);

    void stateChanged(const StateChange& change) override;
    void messageBox(std::string_view text, MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

    // A copy put this text on the clipboard.
    void clipboard(std::string_view text);

    // The control that holds the keyboard focus, or kMainWindowFocus.
    int focus() const override { return m_focus; }
    void setFocus(int id) override { m_focus = id; }
    bool isClosed() const { return m_closed; }

    // The events since the last call, as a JSON array; the log starts afresh.
    std::string takeEvents();

private:
    JsonText& beginEvent(std::string_view name);

    const CCalcDlg* m_calc;
    JsonText m_events;
    int m_focus;
    bool m_closed = false;
};

// Every control's text, caption and mark as a state event, and the focus:
// what the page draws when a session starts.
std::string snapshotOf(const CalcState& state, int focus);

}  // namespace varnock::web
