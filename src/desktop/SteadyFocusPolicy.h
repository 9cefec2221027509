// SPDX-License-Identifier: GPL-3.0-or-later
// A radio button, or a push button drawn as one, whose focus policy stays as
// the window set it. Qt gives a radio button of an exclusive group a Tab stop
// of its own once it has held the focus (and takes the Tab stops of its
// partners); the window's tab stops are fixed by its layout instead, so that
// Tab never lands on a mark that Space would then move.
#pragma once

#include <QFocusEvent>

template <typename Button>
class SteadyFocusPolicy : public Button {
public:
    using Button::Button;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const Qt::FocusPolicy policy = this->focusPolicy();
        Button::focusInEvent(event);
        this->setFocusPolicy(policy);
    }
};
