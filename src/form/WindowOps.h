// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculator asks of its window. The desktop window and the console
// each implement it; the calculator keeps what the window shows itself and
// reaches the screen only through this.
#pragma once

#include <span>
#include <string_view>

namespace varnock {

enum class MessageIcon { Exclamation, Question };

// The controls whose shown state changed during one act of the user: the
// boxes whose text, the labels whose caption and the radio buttons or check
// box whose mark is new. Each identifier appears at most once per list.
struct StateChange {
    std::span<const int> texts;
    std::span<const int> captions;
    std::span<const int> checks;
};

class WindowOps {
public:
    virtual ~WindowOps() = default;

    // The calculator's copy of what the window shows changed; the window
    // draws those controls anew. Sent once at the end of each act, and
    // before a modal box opens, so that the window behind it is current.
    virtual void stateChanged(const StateChange& change) = 0;

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
