// SPDX-License-Identifier: GPL-3.0-or-later
// "Stay on Top" in the window menu: off at every start, and switched on and
// off while the window runs modally, as the program runs it, without ending
// that run, moving the window or losing what it shows.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <vector>

#include "StayOnTop.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "form/ControlIds.h"
#include "ui/SystemMenu.h"

namespace {

QAction* stayOnTopEntry(const CalcWindow& window) {
    const QString text = QString::fromUtf8(varnock::kStayOnTopMenuEntry.data(),
                                           qsizetype(varnock::kStayOnTopMenuEntry.size()));
    for (QAction* action : window.systemMenu()->actions()) {
        if (action->text() == text) return action;
    }
    qFatal("no Stay on Top entry in the window menu");
}

// What the user and the window system see of the option.
QString stateOf(const CalcWindow& window) {
    const bool asked = window.windowHandle() != nullptr &&
                       window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
    return QStringList({staysOnTop(window) ? "on" : "off", asked ? "asked" : "not asked",
                        stayOnTopEntry(window)->isChecked() ? "checked" : "clear",
                        window.isVisible() ? "shown" : "hidden"})
        .join(u' ');
}

// Runs the steps one after another inside the window's modal run; the last
// one should end it.
void runModally(CalcWindow& window, std::vector<std::function<void()>> steps) {
    // Timers still pending when the run ends die with their context.
    QObject context;
    std::function<void(std::size_t)> next = [&](std::size_t index) {
        if (index == steps.size()) return;
        steps[index]();
        QTimer::singleShot(0, &context, [&next, index] { next(index + 1); });
    };
    QTimer::singleShot(0, &context, [&next] { next(0); });
    window.exec();
}

}  // namespace

class StayOnTopTest : public QObject {
    Q_OBJECT

private slots:
    void offAtEveryStart();
    void theMenuSwitchesItDuringTheModalRun();
    void theMnemonicChoosesIt();
};

void StayOnTopTest::offAtEveryStart() {
    {
        WindowDriver first;
        QVERIFY(stayOnTopEntry(first.window)->isCheckable());
        QCOMPARE(stateOf(first.window), QStringLiteral("off not asked clear shown"));
        stayOnTopEntry(first.window)->trigger();
        QCOMPARE(stateOf(first.window), QStringLiteral("on asked checked shown"));
    }
    // Nothing is kept between windows, as nothing is kept between runs.
    WindowDriver second;
    QCOMPARE(stateOf(second.window), QStringLiteral("off not asked clear shown"));
}

void StayOnTopTest::theMenuSwitchesItDuringTheModalRun() {
    CalcWindow window;
    QAction* entry = stayOnTopEntry(window);
    QStringList seen;
    QPoint placeBefore;
    runModally(window, {
                           [&] {
                               QVERIFY(QTest::qWaitForWindowExposed(&window));
                               QTest::keyClicks(&window, QStringLiteral("42"));
                               placeBefore = window.pos();
                               entry->trigger();
                               seen << stateOf(window);
                           },
                           [&] {
                               seen << stateOf(window);
                               entry->trigger();
                               seen << stateOf(window);
                           },
                           [&] {
                               seen << stateOf(window) + " at the same place " +
                                           (window.pos() == placeBefore ? "yes" : "no");
                               QTest::keyClick(&window, Qt::Key_Escape);
                           },
                       });
    // Had switching ended the run, the later steps would not have been seen.
    QCOMPARE(seen, QStringList({"on asked checked shown", "on asked checked shown",
                                "off not asked clear shown",
                                "off not asked clear shown at the same place yes"}));
    QCOMPARE(window.result(), int(QDialog::Rejected));
    // The window still shows what was typed before the switching.
    QCOMPARE(qobject_cast<QLineEdit*>(window.controlWidget(varnock::kDisplay))->text(),
             QStringLiteral("42"));
}

void StayOnTopTest::theMnemonicChoosesIt() {
    WindowDriver driver;
    driver.press(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = driver.window.systemMenu();
    QVERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_T);
    QVERIFY(!menu->isVisible());
    QCOMPARE(stateOf(driver.window), QStringLiteral("on asked checked shown"));
}

VARNOCK_DESKTOP_TEST_MAIN(StayOnTopTest)
#include "StayOnTopTest.moc"
