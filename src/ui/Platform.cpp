#include "ui/Platform.h"

namespace varnock {

void applyClickMarks(WindowOps& window, int id) {
    if (const RadioGroup* group = radioGroupOf(id)) {
        for (int member : group->members) window.setCheckState(member, member == id ? 1 : 0);
        return;
    }
    const ControlSpec* control = findControl(id);
    if (control != nullptr && control->kind == ControlKind::CheckBox) {
        window.setCheckState(id, window.checkState(id) == 1 ? 0 : 1);
    }
}

}  // namespace varnock
