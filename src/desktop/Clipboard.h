// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's clipboard as the calculator uses it: plain text only.
#pragma once

#include <string>
#include <string_view>

// Puts the text on the clipboard and, where the desktop has one (X11), on
// the selection that the middle button pastes.
void putOnClipboard(std::string_view text);

// The clipboard's plain text, "" when it holds none.
std::string clipboardText();
