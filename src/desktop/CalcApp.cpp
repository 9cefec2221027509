// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcApp.h"

#include <clocale>

#include "CalcWindow.h"
#include "ContrastStyle.h"
#include "ControlFactory.h"
#include "Glyphs.h"
#include "ui/Strings.h"

CCalcApp::CCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
    // QApplication adopts the environment's locale; numbers are written with
    // "%.15g" and read with strtod, which must always use a point.
    std::setlocale(LC_NUMERIC, "C");
    setApplicationName(toQString(varnock::kAppName));
    setApplicationVersion(toQString(varnock::kVersion));
    // Ties the window to its desktop entry: Wayland compositors take the
    // window's icon and name from it.
    setDesktopFileName(QStringLiteral("org.tolvane.Varnock"));
    setWindowIcon(glyphIcon(Glyph::Calculator));
    // The desktop's style, with box borders and focus frames that stay
    // visible in light and dark themes alike.
    setStyle(new ContrastStyle(style()));
}

bool CCalcApp::InitInstance() {
    CalcWindow window;
    window.exec();
    return false;
}
