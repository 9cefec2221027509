// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebSession.h"

#include "ui/BoxNames.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/WindowRules.h"

namespace varnock::web {
namespace {

enum class KeyAct { Twin, Return, Escape, Backspace, Delete };

struct NamedKey {
    std::string_view name;
    KeyAct act;
};

constexpr NamedKey kNamedKeys[] = {
    {"Return", KeyAct::Return},
    {"Escape", KeyAct::Escape},
    {"Backspace", KeyAct::Backspace},
    {"Delete", KeyAct::Delete},
};

const ControlSpec* controlIf(int id, bool (*accept)(const ControlSpec&)) {
    const ControlSpec* control = findControl(id);
    return control != nullptr && accept(*control) ? control : nullptr;
}

}  // namespace

WebSession::WebSession() : m_dialog(m_log), m_log(m_dialog.state()) {
    m_dialog.OnInitDialog();
    moveFocus(initialFocus());
    m_log.takeEvents();  // the snapshot shows the opened window
}

std::string WebSession::click(int id) {
    const ControlSpec* control = controlIf(id, takesClicks);
    if (control == nullptr || isClosed()) return events();
    if (control->isVisible()) moveFocus(id);
    m_dialog.OnClicked(id);
    return events();
}

std::string WebSession::mnemonic(char key) {
    const int id = mnemonicControl(key);
    if (id != 0 && !isClosed()) m_dialog.OnClicked(id);
    return events();
}

std::string WebSession::focus(int id) {
    if (isClosed()) return events();
    if (id == kMainWindowFocus) {
        m_log.setFocus(kMainWindowFocus);
    } else if (controlIf(id, takesFocus) != nullptr) {
        moveFocus(id);
    }
    return events();
}

std::string WebSession::key(std::string_view name) {
    if (isClosed()) return events();
    KeyAct act = KeyAct::Twin;
    for (const NamedKey& named : kNamedKeys) {
        if (named.name == name) act = named.act;
    }
    switch (act) {
        case KeyAct::Twin:
            if (name.size() == 1) {
                if (const int twin = twinForKey(name.front())) m_dialog.OnClicked(twin);
            }
            break;
        case KeyAct::Return:
            m_dialog.OnClicked(returnKeyButton(m_log.focus()));
            break;
        case KeyAct::Escape:
            m_dialog.OnCancel();
            break;
        case KeyAct::Backspace:
            m_dialog.OnBackspace();
            break;
        case KeyAct::Delete:
            m_dialog.OnDelete();
            break;
    }
    return events();
}

std::string WebSession::padEdited(std::string_view text) {
    if (!isClosed()) m_dialog.OnPadEdited(text);
    return events();
}

std::string WebSession::copy(int box) {
    if (!isClosed() && controlIf(box, isCopyableBox) != nullptr) {
        m_log.clipboard(m_dialog.OnCopy(box));
    }
    return events();
}

std::string WebSession::copyAllResults(int box) {
    if (!isClosed() && controlIf(box, isCopyableBox) != nullptr) {
        m_log.clipboard(m_dialog.OnCopyAllResults(box));
    }
    return events();
}

std::string WebSession::paste(std::string_view text) {
    if (!isClosed()) m_dialog.OnPaste(text);
    return events();
}

std::string WebSession::menuOpened() {
    if (!isClosed()) m_dialog.OnOtherAct();
    return events();
}

std::string WebSession::menu(MenuCommand command) {
    if (isClosed()) return events();
    switch (command) {
        case MenuCommand::About:
            m_dialog.OnSysCommand(CCalcDlg::kAboutCommand);
            break;
        case MenuCommand::Close:
            m_dialog.OnCancel();
            break;
    }
    return events();
}

std::string WebSession::snapshot() const { return snapshotOf(m_dialog.state(), m_log.focus()); }

// A control that already holds the focus is not told again.
void WebSession::moveFocus(int id) {
    if (m_log.focus() == id) return;
    m_log.setFocus(id);
    m_dialog.OnSetFocus(id);
}

}  // namespace varnock::web
