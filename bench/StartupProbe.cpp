// SPDX-License-Identifier: GPL-3.0-or-later
// Opens one window and prints when each step of its start-up was reached,
// one "STEP NS" line each, NS being CLOCK_MONOTONIC in nanoseconds; once the
// window's first frame has been painted it prints "painted NS" and quits.
// The steps:
//   main      main() has been entered: the libraries are loaded
//   app       the application object has been constructed
//   polish    the window is built and is being polished for showing
//   paint     the window's first paint has begun
//   painted   the frame is painted and has gone to the screen
// and then "cpu NS", the processor time the process had used by then.
//
//   startup_probe calculator   the calculator's own start-up and main window
//   startup_probe label        a Qt Widgets program with one label: the floor
//   startup_probe dialog200    a dialog with 200 plain widgets
//   startup_probe captions     one widget drawing the calculator's captions
//                              where its window shows them, and nothing else
#include <sys/resource.h>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <cstdio>
#include <ctime>
#include <string_view>

#include "CalcApp.h"
#include "ControlFactory.h"
#include "DialogUnits.h"
#include "ui/Layout.h"

namespace {

void printStep(const char* step) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf(
        "%s %lld\n", step,
        static_cast<long long>(now.tv_sec) * 1'000'000'000LL + static_cast<long long>(now.tv_nsec));
}

// Watches every event of the application for the steps of the first window.
class StepReporter : public QObject {
public:
    StepReporter() { printStep("app"); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) return false;
        if (event->type() == QEvent::Polish && !m_polished) {
            m_polished = true;
            printStep("polish");
        } else if (event->type() == QEvent::Paint && !m_painting) {
            m_painting = true;
            printStep("paint");
            // A queued call runs once the window's children are painted too
            // and the frame has gone to the screen.
            QMetaObject::invokeMethod(this, &StepReporter::finish, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void finish() {
        printStep("painted");
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto ns = [](const timeval& time) {
            return static_cast<long long>(time.tv_sec) * 1'000'000'000LL + time.tv_usec * 1000LL;
        };
        std::printf("cpu %lld\n", ns(usage.ru_utime) + ns(usage.ru_stime));
        std::fflush(stdout);
        // exit() rather than quit(): it also ends a dialog's own event loop.
        QCoreApplication::exit(0);
    }

    bool m_polished = false;
    bool m_painting = false;
};

int runLabel(int& argc, char** argv) {
    QApplication app(argc, argv);
    StepReporter reporter;
    app.installEventFilter(&reporter);
    QLabel label(QStringLiteral("Tolvane Calculator"));
    label.show();
    return app.exec();
}

// Ten columns of twenty rows: buttons, labels and line edits in turn.
int runDialog200(int& argc, char** argv) {
    QApplication app(argc, argv);
    StepReporter reporter;
    app.installEventFilter(&reporter);
    QDialog dialog;
    for (int i = 0; i < 200; ++i) {
        const QRect cell(8 + (i % 10) * 84, 8 + (i / 10) * 28, 80, 24);
        const QString caption = QStringLiteral("Item %1").arg(i);
        QWidget* widget = nullptr;
        switch (i % 3) {
            case 0:
                widget = new QPushButton(caption, &dialog);
                break;
            case 1:
                widget = new QLabel(caption, &dialog);
                break;
            default:
                widget = new QLineEdit(caption, &dialog);
                break;
        }
        widget->setGeometry(cell);
    }
    dialog.setFixedSize(8 + 10 * 84, 8 + 20 * 28);
    return dialog.exec();
}

// One widget that draws every caption of the calculator's window where the
// window shows it, and nothing else: the cost of the text alone.
class CaptionsOnly : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const DialogUnits units(font());
        for (const varnock::ControlSpec& row : varnock::controls()) {
            if (!row.isVisible() || row.caption.empty()) continue;
            // Labels wrap; every other caption is one line.
            const int wrap = row.kind == varnock::ControlKind::Label ? Qt::TextWordWrap : 0;
            painter.drawText(units.toPixels(row.rect), Qt::AlignLeft | wrap,
                             labelText(row.caption, row.is(varnock::kNoMnemonic)));
        }
    }
};

int runCaptions(int& argc, char** argv) {
    QApplication app(argc, argv);
    StepReporter reporter;
    app.installEventFilter(&reporter);
    CaptionsOnly window;
    const varnock::DialogFrame& frame = varnock::mainWindowFrame();
    window.setFixedSize(DialogUnits(window.font()).toPixels(frame.width, frame.height));
    window.show();
    return app.exec();
}

// The same path as the calculator's main(): the application object, then
// the main window run modally.
int runCalculator(int& argc, char** argv) {
    CCalcApp app(argc, argv);
    StepReporter reporter;
    app.installEventFilter(&reporter);
    app.InitInstance();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    printStep("main");
    const std::string_view kind = argc > 1 ? argv[1] : "";
    if (kind == "calculator") return runCalculator(argc, argv);
    if (kind == "label") return runLabel(argc, argv);
    if (kind == "dialog200") return runDialog200(argc, argv);
    if (kind == "captions") return runCaptions(argc, argv);
    std::fprintf(stderr, "usage: startup_probe calculator|label|captions|dialog200\n");
    return 2;
}
