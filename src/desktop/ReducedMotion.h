// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the desktop asks programs to keep still. Qt 6.4 passes on no such
// setting, so the desktops' own configuration files are read: KDE's animation
// speed set to instant, or GTK's animations switched off. The user's files
// come before the system's, as the desktops read them.
#pragma once

bool desktopReducesMotion();
