// SPDX-License-Identifier: GPL-3.0-or-later
// What Copy and "Copy All Results" take from the boxes: their whole texts,
// never a shortened rendering, named as the window shows them.
#include "app/CalcDlg.h"

namespace varnock {
namespace {

const ControlSpec* copyableBox(int id) {
    const ControlSpec* control = findControl(id);
    return control != nullptr && isCopyableBox(*control) ? control : nullptr;
}

}  // namespace

std::string CCalcDlg::OnCopy(int box) {
    const ActScope act(*this);
    FinishTyping();
    return copyableBox(box) != nullptr ? m_state.text(box) : std::string();
}

std::string CCalcDlg::OnCopyAllResults(int box) {
    const ActScope act(*this);
    FinishTyping();
    const ControlSpec* control = copyableBox(box);
    if (control == nullptr) return {};
    const ControlSpec* panel = panelOf(*control);
    if (panel == nullptr) return ResultLine(*control);
    std::string lines;
    for (const ControlSpec* member : boxesOf(*panel)) {
        if (!lines.empty()) lines += '\n';
        lines += ResultLine(*member);
    }
    return lines;
}

// The caption and unit as the window shows them now: labels the calculator
// relabels give their present captions, unit radios the checked one's.
std::string CCalcDlg::ResultLine(const ControlSpec& box) {
    const BoxNaming naming = namingOf(box);
    const std::string_view caption =
        naming.captionLabel == kUnaddressed ? naming.caption : m_state.caption(naming.captionLabel);
    std::string_view unit;
    if (const ControlSpec* label = naming.unitLabel) {
        unit = label->id == kUnaddressed ? label->caption : m_state.caption(label->id);
    }
    for (int radio : naming.unitRadios) {
        if (IsChecked(radio)) unit = startCaption(radio);
    }
    return resultLine(caption, unit, m_state.text(box.id));
}

}  // namespace varnock
