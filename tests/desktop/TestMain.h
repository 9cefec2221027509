// SPDX-License-Identifier: GPL-3.0-or-later
// The tests run under the application object itself, so that they see the
// same start-up (locale, names, icon) as the program. Run by hand where no
// display is reachable, they fall back to the offscreen platform.
#pragma once

#include <QTest>

#include "CalcApp.h"
#include "HeadlessPlatform.h"

#define VARNOCK_DESKTOP_TEST_MAIN(TestClass)                   \
    int main(int argc, char* argv[]) {                         \
        varnock::testing::fallBackToOffscreenWithoutDisplay(); \
        CCalcApp app(argc, argv);                              \
        TestClass test;                                        \
        QTEST_SET_MAIN_SOURCE_PATH                             \
        return QTest::qExec(&test, argc, argv);                \
    }
