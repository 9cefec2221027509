// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a window above the others, switched on and off while it is open.
#pragma once

class QWidget;

// Asks the window system to keep the top-level window above other windows,
// or to stop doing so. An open window keeps its native window: it is neither
// hidden nor shown again, so a dialog's modal run goes on and the window
// keeps its place. A window not yet shown takes the option when it is.
// Without a window manager the request changes nothing on the screen.
void setStaysOnTop(QWidget& window, bool on);

bool staysOnTop(const QWidget& window);
