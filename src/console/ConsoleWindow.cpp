#include "console/ConsoleWindow.h"

#include <algorithm>
#include <limits>

#include "console/Utf8.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/Strings.h"

namespace varnock::console {

namespace {

// The flat array covers at most this many identifiers.
constexpr int kMaxSpan = 1024;

}  // namespace

ConsoleWindow::ConsoleWindow(std::ostream& events) : m_events(events), m_focus(kMainWindowFocus) {
    int first = std::numeric_limits<int>::max();
    for (const ControlSpec& control : controls()) {
        if (control.id != kUnaddressed) first = std::min(first, control.id);
    }
    int last = first;
    for (const ControlSpec& control : controls()) {
        if (control.id != kUnaddressed && control.id - first < kMaxSpan) {
            last = std::max(last, control.id);
        }
    }
    m_firstId = first;
    m_states.resize(static_cast<std::size_t>(last - first) + 1);
    for (const ControlSpec& control : controls()) {
        if (control.id != kUnaddressed && control.kind == ControlKind::Label) {
            stateOf(control.id).caption = control.caption;
        }
    }
}

ConsoleWindow::ControlState& ConsoleWindow::otherState(int id) { return m_others[id]; }

const ConsoleWindow::ControlState* ConsoleWindow::findOtherState(int id) const {
    auto it = m_others.find(id);
    return it == m_others.end() ? nullptr : &it->second;
}

std::string ConsoleWindow::boxText(int id) const { return text(id); }

// Most calls write the text a box already shows: "show all fields" rewrites
// every box after each key.
void ConsoleWindow::setBoxText(int id, std::string_view text) {
    std::string& box = stateOf(id).box;
    if (box != text) box.assign(text);
}

int ConsoleWindow::checkState(int id) const {
    const ControlState* state = findState(id);
    return state == nullptr ? 0 : state->check;
}

void ConsoleWindow::setCheckState(int id, int state) { stateOf(id).check = state; }

void ConsoleWindow::setCaption(int id, std::string_view text) { stateOf(id).caption.assign(text); }

const std::string& ConsoleWindow::text(int id) const {
    static const std::string none;
    const ControlState* state = findState(id);
    return state == nullptr ? none : state->box;
}

const std::string& ConsoleWindow::caption(int id) const {
    static const std::string none;
    const ControlState* state = findState(id);
    return state == nullptr ? none : state->caption;
}

void ConsoleWindow::appendToBox(int id, std::string_view text) { stateOf(id).box += text; }

void ConsoleWindow::eraseLastCharacter(int id) { removeLastCharacter(stateOf(id).box); }

// A message box is closed with OK at once and leaves the focus where it was.
void ConsoleWindow::messageBox(std::string_view text, MessageIcon icon) {
    writeMessage(m_events, icon, text);
}

void ConsoleWindow::beep() { writeBeep(m_events); }

void ConsoleWindow::focusMainWindow() { m_focus = kMainWindowFocus; }

void ConsoleWindow::endDialog() {
    if (m_closed) return;
    m_closed = true;
    writeClosed(m_events);
}

// The About box is closed with its OK button at once.
void ConsoleWindow::runAboutBox() { writeAbout(m_events, kAboutTitle); }

}  // namespace varnock::console
