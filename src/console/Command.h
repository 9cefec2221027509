// SPDX-License-Identifier: GPL-3.0-or-later
// The console's commands, one a line, and how a line becomes one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "ui/WindowKeys.h"

namespace varnock::console {

// A control identifier as written: its value when it fits an int.
struct Identifier {
    std::string written;
    std::optional<int> value;
};

struct Key {
    WindowKey kind;
    char character = 0;  // for WindowKey::Character
};

struct ClickCommand {
    Identifier control;
};
struct FocusCommand {
    Identifier control;
};
struct KeyCommand {
    Key key;
};
struct TypeCommand {
    std::string text;
};
struct MenuCommand {
    MenuChoice entry;
};
struct DumpCommand {};
// Ctrl+C without a box; with one, Copy from the box's context menu.
struct CopyCommand {
    std::optional<Identifier> box;
};
// The text put on the clipboard, then Ctrl+V.
struct PasteCommand {
    std::string text;
};

using Command = std::variant<ClickCommand, FocusCommand, KeyCommand, TypeCommand, MenuCommand,
                             DumpCommand, CopyCommand, PasteCommand>;

// One handler per kind of command, for std::visit over a Command.
template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// A blank line or a comment.
struct SkippedLine {};
// A line that is not a command; message says why, without the line number.
struct LineError {
    std::string message;
};

using ParsedLine = std::variant<SkippedLine, Command, LineError>;

// Parses one input line (without its line feed; a trailing carriage return is
// dropped here). Words are separated by blanks and tabs only. A line must be
// UTF-8 text without NUL bytes, a comment included.
//
// `type` takes the rest of the line after the blank or tab that follows the
// word, blanks kept. Its text must be characters a keyboard types into a box:
// tabs are kept, but any other control character (U+0000 to U+001F, U+007F to
// U+009F) or a noncharacter (U+FDD0 to U+FDEF, U+FFFE, U+FFFF and their like
// in every plane) makes the line an error, as does invalid UTF-8 anywhere in
// a line; such a line is skipped as a whole, so nothing of it reaches the pad.
// `paste` takes the rest of its line the same way, under the same rules.
ParsedLine parseLine(std::string_view line);

}  // namespace varnock::console
