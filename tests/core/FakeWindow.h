// A window that records what the calculator asked of it, for driving
// CCalcDlg by control identifier the way the window would.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/CalcDlg.h"
#include "form/WindowOps.h"

namespace varnock::testing {

class FakeWindow : public WindowOps {
public:
    std::string boxText(int id) const override;
    void setBoxText(int id, std::string_view text) override;
    int checkState(int id) const override;
    void setCheckState(int id, int state) override;
    void setCaption(int id, std::string_view text) override;
    void messageBox(std::string_view text, MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

    std::map<int, std::string> boxes;
    std::map<int, int> checks;
    std::map<int, std::string> captions;
    // "beep", "focus", "exclamation: TEXT", "question: TEXT", "close", "about".
    std::vector<std::string> events;
    int showCount = 0;  // setBoxText calls on the display
    // The display's text while the last message box was open.
    std::string displayDuringMessage;
};

// A calculator opened on a fake window, driven like the real one: a click on
// a radio button moves the checks of its group before the operation runs.
class Calculator {
public:
    Calculator();

    void click(int id);
    void clicks(std::initializer_list<int> ids);
    // Presses the keypad keys for each character of the text ("12.5").
    void type(std::string_view keys);
    void focus(int id);

    const std::string& display() const { return window.boxes.at(1007); }
    const std::string& box(int id) const { return window.boxes.at(id); }
    const FormRecord& record() const { return dialog.record(); }
    // Events since the last call.
    std::vector<std::string> takeEvents();
    // The message boxes among the events since the last call.
    std::vector<std::string> takeMessages();
    // Types the keys into the display, then clicks a panel's key.
    void enter(std::string_view keys, int key);

    FakeWindow window;
    CCalcDlg dialog{window};
};

// The keypad button for a character: '0'-'9', '.', '+', '-', '*', '/', '=', '~' (sign).
int keypadButton(char key);

}  // namespace varnock::testing
