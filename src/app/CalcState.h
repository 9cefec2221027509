// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows, held by the calculator itself: the text of every
// box, the caption of every label and the mark of every radio button and the
// check box. The calculator reads and writes only this copy; the front ends
// draw it, told after each act which controls changed.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/WindowOps.h"

namespace varnock {

// The identifiers of the controls changed, one list per aspect.
struct ChangedControls {
    std::vector<int> texts;
    std::vector<int> captions;
    std::vector<int> checks;

    StateChange view() const { return StateChange{texts, captions, checks}; }
};

class CalcState {
public:
    // Every label shows its caption from the control table, every box is
    // empty and every mark clear.
    CalcState();

    const std::string& text(int id) const;
    const std::string& caption(int id) const;
    // 1 when the radio button or check box is checked, 0 when clear.
    int check(int id) const;
    // Counts the changes of a box's text: while it stays the same, so does
    // the text, and a writer that remembers it need not compare the text.
    std::uint64_t textVersion(int id) const {
        const Control* control = findControl(id);
        return control == nullptr ? 0 : control->textVersion;
    }

    // Each change is noted for the next StateChange; writing what a control
    // already shows is no change.
    void setText(int id, std::string_view text);
    void appendText(int id, std::string_view text);
    // Removes the last bytes of a box's text (all of it when it is shorter).
    void eraseTextEnd(int id, std::size_t bytes);
    void setCaption(int id, std::string_view caption);
    void setCheck(int id, int state);

    bool hasChanges() const;
    // Moves the controls changed since the last call into taken (replacing
    // what it held); changes from then on are noted afresh.
    void takeChanges(ChangedControls& taken);

private:
    enum Aspect : std::uint8_t { kText = 1, kCaption = 2, kCheck = 4 };
    struct Control {
        std::string text;
        std::string caption;
        int check = 0;
        std::uint64_t textVersion = 0;
        std::uint8_t noted = 0;  // the aspects already in the change lists
    };

    // Every identifier reaches one of these, so the controls of the table
    // lie in a flat array indexed from m_firstId; any other identifier gets
    // one on demand.
    Control& controlOf(int id) {
        const std::size_t slot = slotOf(id);
        return slot < m_controls.size() ? m_controls[slot] : otherControl(id);
    }
    const Control* findControl(int id) const {
        const std::size_t slot = slotOf(id);
        return slot < m_controls.size() ? &m_controls[slot] : findOther(id);
    }
    Control& otherControl(int id);
    const Control* findOther(int id) const;
    std::size_t slotOf(int id) const {
        return static_cast<std::size_t>(static_cast<unsigned>(id) -
                                        static_cast<unsigned>(m_firstId));
    }
    void note(int id, Control& control, Aspect aspect);
    void noteText(int id, Control& control);

    int m_firstId = 0;
    std::vector<Control> m_controls;
    std::map<int, Control> m_others;
    ChangedControls m_changed;
};

// The marks a click moves before the control's operation runs: a radio
// button checks itself and clears the other members of its group, the check
// box toggles. Other controls are left alone.
void applyClickMarks(CalcState& state, int id);

}  // namespace varnock
