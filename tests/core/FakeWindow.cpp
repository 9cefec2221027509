// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeWindow.h"

#include <stdexcept>

#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock::testing {

void FakeWindow::stateChanged(const StateChange& change) {
    for (int id : change.texts) showCount += id == kDisplay ? 1 : 0;
}

void FakeWindow::messageBox(std::string_view text, MessageIcon icon) {
    displayDuringMessage = state->text(kDisplay);
    events.push_back((icon == MessageIcon::Exclamation ? "exclamation: " : "question: ") +
                     std::string(text));
}

void FakeWindow::beep() { events.emplace_back("beep"); }
void FakeWindow::focusMainWindow() { events.emplace_back("focus"); }
void FakeWindow::endDialog() { events.emplace_back("close"); }
void FakeWindow::runAboutBox() { events.emplace_back("about"); }

Calculator::Calculator() {
    window.state = &dialog.state();
    dialog.OnInitDialog();
    window.events.clear();
}

void Calculator::click(int id) {
    if (findControl(id) == nullptr) throw std::invalid_argument("no control " + std::to_string(id));
    dialog.OnClicked(id);
}

void Calculator::clicks(std::initializer_list<int> ids) {
    for (int id : ids) click(id);
}

void Calculator::type(std::string_view keys) {
    for (char key : keys) click(keypadButton(key));
}

void Calculator::focus(int id) { dialog.OnSetFocus(id); }

namespace {

// One reading of every addressed control of the table.
template <typename Value, typename Read>
std::map<int, Value> everyControl(Read read) {
    std::map<int, Value> shown;
    for (const ControlSpec& control : controls()) {
        if (control.id != kUnaddressed) shown.emplace(control.id, read(control.id));
    }
    return shown;
}

}  // namespace

std::map<int, std::string> Calculator::boxes() const {
    return everyControl<std::string>([this](int id) { return box(id); });
}

std::map<int, std::string> Calculator::captions() const {
    return everyControl<std::string>([this](int id) { return caption(id); });
}

std::map<int, int> Calculator::checks() const {
    return everyControl<int>([this](int id) { return check(id); });
}

void Calculator::setBox(int id, std::string_view text) { dialog.MutableState().setText(id, text); }

void Calculator::setCheck(int id, int state) { dialog.MutableState().setCheck(id, state); }

std::vector<std::string> Calculator::takeEvents() {
    std::vector<std::string> taken;
    taken.swap(window.events);
    return taken;
}

std::vector<std::string> Calculator::takeMessages() {
    std::vector<std::string> messages;
    for (std::string& event : takeEvents()) {
        if (event.starts_with("exclamation: ") || event.starts_with("question: ")) {
            messages.push_back(std::move(event));
        }
    }
    return messages;
}

void Calculator::enter(std::string_view keys, int key) {
    type(keys);
    click(key);
}

int keypadButton(char key) {
    switch (key) {
        case '0':
            return kDigit0;
        case '1':
            return kDigit1;
        case '2':
            return kDigit2;
        case '3':
            return kDigit3;
        case '4':
            return kDigit4;
        case '5':
            return kDigit5;
        case '6':
            return kDigit6;
        case '7':
            return kDigit7;
        case '8':
            return kDigit8;
        case '9':
            return kDigit9;
        case '.':
            return kDecimalPoint;
        case '~':
            return kChangeSign;
        case '+':
            return kMathAdd;
        case '-':
            return kMathSubtract;
        case '*':
            return kMathMultiply;
        case '/':
            return kMathDivide;
        case '=':
            return kMathEquals;
        default:
            throw std::invalid_argument(std::string("no keypad key ") + key);
    }
}

}  // namespace varnock::testing
