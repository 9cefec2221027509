// The main window without a window system: it holds what the screen would
// show (box texts, label captions, check marks, the focus) and prints what a
// person would see or hear happen as one line per event.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "console/Output.h"
#include "form/WindowOps.h"

namespace varnock::console {

class ConsoleWindow : public WindowOps, public ShownWindow {
public:
    // Events are printed to events. The labels start with their captions from
    // the control table, every check mark clear, every box empty.
    explicit ConsoleWindow(std::ostream& events);

    std::string boxText(int id) const override;
    void setBoxText(int id, std::string_view text) override;
    int checkState(int id) const override;
    void setCheckState(int id, int state) override;
    void setCaption(int id, std::string_view text) override;
    void messageBox(std::string_view text, MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

    // The control that holds the keyboard focus, or kMainWindowFocus.
    int focus() const { return m_focus; }
    void setFocus(int id) { m_focus = id; }

    // What a box or a label shows now, without a copy.
    const std::string& text(int id) const;
    const std::string& caption(int id) const;
    // Typing into a box: the text goes at the end, where the caret stays.
    void appendToBox(int id, std::string_view text);
    void eraseLastCharacter(int id);

    bool isClosed() const { return m_closed; }

    // ShownWindow
    std::string shownText(int boxId) const override { return text(boxId); }
    std::string shownCaption(int labelId) const override { return caption(labelId); }
    int shownCheck(int id) const override { return checkState(id); }
    int shownFocus() const override { return m_focus; }

private:
    // What one control shows. Every call of the calculator reaches one of
    // these, so they lie in a flat array indexed by identifier: the
    // identifiers of the table lie close together from m_firstId on. Any
    // other identifier (the close button) gets one on demand.
    struct ControlState {
        std::string box;
        std::string caption;
        int check = 0;
    };
    ControlState& stateOf(int id) {
        const std::size_t slot = slotOf(id);
        return slot < m_states.size() ? m_states[slot] : otherState(id);
    }
    const ControlState* findState(int id) const {
        const std::size_t slot = slotOf(id);
        return slot < m_states.size() ? &m_states[slot] : findOtherState(id);
    }
    ControlState& otherState(int id);
    const ControlState* findOtherState(int id) const;
    // The index into m_states, or an index beyond its end.
    std::size_t slotOf(int id) const {
        return static_cast<std::size_t>(static_cast<unsigned>(id) -
                                        static_cast<unsigned>(m_firstId));
    }

    std::ostream& m_events;
    int m_firstId = 0;
    std::vector<ControlState> m_states;
    std::map<int, ControlState> m_others;
    int m_focus;
    bool m_closed = false;
};

}  // namespace varnock::console
