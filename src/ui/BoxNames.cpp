// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BoxNames.h"

#include <algorithm>

namespace varnock {
namespace {

bool encloses(const DialogRect& outer, const DialogRect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

int area(const DialogRect& rect) { return rect.width * rect.height; }

std::span<const int> unitRadiosOf(const ControlSpec& box) {
    if (box.frame.empty()) return {};
    for (const ControlSpec& control : controls()) {
        if (control.kind != ControlKind::RadioButton || control.frame != box.frame) continue;
        if (const RadioGroup* group = radioGroupOf(control.id)) return group->members;
    }
    return {};
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool isCopyableBox(const ControlSpec& control) { return control.isReadOnlyBox(); }

const ControlSpec* panelOf(const ControlSpec& control) {
    const ControlSpec* panel = nullptr;
    for (const ControlSpec& frame : controls()) {
        if (frame.kind != ControlKind::GroupBox || &frame == &control) continue;
        if (!encloses(frame.rect, control.rect)) continue;
        if (panel == nullptr || area(frame.rect) > area(panel->rect)) panel = &frame;
    }
    return panel;
}

std::vector<const ControlSpec*> boxesOf(const ControlSpec& panel) {
    std::vector<const ControlSpec*> boxes;
    for (const ControlSpec& control : controls()) {
        if (isCopyableBox(control) && panelOf(control) == &panel) boxes.push_back(&control);
    }
    return boxes;
}

BoxNaming namingOf(const ControlSpec& box) {
    BoxNaming naming;
    naming.caption = box.frame;
    if (const ControlSpec* label = labelOf(box.id)) naming.captionLabel = label->id;
    naming.unitLabel = unitLabelOf(box.id);
    naming.unitRadios = unitRadiosOf(box);
    return naming;
}

std::string resultLine(std::string_view caption, std::string_view unit, std::string_view text) {
    const std::string plain = plainCaption(caption);
    std::string_view name = trimmed(plain);
    if (name.ends_with(':')) name = trimmed(name.substr(0, name.size() - 1));
    std::string line(name);
    if (!unit.empty()) line.append(" (").append(plainCaption(unit)).append(")");
    return line.append(": ").append(text);
}

}  // namespace varnock
