// SPDX-License-Identifier: GPL-3.0-or-later
// The application: one per process. It runs the main window modally; when
// the window closes, the program ends.
#pragma once

#include <QApplication>

class CCalcApp : public QApplication {
    Q_OBJECT

public:
    CCalcApp(int& argc, char** argv);

    // Runs the main window until it closes. Returns false: nothing follows.
    bool InitInstance();
};
