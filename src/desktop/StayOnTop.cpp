// SPDX-License-Identifier: GPL-3.0-or-later
#include "StayOnTop.h"

#include <QWidget>
#include <QWindow>

void setStaysOnTop(QWidget& window, bool on) {
    // QWidget::setWindowFlag would re-create an open window's native window,
    // hiding the window on the way, and hiding a dialog ends its exec(). The
    // widget records the flag without acting on it, for a native window
    // created later; an existing one takes it as it is (on X11 as
    // _NET_WM_STATE_ABOVE).
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    window.overrideWindowFlags(flags);
    if (QWindow* native = window.windowHandle()) native->setFlags(flags);
}

bool staysOnTop(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
