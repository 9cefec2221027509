// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's main window driven by console commands, the way the
// desktop platform drives it for a person with mouse and keyboard.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "app/CalcDlg.h"
#include "app/WindowActs.h"
#include "console/Command.h"
#include "console/CommandTarget.h"
#include "console/ConsoleWindow.h"

namespace varnock::console {

class Session : public CommandTarget {
public:
    static constexpr std::size_t kPadCapacity = console::kPadCapacity;

    // Opens the window; events and dumps are printed to out.
    explicit Session(std::ostream& out);

    bool isClosed() const override { return m_window.isClosed(); }
    const ConsoleWindow& window() const { return m_window; }
    // The calculator's numbers behind the boxes.
    const FormRecord& record() const { return m_dialog.record(); }

private:
    Refusal click(const Identifier& id) override;
    Refusal focus(const Identifier& id) override;
    Refusal press(Key key) override;
    Refusal type(std::string_view text) override;
    // Text typed while the pad holds the focus.
    Refusal typeIntoPad(std::string_view text);
    void menu(MenuChoice entry) override;
    void dump() const override;
    Refusal copy(const std::optional<Identifier>& box) override;
    Refusal paste(std::string_view text) override;
    bool padHasFocus() const;
    Refusal checkPadRoom(std::size_t bytes) const;

    std::ostream& m_out;
    // The window is made first, for the calculator to open on; it reads the
    // calculator's state only once the calculator is made.
    ConsoleWindow m_window;
    CCalcDlg m_dialog;
    WindowActs m_acts;
};

}  // namespace varnock::console
