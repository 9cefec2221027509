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

// Button-clicked notifications; controls that share an operation share a handler.
std::span<const Route> clickRoutes();
// Set-focus notifications of edit boxes.
std::span<const Route> focusRoutes();

ClickHandler findClickHandler(int id);
ClickHandler findFocusHandler(int id);

}  // namespace varnock
