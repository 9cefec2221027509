// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tables as JSON, for the page to build its controls from: the
// main window's frame and controls, the window's menu and the About box.
#pragma once

#include <string>

namespace varnock::web {

// {"frame": {...}, "controls": [...], "menu": [...], "about": {...}}.
// Each control carries its identifier, kind, captions (as stored and
// plain), mnemonic, rectangle in dialog units, radio group, flags, partner,
// description, accessible name, the index of its panel (the outermost frame
// around it) and the window's rules for it (clicks, focus, copy).
std::string controlTableJson();

}  // namespace varnock::web
