// Keeping a window above the others, switched on and off while it is open.
#pragma once

class QWidget;

// Asks the window system to keep the top-level window above other windows,
// or to stop doing so. An open window keeps its native window: it is neither
// hidden nor shown again, so a dialog's modal run goes on and the window
// keeps its place. Without a window manager there is nobody to ask, and the
// request only stays recorded in the window's flags.
void setStaysOnTop(QWidget& window, bool on);

bool staysOnTop(const QWidget& window);
