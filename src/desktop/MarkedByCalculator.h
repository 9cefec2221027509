// SPDX-License-Identifier: GPL-3.0-or-later
// A radio button or check box whose mark only the calculator moves. A click
// still reaches the calculator, which moves the marks of the click's group
// (or toggles the check box) and has the window draw them; the button itself
// leaves its mark alone, so that the window and the calculator never differ.
#pragma once

template <typename Button>
class MarkedByCalculator : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
};
