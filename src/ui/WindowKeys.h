// SPDX-License-Identifier: GPL-3.0-or-later
// The keys and menu entries that a front end reporting the user's acts names
// to the core (the console and the web page; the desktop window gets them
// from its toolkit).
#pragma once

namespace varnock {

enum class WindowKey { Character, Return, Escape, Backspace, Delete };

// The entries of the window's menu that such a front end offers.
enum class MenuChoice { About, Close };

}  // namespace varnock
