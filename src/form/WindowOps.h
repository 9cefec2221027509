// What the calculator asks of its window. The desktop window and the console
// each implement it; the calculator reaches the screen only through it.
#pragma once

#include <string>
#include <string_view>

namespace varnock {

enum class MessageIcon { Exclamation, Question };

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // The whole text of a box (the core cuts it to what it reads).
    virtual std::string boxText(int id) const = 0;
    // Makes the box show exactly this text.
    virtual void setBoxText(int id, std::string_view text) = 0;

    // 1 when the radio button or check box is checked, 0 when clear.
    virtual int checkState(int id) const = 0;
    // Sets or clears one mark; radio partners are left alone.
    virtual void setCheckState(int id, int state) = 0;

    // Makes the label show exactly this text.
    virtual void setCaption(int id, std::string_view text) = 0;

    // A modal box with one OK button; returns when the user has closed it.
    virtual void messageBox(std::string_view text, MessageIcon icon) = 0;
    virtual void beep() = 0;
    // The main window itself takes the keyboard focus.
    virtual void focusMainWindow() = 0;

    // Ends the main window's modal run.
    virtual void endDialog() = 0;
    // Runs the About box modally; returns when it has closed.
    virtual void runAboutBox() = 0;
};

}  // namespace varnock
