// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/EventLog.h"

#include <span>
#include <vector>

#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/Strings.h"

namespace varnock::web {
namespace {

std::string_view iconName(MessageIcon icon) {
    return icon == MessageIcon::Question ? "question" : "exclamation";
}

// [[id, text], ...] for one aspect of the controls named.
template <typename Read>
void writePairs(JsonText& json, std::string_view name, std::span<const int> ids, Read read) {
    json.key(name).beginArray();
    for (const int id : ids) json.beginArray().value(id).value(read(id)).endArray();
    json.endArray();
}

// A caption as the window shows it: mnemonic marks resolved, except on a
// control that shows its caption literally.
std::string shownCaption(const CalcState& state, int id) {
    const ControlSpec* control = findControl(id);
    if (control != nullptr && control->is(kNoMnemonic)) return state.caption(id);
    return plainCaption(state.caption(id));
}

void writeState(JsonText& json, const CalcState& state, const StateChange& change) {
    json.member("event", "state");
    writePairs(json, "texts", change.texts,
               [&](int id) { return std::string_view(state.text(id)); });
    writePairs(json, "captions", change.captions, [&](int id) { return shownCaption(state, id); });
    writePairs(json, "checks", change.checks, [&](int id) { return state.check(id); });
}

}  // namespace

EventLog::EventLog(const CCalcDlg* calc) : m_calc(calc), m_focus(kMainWindowFocus) {
    m_events.beginArray();
}

JsonText& EventLog::beginEvent(std::string_view name) {
    return m_events.beginObject().member("event", name);
}

void EventLog::stateChanged(const StateChange& change) {
    m_events.beginObject();
    writeState(m_events, m_calc->state(), change);
    m_events.endObject();
}

// The page shows the box; the calculator goes on at once, as the console's
// window does, and the page plays the rest of the act after OK.
void EventLog::messageBox(std::string_view text, MessageIcon icon) {
    beginEvent("message").member("icon", iconName(icon)).member("text", text).endObject();
}

void EventLog::beep() { beginEvent("beep").endObject(); }

void EventLog::focusMainWindow() {
    m_focus = kMainWindowFocus;
    beginEvent("focus").member("id", kMainWindowFocus).endObject();
}

void EventLog::endDialog() {
    if (m_closed) return;
    m_closed = true;
    beginEvent("closed").endObject();
}

void EventLog::runAboutBox() { beginEvent("about").member("title", kAboutTitle).endObject(); }

void EventLog::clipboard(std::string_view text) {
    beginEvent("clipboard").member("text", text).endObject();
}

std::string EventLog::takeEvents() {
    m_events.endArray();
    std::string events = m_events.take();
    m_events.clear();
    m_events.beginArray();
    return events;
}

std::string snapshotOf(const CalcState& state, int focus) {
    std::vector<int> texts, captions, checks;
    for (const ControlSpec& control : controls()) {
        if (control.id == kUnaddressed) continue;
        switch (control.kind) {
            case ControlKind::Edit:
            case ControlKind::MultiLineEdit:
                texts.push_back(control.id);
                break;
            case ControlKind::RadioButton:
            case ControlKind::CheckBox:
                checks.push_back(control.id);
                break;
            case ControlKind::Label:
                captions.push_back(control.id);
                break;
            case ControlKind::GroupBox:  // frames keep the table's caption
            case ControlKind::PushButton:
                break;
        }
    }
    JsonText json;
    json.beginObject();
    writeState(json, state, StateChange{texts, captions, checks});
    json.member("focus", focus).endObject();
    return json.take();
}

}  // namespace varnock::web
