// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: clicks, the focus, the keyboard, radio
// groups, closing, message boxes, the About box and the scratch pad.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "ModalWatcher.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "app/Routing.h"
#include "form/ControlIds.h"
#include "form/FormRecord.h"
#include "ui/Layout.h"
#include "ui/Strings.h"
#include "ui/SystemMenu.h"

namespace {

constexpr int kDefaultRadios[] = {varnock::kMathDegrees,    varnock::kSightMetric,
                                  varnock::kCutQuarterWave, varnock::kPathLossKilometers,
                                  varnock::kTiltMetric,     varnock::kPowerForRatio,
                                  varnock::kCutMetric};
constexpr int kOperatorKeys[] = {varnock::kMathAdd, varnock::kMathSubtract, varnock::kMathDivide,
                                 varnock::kMathMultiply, varnock::kMathEquals};

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

QStringList allBoxTexts(const WindowDriver& driver) {
    QStringList texts;
    for (const varnock::FieldBinding& field : varnock::formFields()) {
        texts << driver.text(field.box);
    }
    return texts;
}

QAction* menuAction(const CalcWindow& window, std::string_view text) {
    for (QAction* action : window.systemMenu()->actions()) {
        if (action->text() == qs(text)) return action;
    }
    return nullptr;
}

}  // namespace

class CalcWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryBoxAtZeroAndTheDefaultRadios();
    void operatorKeysShowIconsInsteadOfCaptions();
    void everyReadOnlyBoxBouncesAMouseClick();
    void tabOntoATabStopBoxBounces();
    void onlyTabStopsAreInTheTabChain();
    void returnPressesEqualsOrTheFocusedPushButton();
    void returnInThePadStartsANewLine();
    void ctrlTabTypesATabIntoThePad();
    void keyboardRunsTheKeypadTwins_data();
    void keyboardRunsTheKeypadTwins();
    void altRunsTwinsEvenFromThePad();
    void hiddenTwinActsLikeItsVisibleKey();
    void everyRadioGroupChecksExclusively();
    void clearingAMarkLeavesThePartners();
    void marksMoveOnlyThroughTheCalculator_data();
    void marksMoveOnlyThroughTheCalculator();
    void thePadsEditsReachTheCalculator();
    void closes_data();
    void closes();
    void clearAllPutsBackTheStart();
    void messageBoxesAreModalWithTheProgramsName();
    void aboutEntryOpensAFreshBoxEachTime();
    void contextMenuStandsInForTheSystemMenu();
    void padExitAndClearTakeTheFocusAndBeep();
};

void CalcWindowTest::opensWithEveryBoxAtZeroAndTheDefaultRadios() {
    WindowDriver driver;
    for (const varnock::Route& route : varnock::focusRoutes()) {
        QCOMPARE(driver.text(route.id), QStringLiteral("0"));
    }
    QCOMPARE(driver.text(varnock::kPointAllowedBox), QStringLiteral("1"));
    QCOMPARE(driver.text(varnock::kFreshEntryBox), QStringLiteral("0"));
    QCOMPARE(driver.text(varnock::kOperandBox), QStringLiteral("0"));
    QCOMPARE(driver.text(varnock::kPendingOpBox), QStringLiteral("0"));
    QCOMPARE(driver.text(varnock::kScratchPad), QString());

    for (const varnock::RadioGroup& group : varnock::radioGroups()) {
        for (int id : group.members) {
            const bool isDefault = std::find(std::begin(kDefaultRadios), std::end(kDefaultRadios),
                                             id) != std::end(kDefaultRadios);
            QVERIFY2(driver.isChecked(id) == isDefault, qPrintable(QString::number(id)));
        }
    }
    QVERIFY(!driver.isChecked(varnock::kCutFringing));
    QCOMPARE(driver.focus(), driver.control(varnock::kMathEquals));
    QCOMPARE(driver.beeps.count(), 0);
}

void CalcWindowTest::operatorKeysShowIconsInsteadOfCaptions() {
    WindowDriver driver;
    for (int id : kOperatorKeys) {
        auto* button = qobject_cast<QAbstractButton*>(driver.control(id));
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->text().isEmpty());
        QVERIFY(button->iconSize().height() <= button->height());
    }
}

