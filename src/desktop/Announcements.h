// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells assistive tools, such as screen readers, beyond what
// Qt's widgets tell them of themselves.
#pragma once

class QWidget;

// The window refused what the user did (the beep): an alert from the window,
// which a screen reader can speak as the sighted user hears the beep.
void announceRefusal(QWidget& window);
