// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebSession.h"

#include "ui/BoxNames.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/WindowRules.h"

namespace varnock::web {
namespace {

struct NamedKey {
    std::string_view name;
    WindowKey key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Return", WindowKey::Return},
    {"Escape", WindowKey::Escape},
    {"Backspace", WindowKey::Backspace},
    {"Delete", WindowKey::Delete},
};

const ControlSpec* controlIf(int id, bool (*accept)(const ControlSpec&)) {
    const ControlSpec* control = findControl(id);
    return control != nullptr && accept(*control) ? control : nullptr;
}

}  // namespace

WebSession::WebSession() : m_log(&m_dialog), m_dialog(m_log), m_acts(m_dialog, m_log) {
    m_acts.open();
    m_log.takeEvents();  // the snapshot shows the opened window
}

std::string WebSession::click(int id) {
    const ControlSpec* control = controlIf(id, takesClicks);
    if (control != nullptr && !isClosed()) m_acts.click(*control);
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
        m_acts.moveFocus(id);
    }
    return events();
}

std::string WebSession::key(std::string_view name) {
    if (isClosed()) return events();
    for (const NamedKey& named : kNamedKeys) {
        if (named.name == name) {
            m_acts.pressOutsidePad(named.key, 0);
            return events();
        }
    }
    if (name.size() == 1) m_acts.pressOutsidePad(WindowKey::Character, name.front());
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

std::string WebSession::menu(MenuChoice choice) {
    if (!isClosed()) m_acts.menu(choice);
    return events();
}

std::string WebSession::snapshot() const { return snapshotOf(m_dialog.state(), m_log.focus()); }

}  // namespace varnock::web
