// SPDX-License-Identifier: GPL-3.0-or-later
// varnock-replay: the console's commands played on the real desktop window.
// Reads the commands of the console protocol from standard input or from the
// files named, performs each as real input to the window's widgets and prints
// what the console would print. The window runs on Qt's offscreen platform
// unless --display comes first, which shows it on the desktop (or offscreen
// all the same where no display is reachable).
#include <QtGlobal>
#include <iostream>
#include <string_view>
#include <vector>

#include "CalcApp.h"
#include "HeadlessPlatform.h"
#include "WindowPlayer.h"
#include "console/ConsoleProgram.h"

namespace {

// Qt's own warnings (a key that no widget took, say) are not part of the
// output; faults of the replay itself are.
void keepOnlyFaults(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << message.toStdString() << std::endl;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string_view> files(argv + 1, argv + argc);
    const bool onDisplay = !files.empty() && files.front() == "--display";
    if (onDisplay) {
        files.erase(files.begin());
        varnock::testing::fallBackToOffscreenWithoutDisplay();
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("VARNOCK_REPLAY_QT_MESSAGES")) {
        qInstallMessageHandler(keepOnlyFaults);
    }

    // The file names are not Qt's options.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    CCalcApp app(qtArgc, qtArgv);
    app.setQuitOnLastWindowClosed(false);

    std::ios::sync_with_stdio(false);
    WindowPlayer player(std::cout);
    return varnock::console::runCommands(files, player, std::cout, std::cerr);
}
