// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the calculator's main window, for the documentation:
//   varnock-screenshot [--dark] OUTPUT.png
// Opens the real window with the program's own start-up, works one bench
// example through its keys the way a user would, waits for the window to be
// painted and grabs it from the screen. Run it under an X server (Xvfb);
// QT_SCALE_FACTOR gives the picture of a high-density screen, and --dark
// the window in a dark desktop theme.
#include <QAbstractButton>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "CalcApp.h"
#include "CalcWindow.h"
#include "DarkPalette.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace {

// Keys typed on the keyboard, then the control clicked.
struct Step {
    const char* keys;
    int click;
};

// A 2 m repeater 25 km away: path loss, line of sight from a 30 m mast, the
// antenna length, and the VSWR of the feed line.
constexpr Step kExample[] = {
    {"146.52", varnock::kPathLossFrequencyEnter},
    {"25", varnock::kPathLossDistanceEnter},
    {"", varnock::kPathLossCalculate},        // path loss
    {"30", varnock::kSightHeightEnter},       // line of sight
    {"146.52", varnock::kCutFrequencyEnter},  // antenna length
    {"100", varnock::kVswrForwardEnter},
    {"4", varnock::kVswrReflectedEnter},
    {"", varnock::kVswrCalculate},       // VSWR
    {"250", varnock::kMilliwattsToDbm},  // 250 mW in dBm
};

constexpr const char* kNote = "Repeater input 146.52 MHz\nfeed line checked";

void type(QWidget& window, const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
        const QString text(QChar::fromLatin1(*key));
        // Printable keys carry their character's code.
        QKeyEvent press(QEvent::KeyPress, *key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, *key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(&window, &press);
        QCoreApplication::sendEvent(&window, &release);
    }
}

void workTheExample(CalcWindow& window) {
    for (const Step& step : kExample) {
        type(window, step.keys);
        qobject_cast<QAbstractButton*>(window.controlWidget(step.click))->click();
    }
    window.setBoxText(varnock::kScratchPad, kNote);
}

// Calls back once the window has been painted for the first time.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> painted) : m_painted(std::move(painted)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_painted) {
            // The frame reaches the screen after the paint event returns.
            QTimer::singleShot(300, std::exchange(m_painted, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_painted;
};

QPixmap grab(CalcWindow& window) {
    const QPixmap fromScreen = window.screen()->grabWindow(window.winId());
    return fromScreen.isNull() ? window.grab() : fromScreen;
}

}  // namespace

int main(int argc, char* argv[]) {
    CCalcApp app(argc, argv);
    QStringList arguments = CCalcApp::arguments();
    const bool dark = arguments.removeOne(QStringLiteral("--dark"));
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: varnock-screenshot [--dark] OUTPUT.png\n");
        return 2;
    }
    const QString output = arguments.at(1);
    if (dark) CCalcApp::setPalette(darkPalette());

    CalcWindow window;
    workTheExample(window);
    int status = 1;
    FirstPaint firstPaint(window, [&] {
        if (!window.screen()->geometry().contains(window.geometry())) {
            std::fprintf(stderr, "the screen does not show the whole window\n");
        } else if (!grab(window).save(output, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        } else {
            status = 0;
        }
        CCalcApp::quit();
    });
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "the window was never painted\n");
        CCalcApp::quit();
    });
    window.show();
    CCalcApp::exec();
    return status;
}
