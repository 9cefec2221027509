// SPDX-License-Identifier: GPL-3.0-or-later
// Which operation of the main window runs for which control notification.
#pragma once

#include <span>

namespace varnock {

class CCalcDlg;
using ClickHandler = void (CCalcDlg::*)();

struct Route {
    int id;
    ClickHandler handler;
};

// Button-clicked notifications, in order of identifier; controls that share
// an operation share a handler, and a hidden twin shares its visible key's.
std::span<const Route> clickRoutes();
// Set-focus notifications, in order of identifier: every read-only box
// gives the focus back.
std::span<const Route> focusRoutes();

ClickHandler findClickHandler(int id);
ClickHandler findFocusHandler(int id);

}  // namespace varnock
