// SPDX-License-Identifier: GPL-3.0-or-later
// The console's commands played on the real desktop window as real input:
// mouse clicks on the controls, keys sent to whatever holds the focus, the
// context menu that stands for the system menu. What happens is printed in
// the console's own lines, and a dump reads the widgets themselves, so that
// the window's output can be compared with the console's line for line.
#pragma once

#include <QPointer>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "CalcWindow.h"
#include "ModalCloser.h"
#include "console/CommandTarget.h"
#include "console/Output.h"

class QPlainTextEdit;

class WindowPlayer : public varnock::console::CommandTarget, public varnock::console::ShownWindow {
public:
    // Opens a fresh main window, shown and active; events go to out.
    explicit WindowPlayer(std::ostream& out);
    ~WindowPlayer() override;

    varnock::console::Refusal perform(const varnock::console::Command& command) override;
    bool isClosed() const override { return m_closed; }

    // ShownWindow: what the widgets show now.
    std::string shownText(int boxId) const override;
    std::string shownCaption(int labelId) const override;
    int shownCheck(int id) const override;
    int shownFocus() const override;

private:
    using Refusal = varnock::console::Refusal;

    Refusal click(const varnock::console::Identifier& id) override;
    Refusal focus(const varnock::console::Identifier& id) override;
    Refusal press(varnock::console::Key key) override;
    Refusal type(std::string_view text) override;
    void menu(varnock::MenuChoice entry) override;
    void dump() const override;
    Refusal copy(const std::optional<varnock::console::Identifier>& box) override;
    Refusal paste(std::string_view text) override;

    void clickWithMouse(QWidget* widget);
    void clickIntoPad();
    void typeCharacter(char32_t codePoint);
    // A key press and release sent to the widget that holds the focus.
    void sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {});
    void chooseFromSystemMenu(std::string_view entryText);
    // A right click on the box opens its context menu; the entry is clicked.
    void chooseFromBoxMenu(QWidget* box, std::string_view entryText);
    // Runs act and prints the text it put on the clipboard, if it put any.
    template <typename Act>
    void printCopied(Act act);
    // Lets the window finish what the last input started: pending events,
    // and the window's return to the front after a box has closed.
    void settle();

    QPlainTextEdit* pad() const;
    bool padHasFocus() const;
    QWidget* focusTarget() const;

    std::ostream& m_out;
    ModalCloser m_closer;
    std::unique_ptr<CalcWindow> m_window;
    std::map<const QWidget*, int> m_controlIds;
    bool m_closed = false;
};
