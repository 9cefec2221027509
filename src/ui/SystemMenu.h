// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of the main window's system menu. The desktop offers them as
// the window's context menu, since a toolkit window cannot add to the window
// manager's own menu.
#pragma once

#include <span>
#include <string_view>

namespace varnock {

// Command identifiers as the system menu sends them.
enum SystemCommand : unsigned {
    kCommandNone = 0,  // a separator
    kCommandAbout = 0x0010,
    kCommandStayOnTop = 0x0020,
    kCommandMinimize = 0xF020,
    kCommandClose = 0xF060,
};

struct MenuEntry {
    std::string_view text;  // "&" marks the mnemonic; empty for a separator
    SystemCommand command;
    bool checkable = false;  // a check mark shows whether the option is on

    bool isSeparator() const { return command == kCommandNone; }
};

// The option that keeps the window above the others; off at every start.
inline constexpr std::string_view kStayOnTopMenuEntry = "Stay on &Top";

// In menu order; the About entry comes last, after a separator.
std::span<const MenuEntry> systemMenu();

}  // namespace varnock
