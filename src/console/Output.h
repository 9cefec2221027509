// SPDX-License-Identifier: GPL-3.0-or-later
// The lines the console prints: one per event, and the dump of the window.
// Every player of the console's commands prints through these, so that the
// same state always reads the same.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "form/WindowOps.h"

namespace varnock::console {

void writeBeep(std::ostream& out);
void writeMessage(std::ostream& out, MessageIcon icon, std::string_view text);
void writeAbout(std::ostream& out, std::string_view title);
void writeClosed(std::ostream& out);
// A copy put this text on the clipboard.
void writeClipboard(std::ostream& out, std::string_view text);

// The window as a dump reads it: what each control shows now.
class ShownWindow {
public:
    // No control holds the focus and neither does the window; no console
    // window is ever in this state.
    static constexpr int kNoFocus = -1;

    virtual ~ShownWindow() = default;

    // A box's text, hidden boxes and the scratch pad included (the pad's
    // lines joined with "\n").
    virtual std::string shownText(int boxId) const = 0;
    virtual std::string shownCaption(int labelId) const = 0;
    // 1 when the radio button or check box is checked, 0 when clear.
    virtual int shownCheck(int id) const = 0;
    // The control that holds the focus, kMainWindowFocus or kNoFocus.
    virtual int shownFocus() const = 0;
};

// Every box of the form record in exchange order, the changing labels, the
// radio buttons and the check box in ascending identifier order, the pad and
// the focus.
void writeDump(std::ostream& out, const ShownWindow& window);

}  // namespace varnock::console
