#include "console/Session.h"

#include <algorithm>
#include <vector>

#include "console/Json.h"
#include "form/FormRecord.h"
#include "ui/Layout.h"
#include "ui/Platform.h"

namespace varnock::console {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The control with this identifier when accept allows it.
const ControlSpec* acceptedControl(const Identifier& id, bool (*accept)(const ControlSpec&)) {
    if (!id.value) return nullptr;
    const ControlSpec* control = findControl(*id.value);
    return control != nullptr && accept(*control) ? control : nullptr;
}

// The radio buttons and the check box, in ascending identifier order.
const std::vector<int>& checkableIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> found;
        for (const ControlSpec& control : controls()) {
            if (control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox) {
                found.push_back(control.id);
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }();
    return ids;
}

// The labels whose captions change, in ascending identifier order.
const std::vector<int>& labelIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> sorted(changingLabels().begin(), changingLabels().end());
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    return ids;
}

}  // namespace

Session::Session(std::ostream& out) : m_out(out), m_window(out), m_dialog(m_window) {
    m_dialog.OnInitDialog();
    moveFocus(initialFocus());
}

Refusal Session::perform(const Command& command) {
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
                      },
                      command);
}

// A visible control takes the focus under the mouse. A hidden twin cannot be
// clicked with the mouse: its click is its Alt mnemonic, which runs it
// wherever the focus is and leaves the focus alone.
Refusal Session::click(const Identifier& id) {
    const ControlSpec* control = acceptedControl(id, takesClicks);
    if (control == nullptr) {
        return "no push button, radio button or check box has the identifier " +
               shownWord(id.written);
    }
    if (control->isVisible()) moveFocus(control->id);
    operate(control->id);
    return std::nullopt;
}

Refusal Session::focus(const Identifier& id) {
    const ControlSpec* control = acceptedControl(id, takesFocus);
    if (control == nullptr) {
        return "no control that can take the focus has the identifier " + shownWord(id.written);
    }
    moveFocus(control->id);
    return std::nullopt;
}

// The pad takes its keys as text; elsewhere a printable key is the mnemonic
// of a keypad twin and Return presses a button. Escape cancels the window
// wherever the focus is.
Refusal Session::press(Key key) {
    if (key.kind == KeyKind::Escape) {
        m_dialog.OnCancel();
        return std::nullopt;
    }
    if (padHasFocus()) {
        switch (key.kind) {
            case KeyKind::Character:
                return typeIntoPad(std::string_view(&key.character, 1));
            case KeyKind::Return:
                return typeIntoPad("\n");
            case KeyKind::Backspace:
                m_window.eraseLastCharacter(kScratchPad);
                break;
            case KeyKind::Escape:
                break;
        }
        return std::nullopt;
    }
    switch (key.kind) {
        case KeyKind::Character:
            if (const int twin = twinForKey(key.character)) operate(twin);
            break;
        case KeyKind::Return:
            operate(returnKeyButton(m_window.focus()));
            break;
        case KeyKind::Backspace:
        case KeyKind::Escape:
            break;
    }
    return std::nullopt;
}

// The pad takes the focus as a click into it would, then the text goes in at
// the caret, which stays at the end.
Refusal Session::type(std::string_view text) {
    if (Refusal full = checkPadRoom(text.size())) return full;
    moveFocus(kScratchPad);
    m_window.appendToBox(kScratchPad, text);
    return std::nullopt;
}

Refusal Session::typeIntoPad(std::string_view text) {
    if (Refusal full = checkPadRoom(text.size())) return full;
    m_window.appendToBox(kScratchPad, text);
    return std::nullopt;
}

void Session::menu(MenuEntry entry) {
    switch (entry) {
        case MenuEntry::About:
            m_dialog.OnSysCommand(CCalcDlg::kAboutCommand);
            break;
        case MenuEntry::Close:
            m_dialog.OnCancel();
            break;
    }
}

void Session::dump() const {
    for (const FieldBinding& field : formFields()) {
        m_out << "box " << field.box << ' ' << jsonString(m_window.text(field.box)) << '\n';
    }
    for (int id : labelIds()) {
        m_out << "label " << id << ' ' << jsonString(m_window.caption(id)) << '\n';
    }
    for (int id : checkableIds()) m_out << "check " << id << ' ' << m_window.checkState(id) << '\n';
    m_out << "pad " << jsonString(m_window.text(kScratchPad)) << '\n';
    m_out << "focus ";
    if (m_window.focus() == kMainWindowFocus) {
        m_out << "window\n";
    } else {
        m_out << m_window.focus() << '\n';
    }
}

// A control that already holds the focus is not told again.
void Session::moveFocus(int id) {
    if (m_window.focus() == id) return;
    m_window.setFocus(id);
    m_dialog.OnSetFocus(id);
}

void Session::operate(int id) {
    applyClickMarks(m_window, id);
    m_dialog.OnClicked(id);
}

bool Session::padHasFocus() const { return m_window.focus() == kScratchPad; }

Refusal Session::checkPadRoom(std::size_t bytes) const {
    if (m_window.text(kScratchPad).size() + bytes <= kPadCapacity) return std::nullopt;
    return "the scratch pad is full: it holds at most " + std::to_string(kPadCapacity) +
           " bytes, and the text is not typed";
}

}  // namespace varnock::console
