// SPDX-License-Identifier: GPL-3.0-or-later
// Putting an in-place key's outcome into the display.
#include "panels/InPlaceOutcome.h"

#include "app/CalcDlg.h"

namespace varnock {

void CCalcDlg::PutOutcome(const InPlaceOutcome& outcome) {
    if (outcome.refused()) return RefuseInput(outcome.refusal);
    PutResult(outcome.value);
}

}  // namespace varnock