void CalcWindowTest::everyReadOnlyBoxBouncesAMouseClick() {
    WindowDriver driver;
    QCOMPARE(varnock::focusRoutes().size(), 25u);
    for (const varnock::Route& route : varnock::focusRoutes()) {
        const QString id = QString::number(route.id);
        driver.click(varnock::kScratchPad);
        QCOMPARE(driver.focus(), driver.control(varnock::kScratchPad));
        const int beeps = driver.beeps.count();

        driver.click(route.id);
        QVERIFY2(driver.focus() == &driver.window, qPrintable(id));
        QVERIFY2(driver.beeps.count() == beeps + 1, qPrintable(id));
        QVERIFY(qobject_cast<QLineEdit*>(driver.control(route.id))->isReadOnly());
    }
    // Typing afterwards goes to the window, never into the box.
    driver.click(varnock::kPathLossFrequencyBox);
    driver.type("5");
    QCOMPARE(driver.text(varnock::kPathLossFrequencyBox), QStringLiteral("0"));
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("5"));
}

void CalcWindowTest::tabOntoATabStopBoxBounces() {
    WindowDriver driver;
    QCOMPARE(driver.focus(), driver.control(varnock::kMathEquals));
    driver.press(Qt::Key_Tab);
    QCOMPARE(driver.focus(), &driver.window);
    QCOMPARE(driver.beeps.count(), 1);
}

void CalcWindowTest::onlyTabStopsAreInTheTabChain() {
    WindowDriver driver;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id == varnock::kUnaddressed) continue;
        const bool inChain = (driver.control(row.id)->focusPolicy() & Qt::TabFocus) != 0;
        QVERIFY2(inChain == row.is(varnock::kTabStop), qPrintable(QString::number(row.id)));
    }
    QCOMPARE(driver.control(varnock::kScratchPad)->focusPolicy(), Qt::ClickFocus);
}

void CalcWindowTest::returnPressesEqualsOrTheFocusedPushButton() {
    WindowDriver driver;
    driver.type("12+3");
    driver.window.setFocus();
    driver.press(Qt::Key_Return);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("15"));

    // "CL&R" holds the focus: Return presses it, not "=".
    driver.type("4+5");
    driver.control(varnock::kClearEntry)->setFocus();
    driver.press(Qt::Key_Return);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("0"));
    QCOMPARE(driver.focus(), driver.control(varnock::kClearEntry));

    // A radio button or the check box holds it: Return is "=" again (4 + 0).
    driver.control(varnock::kMathRadians)->setFocus();
    driver.press(Qt::Key_Return);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("4"));
    QVERIFY(!driver.isChecked(varnock::kMathRadians));

    driver.type("+1");
    driver.control(varnock::kCutFringing)->setFocus();
    driver.press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("5"));
    QVERIFY(!driver.isChecked(varnock::kCutFringing));
}

void CalcWindowTest::returnInThePadStartsANewLine() {
    WindowDriver driver;
    driver.type("7+");
    driver.click(varnock::kScratchPad);
    driver.type("ab12");
    driver.press(Qt::Key_Return);
    driver.type("cd");
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("ab12\ncd"));
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("7"));
    QCOMPARE(driver.text(varnock::kPendingOpBox), QStringLiteral("0"));  // "=" did not run
    QCOMPARE(driver.focus(), driver.control(varnock::kScratchPad));
}

void CalcWindowTest::ctrlTabTypesATabIntoThePad() {
    WindowDriver driver;
    driver.click(varnock::kScratchPad);
    driver.type("a");
    driver.press(Qt::Key_Tab, Qt::ControlModifier);
    driver.type("b");
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("a\tb"));
    QCOMPARE(driver.focus(), driver.control(varnock::kScratchPad));

    // A plain Tab still moves on to the next control.
    driver.press(Qt::Key_Tab);
    QVERIFY(driver.focus() != driver.control(varnock::kScratchPad));
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("a\tb"));
}

void CalcWindowTest::keyboardRunsTheKeypadTwins_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<bool>("returnAtEnd");
    QTest::addColumn<QString>("display");

    QTest::newRow("main keyboard") << "12+3=" << false << false << "15";
    QTest::newRow("main keyboard, Return") << "12+3" << false << true << "15";
    QTest::newRow("keypad") << "12+3=" << true << false << "15";
    QTest::newRow("keypad, Enter") << "12+3" << true << true << "15";
    QTest::newRow("subtract") << "9-4=" << false << false << "5";
    QTest::newRow("multiply") << "7*6=" << true << false << "42";
    QTest::newRow("divide") << "9/4=" << true << false << "2.25";
    QTest::newRow("point and zero") << "1.05" << false << false << "1.05";
}

