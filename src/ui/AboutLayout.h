// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's controls, as a table the desktop window builds from.
// Rectangles are in dialog units of the box's font, like the main window's.
#pragma once

#include <span>
#include <string_view>

#include "ui/Layout.h"

namespace varnock {

enum class AboutItemKind {
    Picture,        // our own drawing
    Label,          // static text, wrapped to its rectangle
    DefaultButton,  // "OK": Return presses it, and it closes the box
};

struct AboutItem {
    int id;  // kUnaddressed for items that no code addresses
    AboutItemKind kind;
    std::string_view text;
    DialogRect rect;
    unsigned flags;  // ControlFlag values (kNoMnemonic)

    bool is(ControlFlag flag) const { return (flags & flag) != 0; }
};

const DialogFrame& aboutBoxFrame();

// Every item of the About box, in creation order.
std::span<const AboutItem> aboutBoxItems();

// The identifier of the OK button.
inline constexpr int kAboutOkButton = 1;

}  // namespace varnock
