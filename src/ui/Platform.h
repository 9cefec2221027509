// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own place in the focus: the identifier that stands for the
// main window itself when no control holds the keyboard focus.
#pragma once

namespace varnock {

// The window itself holds the keyboard focus, no control does.
inline constexpr int kMainWindowFocus = 0;

}  // namespace varnock
