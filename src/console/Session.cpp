// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/Session.h"

#include "console/Output.h"
#include "form/ControlIds.h"
#include "text/Utf8.h"
#include "ui/Layout.h"

namespace varnock::console {
namespace {

// Text as the pad takes it: a paragraph separator (U+2029) starts a new line,
// as it does in the desktop's text box.
std::string asPadText(std::string_view text) {
    static constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";
    std::string padText;
    padText.reserve(text.size());
    for (std::size_t at; (at = text.find(kParagraphSeparator)) != std::string_view::npos;) {
        padText.append(text.substr(0, at)).append(1, '\n');
        text.remove_prefix(at + kParagraphSeparator.size());
    }
    return padText.append(text);
}

}  // namespace

Session::Session(std::ostream& out)
    : m_out(out), m_window(out, m_dialog), m_dialog(m_window), m_acts(m_dialog, m_window) {
    m_acts.open();
}

Refusal Session::click(const Identifier& id) {
    const ControlSpec* control = clickableControl(id);
    if (control == nullptr) return notClickable(id);
    m_acts.click(*control);
    return std::nullopt;
}

Refusal Session::focus(const Identifier& id) {
    const ControlSpec* control = focusableControl(id);
    if (control == nullptr) return notFocusable(id);
    m_acts.moveFocus(control->id);
    return std::nullopt;
}

// The pad takes its keys as text; the window takes them elsewhere. Escape
// cancels the window wherever the focus is.
Refusal Session::press(Key key) {
    if (key.kind == WindowKey::Escape || !padHasFocus()) {
        m_acts.pressOutsidePad(key.kind, key.character);
        return std::nullopt;
    }
    switch (key.kind) {
        case WindowKey::Character:
            return typeIntoPad(std::string_view(&key.character, 1));
        case WindowKey::Return:
            return typeIntoPad("\n");
        case WindowKey::Backspace:
            m_dialog.OnPadErased(text::lastCharacterSize(m_window.text(kScratchPad)));
            break;
        case WindowKey::Delete:  // the caret stands at the end: nothing follows it
        case WindowKey::Escape:
            break;
    }
    return std::nullopt;
}

// The pad takes the focus as a click into it would, then the text goes in at
// the caret, which stays at the end.
Refusal Session::type(std::string_view text) {
    if (Refusal full = checkPadRoom(text.size())) return full;
    m_acts.moveFocus(kScratchPad);
    return typeIntoPad(asPadText(text));
}

Refusal Session::typeIntoPad(std::string_view text) {
    if (Refusal full = checkPadRoom(text.size())) return full;
    m_dialog.OnPadTyped(text);
    return std::nullopt;
}

// The pad copies its selection, and its caret never selects anything, so
// Ctrl+C there copies nothing. Elsewhere it copies the display, and a box's
// context menu copies that box; neither moves the focus.
Refusal Session::copy(const std::optional<Identifier>& box) {
    int copied = kDisplay;
    if (box) {
        const ControlSpec* control = copyableControl(*box);
        if (control == nullptr) return notCopyable(*box);
        copied = control->id;
    } else if (padHasFocus()) {
        return std::nullopt;
    }
    writeClipboard(m_out, m_dialog.OnCopy(copied));
    return std::nullopt;
}

// Ctrl+V pastes into the pad while it holds the focus, at the caret, which
// stays at the end; elsewhere a number goes into the display.
Refusal Session::paste(std::string_view text) {
    if (padHasFocus()) {
        if (Refusal full = checkPadRoom(text.size())) return full;
        return typeIntoPad(asPadText(text));
    }
    m_dialog.OnPaste(text);
    return std::nullopt;
}

void Session::menu(MenuChoice entry) { m_acts.menu(entry); }

void Session::dump() const { writeDump(m_out, m_window); }

bool Session::padHasFocus() const { return m_window.focus() == kScratchPad; }

Refusal Session::checkPadRoom(std::size_t bytes) const {
    return console::checkPadRoom(m_window.text(kScratchPad).size(), bytes);
}

}  // namespace varnock::console
