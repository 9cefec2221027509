// The scratch pad: free text that nothing reads.
#include "app/CalcDlg.h"
#include "ui/Layout.h"

namespace varnock {

void CCalcDlg::OnPadClear() {
    m_window.setBoxText(kScratchPad, "");
    FocusMainWindow();
    Beep();
}

}  // namespace varnock
