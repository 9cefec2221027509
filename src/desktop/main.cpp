// SPDX-License-Identifier: GPL-3.0-or-later
// Varnock, the Tolvane Calculator. The command line is ignored.
#include "CalcApp.h"

int main(int argc, char* argv[]) {
    CCalcApp app(argc, argv);
    app.InitInstance();
    return 0;
}