void CalcWindowTest::keyboardRunsTheKeypadTwins() {
    QFETCH(QString, keys);
    QFETCH(bool, keypad);
    QFETCH(bool, returnAtEnd);
    QFETCH(QString, display);

    WindowDriver driver;
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    driver.type(keys, modifiers);
    if (returnAtEnd) driver.press(keypad ? Qt::Key_Enter : Qt::Key_Return, modifiers);
    QCOMPARE(driver.text(varnock::kDisplay), display);
    QCOMPARE(driver.beeps.count(), 0);
}

void CalcWindowTest::altRunsTwinsEvenFromThePad() {
    WindowDriver driver;
    driver.type("7.5", Qt::AltModifier);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("7.5"));

    driver.click(varnock::kScratchPad);
    driver.type("9");
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("9"));
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("7.5"));

    driver.click(varnock::kScratchPad);
    driver.type("+", Qt::AltModifier);
    driver.click(varnock::kScratchPad);
    driver.type("2", Qt::AltModifier);
    driver.click(varnock::kScratchPad);
    driver.type("=", Qt::AltModifier);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("9.5"));
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("9"));
}

void CalcWindowTest::hiddenTwinActsLikeItsVisibleKey() {
    WindowDriver driver;
    auto* twin = qobject_cast<QAbstractButton*>(driver.control(varnock::kTwinDigit7));
    QVERIFY(!twin->isVisible());
    QCOMPARE(twin->text(), QStringLiteral("&7"));
    twin->click();
    driver.click(varnock::kDigit8);  // the visible "8"
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("78"));
}

void CalcWindowTest::everyRadioGroupChecksExclusively() {
    WindowDriver driver;
    ModalWatcher watcher;
    for (const varnock::RadioGroup& group : varnock::radioGroups()) {
        for (int clicked : group.members) {
            driver.click(clicked);
            for (int member : group.members) {
                QVERIFY2(driver.isChecked(member) == (member == clicked),
                         qPrintable(QStringLiteral("%1 after %2").arg(member).arg(clicked)));
            }
        }
    }
    driver.click(varnock::kCutFringing);
    QVERIFY(driver.isChecked(varnock::kCutFringing));
    driver.click(varnock::kCutFringing);
    QVERIFY(!driver.isChecked(varnock::kCutFringing));
    QVERIFY(watcher.boxes().isEmpty());
}

void CalcWindowTest::clearingAMarkLeavesThePartners() {
    WindowDriver driver;
    CalcWindow& window = driver.window;
    window.setCheckState(varnock::kMathRadians, 1);
    QCOMPARE(window.checkState(varnock::kMathDegrees), 1);
    QCOMPARE(window.checkState(varnock::kMathRadians), 1);
    window.setCheckState(varnock::kMathDegrees, 0);
    QCOMPARE(window.checkState(varnock::kMathDegrees), 0);
    QCOMPARE(window.checkState(varnock::kMathRadians), 1);
    window.setCheckState(varnock::kMathRadians, 0);
    QCOMPARE(window.checkState(varnock::kMathRadians), 0);

    // The group still excludes when the user clicks.
    driver.click(varnock::kMathDegrees);
    driver.click(varnock::kMathRadians);
    QCOMPARE(window.checkState(varnock::kMathDegrees), 0);
    QCOMPARE(window.checkState(varnock::kMathRadians), 1);
}

// However a mark is moved, the calculator moves it and the window draws what
// the calculator holds: the two never differ.
void CalcWindowTest::marksMoveOnlyThroughTheCalculator_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("key");  // pressed after the click, or 0
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QList<int>>("clear");
    const int fringing = varnock::kCutFringing;
    QTest::newRow("click the other radio")
        << varnock::kMathRadians << 0 << QList<int>{varnock::kMathRadians}
        << QList<int>{varnock::kMathDegrees};
    QTest::newRow("click the checked radio")
        << varnock::kMathDegrees << 0 << QList<int>{varnock::kMathDegrees}
        << QList<int>{varnock::kMathRadians};
    QTest::newRow("Space on the checked radio")
        << varnock::kMathRadians << int(Qt::Key_Space) << QList<int>{varnock::kMathRadians}
        << QList<int>{varnock::kMathDegrees};
    QTest::newRow("arrow to the next radio")
        << varnock::kMathDegrees << int(Qt::Key_Right) << QList<int>{varnock::kMathRadians}
        << QList<int>{varnock::kMathDegrees};
    QTest::newRow("click the check box") << fringing << 0 << QList<int>{fringing} << QList<int>{};
    QTest::newRow("Space on the check box")
        << fringing << int(Qt::Key_Space) << QList<int>{} << QList<int>{fringing};
}

