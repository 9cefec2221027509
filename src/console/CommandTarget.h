// SPDX-License-Identifier: GPL-3.0-or-later
// What performs the console's commands: the console's own session, or a
// front end that plays them on another window. The rules that decide whether
// a command names something it can act on live here too, so that every
// player refuses the same lines with the same words.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "console/Command.h"
#include "ui/Layout.h"

namespace varnock::console {

// Why a command could not be performed; the command then had no effect.
using Refusal = std::optional<std::string>;

class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // Hands the command to the operation of its kind.
    virtual Refusal perform(const Command& command);
    // The window has closed: no further command is read.
    virtual bool isClosed() const = 0;

protected:
    virtual Refusal click(const Identifier& id) = 0;
    virtual Refusal focus(const Identifier& id) = 0;
    virtual Refusal press(Key key) = 0;
    virtual Refusal type(std::string_view text) = 0;
    virtual void menu(MenuChoice entry) = 0;
    virtual void dump() const = 0;
    // Ctrl+C when box is empty, else Copy from the box's context menu.
    virtual Refusal copy(const std::optional<Identifier>& box) = 0;
    // The text goes on the clipboard, then Ctrl+V.
    virtual Refusal paste(std::string_view text) = 0;
};

// The most text the scratch pad holds, in bytes, so that memory stays
// bounded however much is typed.
inline constexpr std::size_t kPadCapacity = std::size_t{1} << 20;

// The control that `click` may name (push buttons, hidden twins and "CLOSE"
// included, radio buttons, the check box), or nullptr.
const ControlSpec* clickableControl(const Identifier& id);
std::string notClickable(const Identifier& id);

// The control that `focus` may name (the visible buttons, radio buttons, the
// check box and the boxes), or nullptr.
const ControlSpec* focusableControl(const Identifier& id);
std::string notFocusable(const Identifier& id);

// The box that `copy` may name (the display and the read-only boxes), or
// nullptr.
const ControlSpec* copyableControl(const Identifier& id);
std::string notCopyable(const Identifier& id);

// Refuses typing that would take a pad holding `held` bytes beyond
// kPadCapacity.
Refusal checkPadRoom(std::size_t held, std::size_t added);

}  // namespace varnock::console
