// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/CommandTarget.h"

#include "console/Json.h"
#include "ui/BoxNames.h"
#include "ui/WindowRules.h"

namespace varnock::console {
namespace {

// The control with this identifier when accept allows it.
const ControlSpec* acceptedControl(const Identifier& id, bool (*accept)(const ControlSpec&)) {
    if (!id.value) return nullptr;
    const ControlSpec* control = findControl(*id.value);
    return control != nullptr && accept(*control) ? control : nullptr;
}

}  // namespace

Refusal CommandTarget::perform(const Command& command) {
    return std::visit(Overloaded{
                          [&](const ClickCommand& c) { return click(c.control); },
                          [&](const FocusCommand& c) { return focus(c.control); },
                          [&](const KeyCommand& c) { return press(c.key); },
                          [&](const TypeCommand& c) { return type(c.text); },
                          [&](const MenuCommand& c) -> Refusal {
                              menu(c.entry);
                              return std::nullopt;
                          },
                          [&](const DumpCommand&) -> Refusal {
                              dump();
                              return std::nullopt;
                          },
                          [&](const CopyCommand& c) { return copy(c.box); },
                          [&](const PasteCommand& c) { return paste(c.text); },
                      },
                      command);
}

const ControlSpec* clickableControl(const Identifier& id) {
    return acceptedControl(id, takesClicks);
}

std::string notClickable(const Identifier& id) {
    return "no push button, radio button or check box has the identifier " + shownWord(id.written);
}

const ControlSpec* focusableControl(const Identifier& id) {
    return acceptedControl(id, takesFocus);
}

std::string notFocusable(const Identifier& id) {
    return "no control that can take the focus has the identifier " + shownWord(id.written);
}

const ControlSpec* copyableControl(const Identifier& id) {
    return acceptedControl(id, isCopyableBox);
}

std::string notCopyable(const Identifier& id) {
    return "no box with a Copy menu has the identifier " + shownWord(id.written);
}

Refusal checkPadRoom(std::size_t held, std::size_t added) {
    if (held + added <= kPadCapacity) return std::nullopt;
    return "the scratch pad is full: it holds at most " + std::to_string(kPadCapacity) +
           " bytes, and the text is not typed";
}

}  // namespace varnock::console
