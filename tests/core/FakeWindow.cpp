#include "FakeWindow.h"

#include <stdexcept>

#include "ui/Layout.h"

namespace varnock::testing {

std::string FakeWindow::boxText(int id) const {
    auto it = boxes.find(id);
    return it == boxes.end() ? std::string() : it->second;
}

void FakeWindow::setBoxText(int id, std::string_view text) {
    if (id == 1007) ++showCount;
    boxes[id] = std::string(text);
}

int FakeWindow::checkState(int id) const {
    auto it = checks.find(id);
    return it == checks.end() ? 0 : it->second;
}

void FakeWindow::setCheckState(int id, int state) { checks[id] = state; }

void FakeWindow::setCaption(int id, std::string_view text) { captions[id] = std::string(text); }

void FakeWindow::messageBox(std::string_view text, MessageIcon icon) {
    displayDuringMessage = boxText(1007);
    events.push_back((icon == MessageIcon::Exclamation ? "exclamation: " : "question: ") +
                     std::string(text));
}

void FakeWindow::beep() { events.emplace_back("beep"); }
void FakeWindow::focusMainWindow() { events.emplace_back("focus"); }
void FakeWindow::endDialog() { events.emplace_back("close"); }
void FakeWindow::runAboutBox() { events.emplace_back("about"); }

Calculator::Calculator() {
    for (const ControlSpec& control : controls()) {
        if (control.kind == ControlKind::Label && control.id != kUnaddressed) {
            window.captions[control.id] = std::string(control.caption);
        }
    }
    dialog.OnInitDialog();
    window.events.clear();
}

void Calculator::click(int id) {
    const ControlSpec* control = findControl(id);
    if (control == nullptr) throw std::invalid_argument("no control " + std::to_string(id));
    if (const RadioGroup* group = radioGroupOf(id)) {
        for (int member : group->members) window.checks[member] = member == id ? 1 : 0;
    } else if (control->kind == ControlKind::CheckBox) {
        window.checks[id] = window.checks[id] == 1 ? 0 : 1;
    }
    dialog.OnClicked(id);
}

void Calculator::clicks(std::initializer_list<int> ids) {
    for (int id : ids) click(id);
}

void Calculator::type(std::string_view keys) {
    for (char key : keys) click(keypadButton(key));
}

void Calculator::focus(int id) { dialog.OnSetFocus(id); }

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
        case '0': return 1091;
        case '1': return 1088;
        case '2': return 1089;
        case '3': return 1090;
        case '4': return 1085;
        case '5': return 1086;
        case '6': return 1087;
        case '7': return 1082;
        case '8': return 1083;
        case '9': return 1084;
        case '.': return 1092;
        case '~': return 1093;
        case '+': return 1146;
        case '-': return 1149;
        case '*': return 1151;
        case '/': return 1150;
        case '=': return 1152;
        default: throw std::invalid_argument(std::string("no keypad key ") + key);
    }
}

}  // namespace varnock::testing