void CalcWindowTest::marksMoveOnlyThroughTheCalculator() {
    QFETCH(int, clicked);
    QFETCH(int, key);
    QFETCH(QList<int>, checked);
    QFETCH(QList<int>, clear);
    WindowDriver driver;
    const varnock::CalcState& state = driver.window.calculatorState();
    driver.click(clicked);
    if (key != 0) driver.press(Qt::Key(key));
    for (int id : checked) {
        QVERIFY2(driver.isChecked(id), qPrintable(QString::number(id)));
        QCOMPARE(state.check(id), 1);
    }
    for (int id : clear) {
        QVERIFY2(!driver.isChecked(id), qPrintable(QString::number(id)));
        QCOMPARE(state.check(id), 0);
    }
}

void CalcWindowTest::thePadsEditsReachTheCalculator() {
    WindowDriver driver;
    const varnock::CalcState& state = driver.window.calculatorState();
    driver.click(varnock::kScratchPad);
    driver.type("ab");
    driver.press(Qt::Key_Return);
    driver.type("c");
    driver.press(Qt::Key_Backspace);
    QCOMPARE(state.text(varnock::kScratchPad), std::string("ab\n"));
    driver.click(varnock::kPadClear);  // the pad's "Clear"
    QCOMPARE(state.text(varnock::kScratchPad), std::string());
    QCOMPARE(driver.text(varnock::kScratchPad), QString());
}

void CalcWindowTest::closes_data() {
    QTest::addColumn<QString>("route");
    for (const char* route :
         {"Escape", "Escape in the pad", "CLOSE", "window manager", "menu Close"}) {
        QTest::newRow(route) << route;
    }
}

void CalcWindowTest::closes() {
    QFETCH(QString, route);
    WindowDriver driver;
    QSignalSpy finished(&driver.window, &QDialog::finished);
    ModalWatcher watcher;
    if (route == "Escape") {
        driver.press(Qt::Key_Escape);
    } else if (route == "Escape in the pad") {
        driver.click(varnock::kScratchPad);
        driver.press(Qt::Key_Escape);
    } else if (route == "CLOSE") {
        driver.click(varnock::kCloseButton);
    } else if (route == "window manager") {
        driver.window.close();
    } else {
        menuAction(driver.window, "&Close")->trigger();
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    QVERIFY(!driver.window.isVisible());
    QVERIFY(watcher.boxes().isEmpty());  // nothing is asked
}

void CalcWindowTest::clearAllPutsBackTheStart() {
    WindowDriver driver;
    ModalWatcher watcher;
    for (int id : {varnock::kPathLossMiles, varnock::kSightStandard, varnock::kPowerForOutput,
                   varnock::kTiltStandard, varnock::kCutStandard, varnock::kCutFullWave,
                   varnock::kMathRadians, varnock::kCutFringing}) {
        driver.click(id);
    }
    QCOMPARE(driver.text(varnock::kSightHeightUnitLabel), QStringLiteral("In Feet"));
    driver.type("25+");
    driver.click(varnock::kScratchPad);
    driver.type("note");

    driver.click(varnock::kClearAll);
    QCOMPARE(allBoxTexts(driver).count(QStringLiteral("0")), 28);
    QCOMPARE(driver.text(varnock::kPointAllowedBox), QStringLiteral("1"));
    for (const varnock::RadioGroup& group : varnock::radioGroups()) {
        for (int id : group.members) QCOMPARE(driver.isChecked(id), id == group.defaultMember());
    }
    QVERIFY(!driver.isChecked(varnock::kCutFringing));
    for (int id : varnock::changingLabels()) {
        QCOMPARE(driver.control(id)->property("text").toString(),
                 qs(varnock::findControl(id)->caption));
    }
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("note"));
    QVERIFY(watcher.boxes().isEmpty());
}

