// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SystemMenu.h"

#include "ui/Strings.h"

namespace varnock {
namespace {

constexpr MenuEntry kEntries[] = {
    {"Mi&nimize", kCommandMinimize},
    {"&Close", kCommandClose},
    {kStayOnTopMenuEntry, kCommandStayOnTop, true},
    {"", kCommandNone},
    {kAboutMenuEntry, kCommandAbout},
};

}  // namespace

std::span<const MenuEntry> systemMenu() { return kEntries; }

}  // namespace varnock
