// SPDX-License-Identifier: GPL-3.0-or-later
// A window that records the beeps, messages and focus moves the calculator
// asked for, for driving CCalcDlg by control identifier the way the window
// would; what the boxes show is read from the calculator's own state.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "form/WindowOps.h"
#include "ui/Layout.h"

namespace varnock::testing {

class FakeWindow : public WindowOps {
public:
    void stateChanged(const StateChange& change) override;
    void messageBox(std::string_view text, MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

    // The calculator's state, for what a message box would see behind it.
    const CalcState* state = nullptr;
    // "beep", "focus", "exclamation: TEXT", "question: TEXT", "close", "about".
    std::vector<std::string> events;
    int showCount = 0;  // notifications in which the display's text changed
    // The display's text while the last message box was open.
    std::string displayDuringMessage;
};

// The calculator with its state open to the tests, which set up boxes and
// marks directly that no act of the user could reach.
class TestDialog : public CCalcDlg {
public:
    using CCalcDlg::CCalcDlg;
    using CCalcDlg::MutableState;
};

// A calculator opened on a fake window, driven like the real one.
class Calculator {
public:
    Calculator();

    void click(int id);
    void clicks(std::initializer_list<int> ids);
    // Presses the keypad keys for each character of the text ("12.5").
    void type(std::string_view keys);
    void focus(int id);

    const std::string& display() const { return box(kDisplay); }
    const std::string& box(int id) const { return dialog.state().text(id); }
    const std::string& caption(int id) const { return dialog.state().caption(id); }
    int check(int id) const { return dialog.state().check(id); }
    // What every control of the table shows, by identifier.
    std::map<int, std::string> boxes() const;
    std::map<int, std::string> captions() const;
    std::map<int, int> checks() const;
    // Puts a text in a box, or sets a mark, the way no key could.
    void setBox(int id, std::string_view text);
    void setCheck(int id, int state);
    const FormRecord& record() const { return dialog.record(); }
    // Events since the last call.
    std::vector<std::string> takeEvents();
    // The message boxes among the events since the last call.
    std::vector<std::string> takeMessages();
    // Types the keys into the display, then clicks a panel's key.
    void enter(std::string_view keys, int key);

    FakeWindow window;
    TestDialog dialog{window};
};

// The keypad button for a character: '0'-'9', '.', '+', '-', '*', '/', '=', '~' (sign).
int keypadButton(char key);

}  // namespace varnock::testing
