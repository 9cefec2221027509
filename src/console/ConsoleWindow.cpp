#include "console/ConsoleWindow.h"

#include "console/Utf8.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/Strings.h"

namespace varnock::console {

ConsoleWindow::ConsoleWindow(std::ostream& events) : m_events(events), m_focus(kMainWindowFocus) {
    for (const ControlSpec& control : controls()) {
        if (control.id == kUnaddressed) continue;
        if (control.kind == ControlKind::Label) m_captions[control.id] = control.caption;
        if (control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox) {
            m_checks[control.id] = 0;
        }
    }
}

std::string ConsoleWindow::boxText(int id) const { return text(id); }

void ConsoleWindow::setBoxText(int id, std::string_view text) { m_boxes[id] = text; }

int ConsoleWindow::checkState(int id) const {
    auto it = m_checks.find(id);
    return it == m_checks.end() ? 0 : it->second;
}

void ConsoleWindow::setCheckState(int id, int state) { m_checks[id] = state; }

void ConsoleWindow::setCaption(int id, std::string_view text) { m_captions[id] = text; }

namespace {
const std::string& textIn(const std::map<int, std::string>& texts, int id) {
    static const std::string none;
    auto it = texts.find(id);
    return it == texts.end() ? none : it->second;
}
}  // namespace

const std::string& ConsoleWindow::text(int id) const { return textIn(m_boxes, id); }

const std::string& ConsoleWindow::caption(int id) const { return textIn(m_captions, id); }

void ConsoleWindow::appendToBox(int id, std::string_view text) { m_boxes[id] += text; }

void ConsoleWindow::eraseLastCharacter(int id) { removeLastCharacter(m_boxes[id]); }

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
