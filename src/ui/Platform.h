// What the window system does on its own around the calculator's operations:
// which controls take clicks and the focus, where the focus starts and which
// button Return presses. Toolkit-free, so that every front end applies the
// same rules from the control table.
#pragma once

#include "ui/Layout.h"

namespace varnock {

// The window itself holds the keyboard focus, no control does.
inline constexpr int kMainWindowFocus = 0;

// Push buttons (hidden twins and "CLOSE" included), radio buttons and the
// check box: the controls that send a click.
bool takesClicks(const ControlSpec& control);

// The visible buttons, radio buttons, the check box and the boxes: the
// controls that can receive the keyboard focus. Hidden controls, labels and
// frames never do.
bool takesFocus(const ControlSpec& control);

// The control that holds the focus when the window opens: the first tab stop
// in control order.
int initialFocus();

// The push button that Return presses while focusedId holds the focus: that
// button itself when it is a push button, otherwise the default button.
int returnKeyButton(int focusedId);

}  // namespace varnock
