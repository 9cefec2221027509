// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/Output.h"

#include <algorithm>
#include <vector>

#include "console/Json.h"
#include "form/ControlIds.h"
#include "form/FormRecord.h"
#include "ui/Layout.h"
#include "ui/Platform.h"

namespace varnock::console {
namespace {

// The radio buttons and the check box, in ascending identifier order.
const std::vector<int>& checkableIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> found;
        for (const ControlSpec& control : controls()) {
            if (control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox) {
                found.push_back(control.id);
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }();
    return ids;
}

// The labels whose captions change, in ascending identifier order.
const std::vector<int>& labelIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> sorted(changingLabels().begin(), changingLabels().end());
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    return ids;
}

}  // namespace

void writeBeep(std::ostream& out) { out << "beep\n"; }

void writeMessage(std::ostream& out, MessageIcon icon, std::string_view text) {
    out << "message " << (icon == MessageIcon::Exclamation ? "exclamation " : "question ")
        << jsonString(text) << '\n';
}

void writeAbout(std::ostream& out, std::string_view title) {
    out << "about " << jsonString(title) << '\n';
}

void writeClosed(std::ostream& out) { out << "closed\n"; }

void writeClipboard(std::ostream& out, std::string_view text) {
    out << "clipboard " << jsonString(text) << '\n';
}

void writeDump(std::ostream& out, const ShownWindow& window) {
    for (const FieldBinding& field : formFields()) {
        out << "box " << field.box << ' ' << jsonString(window.shownText(field.box)) << '\n';
    }
    for (int id : labelIds()) {
        out << "label " << id << ' ' << jsonString(window.shownCaption(id)) << '\n';
    }
    for (int id : checkableIds()) out << "check " << id << ' ' << window.shownCheck(id) << '\n';
    out << "pad " << jsonString(window.shownText(kScratchPad)) << '\n';
    out << "focus ";
    const int focus = window.shownFocus();
    if (focus == kMainWindowFocus) {
        out << "window\n";
    } else if (focus == ShownWindow::kNoFocus) {
        out << "none\n";
    } else {
        out << focus << '\n';
    }
}

}  // namespace varnock::console
