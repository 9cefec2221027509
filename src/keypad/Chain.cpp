// SPDX-License-Identifier: GPL-3.0-or-later
// The four-function chain: immediate execution, left to right.
#include "app/CalcDlg.h"

namespace varnock {
namespace {
enum PendingOp { kNone = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4 };
}

void CCalcDlg::OperatorKey(int code) {
    if (code == kNone) FocusMainWindow();
    const double x = ReadDisplay();
    const double a = m_operand;
    double r = x;
    switch (m_pendingOp) {
        case kAdd:
            r = a + x;
            break;
        case kSubtract:
            r = a - x;
            break;
        case kMultiply:
            r = a * x;
            break;
        case kDivide:
            r = a / x;
            break;
        default:
            break;
    }
    m_display = r;
    ShowAllFields();
    m_operand = r;
    m_pendingOp = code;
    EntryReset();
}

void CCalcDlg::OnAdd() { OperatorKey(kAdd); }
void CCalcDlg::OnSubtract() { OperatorKey(kSubtract); }
void CCalcDlg::OnMultiply() { OperatorKey(kMultiply); }
void CCalcDlg::OnDivide() { OperatorKey(kDivide); }
void CCalcDlg::OnEquals() { OperatorKey(kNone); }

}  // namespace varnock
