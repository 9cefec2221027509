// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalcState.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "ui/Layout.h"

namespace varnock {
namespace {

// The flat array covers at most this many identifiers.
constexpr int kMaxSpan = 1024;

}  // namespace

CalcState::CalcState() {
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
    m_controls.resize(static_cast<std::size_t>(last - first) + 1);
    for (const ControlSpec& control : controls()) {
        if (control.id != kUnaddressed && control.kind == ControlKind::Label) {
            controlOf(control.id).caption = control.caption;
        }
    }
}

CalcState::Control& CalcState::otherControl(int id) { return m_others[id]; }

const CalcState::Control* CalcState::findOther(int id) const {
    auto it = m_others.find(id);
    return it == m_others.end() ? nullptr : &it->second;
}

const std::string& CalcState::text(int id) const {
    static const std::string none;
    const Control* control = findControl(id);
    return control == nullptr ? none : control->text;
}

const std::string& CalcState::caption(int id) const {
    static const std::string none;
    const Control* control = findControl(id);
    return control == nullptr ? none : control->caption;
}

int CalcState::check(int id) const {
    const Control* control = findControl(id);
    return control == nullptr ? 0 : control->check;
}

void CalcState::note(int id, Control& control, Aspect aspect) {
    if ((control.noted & aspect) != 0) return;
    control.noted |= aspect;
    switch (aspect) {
        case kText:
            m_changed.texts.push_back(id);
            break;
        case kCaption:
            m_changed.captions.push_back(id);
            break;
        case kCheck:
            m_changed.checks.push_back(id);
            break;
    }
}

void CalcState::noteText(int id, Control& control) {
    ++control.textVersion;
    note(id, control, kText);
}

void CalcState::setText(int id, std::string_view text) {
    Control& control = controlOf(id);
    if (control.text == text) return;
    control.text.assign(text);
    noteText(id, control);
}

void CalcState::appendText(int id, std::string_view text) {
    if (text.empty()) return;
    Control& control = controlOf(id);
    control.text.append(text);
    noteText(id, control);
}

void CalcState::eraseTextEnd(int id, std::size_t bytes) {
    Control& control = controlOf(id);
    if (bytes == 0 || control.text.empty()) return;
    control.text.resize(control.text.size() - std::min(bytes, control.text.size()));
    noteText(id, control);
}

void CalcState::setCaption(int id, std::string_view caption) {
    Control& control = controlOf(id);
    if (control.caption == caption) return;
    control.caption.assign(caption);
    note(id, control, kCaption);
}

void CalcState::setCheck(int id, int state) {
    Control& control = controlOf(id);
    if (control.check == state) return;
    control.check = state;
    note(id, control, kCheck);
}

bool CalcState::hasChanges() const {
    return !m_changed.texts.empty() || !m_changed.captions.empty() || !m_changed.checks.empty();
}

void CalcState::takeChanges(ChangedControls& taken) {
    for (const std::vector<int>* ids : {&m_changed.texts, &m_changed.captions, &m_changed.checks}) {
        for (int id : *ids) controlOf(id).noted = 0;
    }
    std::swap(taken, m_changed);
    m_changed.texts.clear();
    m_changed.captions.clear();
    m_changed.checks.clear();
}

void applyClickMarks(CalcState& state, int id) {
    if (const RadioGroup* group = radioGroupOf(id)) {
        for (int member : group->members) state.setCheck(member, member == id ? 1 : 0);
        return;
    }
    const ControlSpec* control = varnock::findControl(id);
    if (control != nullptr && control->kind == ControlKind::CheckBox) {
        state.setCheck(id, state.check(id) == 1 ? 0 : 1);
    }
}

}  // namespace varnock