void CalcWindowTest::messageBoxesAreModalWithTheProgramsName() {
    WindowDriver driver;
    ModalWatcher watcher([&](QWidget* box) { QCOMPARE(box->parentWidget(), &driver.window); });

    driver.click(varnock::kPathLossFrequencyHelp);  // a help key
    QCOMPARE(watcher.boxes().size(), 1);
    const SeenBox help = watcher.boxes().at(0);
    QCOMPARE(help.className, QStringLiteral("QMessageBox"));
    QCOMPARE(help.title, qs(varnock::kAppName));
    QCOMPARE(help.icon, QMessageBox::Question);
    QCOMPARE(help.buttons.size(), 1);
    QCOMPARE(QString(help.buttons.first()).remove('&'), QStringLiteral("OK"));
    QVERIFY(!help.text.isEmpty());

    driver.click(varnock::kMilliwattsToDbm);  // "mW to dBm" with 0 in the display
    QCOMPARE(watcher.boxes().size(), 2);
    const SeenBox refusal = watcher.boxes().at(1);
    QCOMPARE(refusal.title, qs(varnock::kAppName));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QCOMPARE(refusal.text, qs(varnock::kMustBeGreaterThanZero));
    QCOMPARE(refusal.buttons.size(), 1);
    QVERIFY(driver.window.isVisible());
}

void CalcWindowTest::aboutEntryOpensAFreshBoxEachTime() {
    WindowDriver driver;
    driver.type("12+5");
    const QStringList before = allBoxTexts(driver);
    QStringList displayWhileOpen;
    ModalWatcher watcher([&](QWidget*) { displayWhileOpen << driver.text(varnock::kDisplay); });

    QAction* about = menuAction(driver.window, varnock::kAboutMenuEntry);
    QVERIFY(about != nullptr);
    about->trigger();
    QCOMPARE(watcher.boxes().size(), 1);
    QVERIFY(watcher.boxes().at(0).widget.isNull());  // gone once closed
    about->trigger();
    QCOMPARE(watcher.boxes().size(), 2);
    QVERIFY(watcher.boxes().at(1).widget.isNull());

    for (const SeenBox& box : watcher.boxes()) {
        QCOMPARE(box.className, QStringLiteral("CAboutDlg"));
        QCOMPARE(box.title, qs(varnock::kAboutTitle));
        QCOMPARE(box.defaultButton, QStringLiteral("OK"));
    }
    QCOMPARE(displayWhileOpen, QStringList({"5", "5"}));
    QCOMPARE(allBoxTexts(driver), before);
    driver.type("=");
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("17"));
}

void CalcWindowTest::contextMenuStandsInForTheSystemMenu() {
    WindowDriver driver;
    QMenu* menu = driver.window.systemMenu();
    QStringList entries;
    for (QAction* action : menu->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(entries, QStringList({"Mi&nimize", "&Close", qs(varnock::kStayOnTopMenuEntry), "-",
                                   qs(varnock::kAboutMenuEntry)}));

    // The strip right of the panels belongs to no control.
    const QPoint background(driver.window.width() - 2, driver.window.height() / 2);
    QCOMPARE(driver.window.childAt(background), nullptr);
    driver.rightClickAt(background);
    QVERIFY(menu->isVisible());
    menu->hide();

    // A frame's caption passes the click through; a push button keeps it.
    driver.rightClickAt(driver.control(varnock::kMathEquals)->geometry().center());
    QVERIFY(!menu->isVisible());
    driver.rightClickAt(driver.control(varnock::kPathLossGroup)->geometry().topLeft() +
                        QPoint(4, 4));
    QVERIFY(menu->isVisible());
    menu->hide();

    driver.window.setFocus();
    driver.press(Qt::Key_Menu);
    QVERIFY(menu->isVisible());
    menu->hide();
    driver.control(varnock::kMathEquals)->setFocus();
    driver.press(Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu->isVisible());
    menu->hide();

    menuAction(driver.window, "Mi&nimize")->trigger();
    QVERIFY(driver.window.isMinimized());
    QVERIFY(driver.window.isVisible());
}

void CalcWindowTest::padExitAndClearTakeTheFocusAndBeep() {
    WindowDriver driver;
    driver.click(varnock::kScratchPad);
    driver.type("note");
    driver.click(varnock::kPadExit);  // "Exit"
    QCOMPARE(driver.focus(), &driver.window);
    QCOMPARE(driver.beeps.count(), 1);
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("note"));

    // Keys now go to the window, not to the pad.
    driver.type("5");
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("5"));
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("note"));

    driver.click(varnock::kPadClear);  // "Clear"
    QCOMPARE(driver.text(varnock::kScratchPad), QString());
    QCOMPARE(driver.focus(), &driver.window);
    QCOMPARE(driver.beeps.count(), 2);
    driver.click(varnock::kPadClear);
    QCOMPARE(driver.focus(), &driver.window);
    QCOMPARE(driver.beeps.count(), 3);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("5"));
}

VARNOCK_DESKTOP_TEST_MAIN(CalcWindowTest)
#include "CalcWindowTest.moc"
