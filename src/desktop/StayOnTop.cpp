#include "StayOnTop.h"

#include <QWidget>
#include <QWindow>

void setStaysOnTop(QWidget& window, bool on) {
    QWindow* native = window.windowHandle();
    if (native == nullptr) {
        // Not created yet: the flag takes effect when the window is.
        window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    // QWidget::setWindowFlag would re-create the native window, hiding the
    // window on the way, and hiding a dialog ends its exec(). The native
    // window takes the new flag as it is (on X11 as _NET_WM_STATE_ABOVE);
    // the widget records it without acting on it again.
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    window.overrideWindowFlags(flags);
    native->setFlags(flags);
}

bool staysOnTop(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
