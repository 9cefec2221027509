// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowRules.h"

#include <cctype>

#include "ui/Platform.h"

namespace varnock {

bool takesClicks(const ControlSpec& control) {
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
            return true;
        default:
            return false;
    }
}

bool takesFocus(const ControlSpec& control) {
    if (!control.isVisible()) return false;
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::Edit:
        case ControlKind::MultiLineEdit:
            return true;
        default:
            return false;
    }
}

int initialFocus() {
    for (const ControlSpec& control : controls()) {
        if (control.is(kTabStop) && takesFocus(control)) return control.id;
    }
    return kMainWindowFocus;
}

int returnKeyButton(int focusedId) {
    const ControlSpec* focused = findControl(focusedId);
    if (focused != nullptr && focused->kind == ControlKind::PushButton && focused->isVisible()) {
        return focusedId;
    }
    return defaultButtonId();
}

int mnemonicControl(char key) {
    if (const int twin = twinForKey(key)) return twin;
    const auto folded = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    for (const ControlSpec& control : controls()) {
        if (!control.isVisible() || !takesClicks(control) || control.is(kNoMnemonic)) continue;
        const char mnemonic = mnemonicOf(control.caption);
        if (mnemonic != 0 && folded(mnemonic) == folded(key)) return control.id;
    }
    return 0;
}

}  // namespace varnock
