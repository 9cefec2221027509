// SPDX-License-Identifier: GPL-3.0-or-later
// How a copy names the window's boxes, from the control table: the panel a
// box belongs to, the caption that names it, and the unit shown beside it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Layout.h"

namespace varnock {

// The boxes that offer Copy: the display and the read-only result and input
// boxes (every visible one-line box; the scratch pad has its own).
bool isCopyableBox(const ControlSpec& control);

// The outermost frame around the control, which is its panel; nullptr when
// no frame encloses it.
const ControlSpec* panelOf(const ControlSpec& control);

// The copyable boxes of a panel, in table order.
std::vector<const ControlSpec*> boxesOf(const ControlSpec& panel);

// What names a box in a copy of its panel.
struct BoxNaming {
    // The caption of the frame or label that names the box, as stored.
    std::string_view caption;
    // The label that shows that caption, when the calculator may change it;
    // kUnaddressed when the caption never changes.
    int captionLabel = kUnaddressed;
    // The label that gives the box's unit ("In mHz", "kms"), or nullptr.
    const ControlSpec* unitLabel = nullptr;
    // Radio buttons in the box's own frame that choose its unit ("kms",
    // "miles"); empty when there are none.
    std::span<const int> unitRadios;
};
BoxNaming namingOf(const ControlSpec& box);

// One line of a panel's copy: "Return Loss (dB): 13.9794000867204", or with a
// unit "Radio Horizon (kms): 12.5". The caption's mnemonic marks are resolved
// and a trailing colon is dropped.
std::string resultLine(std::string_view caption, std::string_view unit, std::string_view text);

}  // namespace varnock
