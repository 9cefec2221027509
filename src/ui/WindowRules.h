// SPDX-License-Identifier: GPL-3.0-or-later
// What a window system does on its own around the calculator's operations,
// which the desktop window gets from its toolkit and the console imitates:
// which controls take clicks and the focus, where the focus starts, and which
// button Return presses.
#pragma once

#include "ui/Layout.h"

namespace varnock {

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

// The control that Alt with this character runs: the hidden keypad twin whose
// mnemonic it is, else the visible button, radio button or check box whose
// caption marks it (letters in either case); 0 for none.
int mnemonicControl(char key);

}  // namespace varnock
