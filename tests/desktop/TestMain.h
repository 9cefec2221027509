// The tests run under the application object itself, so that they see the
// same start-up (locale, names, icon) as the program.
#pragma once

#include <QTest>

#include "CalcApp.h"

#define VARNOCK_DESKTOP_TEST_MAIN(TestClass)    \
    int main(int argc, char* argv[]) {          \
        CCalcApp app(argc, argv);               \
        TestClass test;                         \
        QTEST_SET_MAIN_SOURCE_PATH              \
        return QTest::qExec(&test, argc, argv); \
    }
