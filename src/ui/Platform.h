// What the window system does on its own around the calculator's operations
// that the core decides for every front end: the window's own focus, and how
// auto radio buttons and the auto check box move their marks.
#pragma once

#include "form/WindowOps.h"
#include "ui/Layout.h"

namespace varnock {

// The window itself holds the keyboard focus, no control does.
inline constexpr int kMainWindowFocus = 0;

// The marks that a click moves before the control's operation runs: an auto
// radio button checks itself and clears the other members of its group, the
// auto check box toggles. Other controls are left alone.
void applyClickMarks(WindowOps& window, int id);

}  // namespace varnock
