// SPDX-License-Identifier: GPL-3.0-or-later
// The scratch pad: free text that nothing reads.
#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace varnock {

void CCalcDlg::OnPadClear() {
    SetBoxText(kScratchPad, "");
    FocusMainWindow();
    Beep();
}

}  // namespace varnock
