// SPDX-License-Identifier: GPL-3.0-or-later
// The main window without a window system: it shows the calculator's state
// as the dump reads it, holds the focus, and prints what a person would see
// or hear happen as one line per event.
#pragma once

#include <ostream>
#include <string>

#include "app/CalcDlg.h"
#include "app/WindowActs.h"
#include "console/Output.h"
#include "form/WindowOps.h"

namespace varnock::console {

class ConsoleWindow : public WindowOps, public ShownWindow, public FocusRecord {
public:
    // Events are printed to events; what the controls show is read from the
    // state that the calculator keeps. The window may be made before the
    // calculator, which then opens on it.
    ConsoleWindow(std::ostream& events, const CCalcDlg& calc);

    // Nothing to draw: every reading goes to the state itself.
    void stateChanged(const StateChange&) override {}
    void messageBox(std::string_view text, MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

    // The control that holds the keyboard focus, or kMainWindowFocus.
    int focus() const override { return m_focus; }
    void setFocus(int id) override { m_focus = id; }

    // What a box, a label or a mark shows now, without a copy.
    const std::string& text(int id) const { return m_calc.state().text(id); }
    const std::string& caption(int id) const { return m_calc.state().caption(id); }
    int checkState(int id) const { return m_calc.state().check(id); }

    bool isClosed() const { return m_closed; }

    // ShownWindow
    std::string shownText(int boxId) const override { return text(boxId); }
    std::string shownCaption(int labelId) const override { return caption(labelId); }
    int shownCheck(int id) const override { return checkState(id); }
    int shownFocus() const override { return m_focus; }

private:
    std::ostream& m_events;
    const CCalcDlg& m_calc;
    int m_focus;
    bool m_closed = false;
};

}  // namespace varnock::console
