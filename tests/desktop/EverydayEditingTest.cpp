// SPDX-License-Identifier: GPL-3.0-or-later
// Copy, paste, Backspace and Delete on the window: the keys wherever the
// focus is, the boxes' context menu, and the scratch pad's own editing.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "BoxMenu.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "form/ControlIds.h"
#include "ui/BoxNames.h"

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

QClipboard& clipboard() { return *QGuiApplication::clipboard(); }

QMenu* boxMenu(const WindowDriver& driver) {
    return driver.window.findChild<QMenu*>(QStringLiteral("boxMenu"));
}

QStringList visibleEntries(const QMenu& menu) {
    QStringList entries;
    for (QAction* action : menu.actions()) {
        if (action->isVisible()) entries << action->text();
    }
    return entries;
}

// Opens the box's menu with a right click and chooses the entry.
void choose(WindowDriver& driver, int box, std::string_view entry) {
    driver.rightClick(box);
    QMenu* menu = boxMenu(driver);
    QVERIFY(menu != nullptr && menu->isVisible());
    for (QAction* action : menu->actions()) {
        if (action->text() == qs(entry)) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    }
    QFAIL("no such entry");
}

// The key as the user presses it where the focus is: on a push button, on
// the window itself, on a radio button.
enum class FocusAt { Button, Window, Radio };

void putFocus(WindowDriver& driver, FocusAt where) {
    switch (where) {
        case FocusAt::Button:
            driver.control(varnock::kMathEquals)->setFocus();
            break;
        case FocusAt::Window:
            driver.window.setFocus();
            break;
        case FocusAt::Radio:
            driver.control(varnock::kMathRadians)->setFocus();
            break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(FocusAt)

class EverydayEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { clipboard().clear(); }

    void copyKeysTakeTheDisplayWherever_data();
    void copyKeysTakeTheDisplayWherever();
    void pasteKeysPutANumberIntoTheDisplay_data();
    void pasteKeysPutANumberIntoTheDisplay();
    void backspaceAndDeleteEditTheDisplay();
    void backspaceLeavesAButtonItsFocus();
    void aFocusMoveFinishesTheNumber();
    void thePadKeepsItsOwnKeys();
    void everyBoxHasAMenuThatTakesNoFocus();
    void copyTakesTheWholeTextOfANarrowBox();
    void copyAllResultsTakesThePanel();
    void pasteFromTheDisplaysMenu();
};

void EverydayEditingTest::copyKeysTakeTheDisplayWherever_data() {
    QTest::addColumn<FocusAt>("where");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    const std::pair<const char*, FocusAt> places[] = {
        {"button", FocusAt::Button}, {"window", FocusAt::Window}, {"radio", FocusAt::Radio}};
    for (const auto& [name, where] : places) {
        QTest::addRow("Ctrl+C on %s", name)
            << where << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::addRow("Ctrl+Insert on %s", name)
            << where << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
}

void EverydayEditingTest::copyKeysTakeTheDisplayWherever() {
    QFETCH(FocusAt, where);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    WindowDriver driver;
    driver.type("1.50");
    putFocus(driver, where);
    QWidget* focused = driver.focus();
    driver.press(Qt::Key(key), modifiers);
    QCOMPARE(clipboard().text(), QStringLiteral("1.50"));
    QCOMPARE(driver.focus(), focused);
    QCOMPARE(driver.beeps.count(), 0);
}

void EverydayEditingTest::pasteKeysPutANumberIntoTheDisplay_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::addRow("Shift+Insert") << int(Qt::Key_Insert)
                                  << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::addRow("keypad Shift+Insert")
        << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::KeypadModifier);
}

void EverydayEditingTest::pasteKeysPutANumberIntoTheDisplay() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    WindowDriver driver;
    driver.type("3+");
    putFocus(driver, FocusAt::Button);
    clipboard().setText(QStringLiteral(" 12.5\n"));
    driver.press(Qt::Key(key), modifiers);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("12.5"));
    QCOMPARE(driver.focus(), driver.control(varnock::kMathEquals));
    driver.window.setFocus();
    driver.type("5=");
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("15.55"));
    QCOMPARE(driver.beeps.count(), 0);
}

void EverydayEditingTest::backspaceAndDeleteEditTheDisplay() {
    WindowDriver driver;
    driver.type("7+12.5");
    driver.press(Qt::Key_Backspace);
    driver.press(Qt::Key_Backspace);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("12"));
    putFocus(driver, FocusAt::Button);
    driver.press(Qt::Key_Delete);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("0"));
    QCOMPARE(driver.focus(), driver.control(varnock::kMathEquals));  // not "CL&R", not the window
    QCOMPARE(driver.beeps.count(), 0);
    driver.press(Qt::Key_Backspace);  // Delete finished the number
    QCOMPARE(driver.beeps.count(), 1);
    driver.type("3=");
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("10"));  // the pending sum stayed
}

// The "0" key leaves the focus where it is, so a button may hold it while
// a number is typed; Backspace there edits the display and leaves it too.
void EverydayEditingTest::backspaceLeavesAButtonItsFocus() {
    WindowDriver driver;
    putFocus(driver, FocusAt::Button);
    driver.type("00");
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("000"));
    driver.press(Qt::Key_Backspace);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("00"));
    QCOMPARE(driver.focus(), driver.control(varnock::kMathEquals));
    QCOMPARE(driver.beeps.count(), 0);
}

void EverydayEditingTest::aFocusMoveFinishesTheNumber() {
    WindowDriver driver;
    driver.type("12");
    driver.press(Qt::Key_Tab);
    QVERIFY(driver.focus() != &driver.window);
    driver.press(Qt::Key_Backspace);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("12"));
    QCOMPARE(driver.beeps.count(), 1);

    driver.window.setFocus();
    driver.type("3");
    driver.click(varnock::kMathRadians);  // a radio without an operation of its own
    driver.press(Qt::Key_Backspace);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("123"));
    QCOMPARE(driver.beeps.count(), 2);
}

void EverydayEditingTest::thePadKeepsItsOwnKeys() {
    WindowDriver driver;
    driver.type("12");
    driver.click(varnock::kScratchPad);
    driver.type("34");
    driver.press(Qt::Key_Backspace);
    driver.press(Qt::Key_Delete);  // the caret is at the end
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("3"));

    clipboard().setText(QStringLiteral("unchanged"));
    driver.press(Qt::Key_C, Qt::ControlModifier);  // nothing selected
    QCOMPARE(clipboard().text(), QStringLiteral("unchanged"));
    clipboard().setText(QStringLiteral(" V"));
    driver.press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("3 V"));
    driver.press(Qt::Key_A, Qt::ControlModifier);
    driver.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard().text(), QStringLiteral("3 V"));

    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("12"));
    QCOMPARE(driver.beeps.count(), 0);
    QCOMPARE(driver.focus(), driver.control(varnock::kScratchPad));
}

void EverydayEditingTest::everyBoxHasAMenuThatTakesNoFocus() {
    WindowDriver driver;
    driver.click(varnock::kScratchPad);
    driver.type("note");
    const QStringList copies = {qs(BoxMenu::kCopy), qs(BoxMenu::kCopyAllResults)};
    int boxes = 0;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (!varnock::isCopyableBox(row)) continue;
        ++boxes;
        const QString id = QString::number(row.id);
        driver.rightClick(row.id);
        QMenu* menu = boxMenu(driver);
        QVERIFY2(menu != nullptr && menu->isVisible(), qPrintable(id));
        const QStringList expected =
            row.id == varnock::kDisplay ? copies + QStringList{qs(BoxMenu::kPaste)} : copies;
        QCOMPARE(visibleEntries(*menu), expected);
        menu->hide();
        QVERIFY2(driver.focus() == driver.control(varnock::kScratchPad), qPrintable(id));
    }
    QCOMPARE(boxes, 25);
    QCOMPARE(driver.beeps.count(), 0);
    // The caret stayed at the end of the pad's text.
    driver.type("s");
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("notes"));

    // A left click still bounces.
    driver.click(varnock::kVswrReturnLossBox);
    QCOMPARE(driver.beeps.count(), 1);
}

void EverydayEditingTest::copyTakesTheWholeTextOfANarrowBox() {
    WindowDriver driver;
    driver.type("3");
    driver.click(varnock::kMathReciprocal);  // 1 / X
    driver.click(varnock::kTiltHaatEnter);   // HAAT "Enter"
    auto* box = qobject_cast<QLineEdit*>(driver.control(varnock::kTiltHaatBox));
    const QString whole = QStringLiteral("0.333333333333333");
    QCOMPARE(box->text(), whole);
    QVERIFY(box->fontMetrics().horizontalAdvance(whole) > box->width());  // shown cut
    choose(driver, varnock::kTiltHaatBox, BoxMenu::kCopy);
    QCOMPARE(clipboard().text(), whole);
    driver.type("2.50");
    choose(driver, varnock::kDisplay, BoxMenu::kCopy);
    QCOMPARE(clipboard().text(), QStringLiteral("2.50"));
    QCOMPARE(driver.beeps.count(), 0);
}

void EverydayEditingTest::copyAllResultsTakesThePanel() {
    WindowDriver driver;
    driver.type("100");
    driver.click(varnock::kVswrForwardEnter);
    driver.type("4");
    driver.click(varnock::kVswrReflectedEnter);
    driver.click(varnock::kVswrCalculate);
    choose(driver, varnock::kVswrZmaxBox, BoxMenu::kCopyAllResults);
    QCOMPARE(clipboard().text(), QStringLiteral("Forward Power: 100\n"
                                                "Reflected Power: 4\n"
                                                "VSWR: 1.5\n"
                                                "Return Loss (dB): 13.9794000867204\n"
                                                "Ref. Coefficient: 0.2\n"
                                                "Zmax (Ohms): 75\n"
                                                "Zmin (Ohms): 33.3333333333333"));
}

void EverydayEditingTest::pasteFromTheDisplaysMenu() {
    WindowDriver driver;
    driver.type("9=");
    clipboard().setText(QStringLiteral("-2.5e1"));
    choose(driver, varnock::kDisplay, BoxMenu::kPaste);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("-2.5e1"));
    clipboard().setText(QStringLiteral("abc"));
    choose(driver, varnock::kDisplay, BoxMenu::kPaste);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("-2.5e1"));
    QCOMPARE(driver.beeps.count(), 1);
}

VARNOCK_DESKTOP_TEST_MAIN(EverydayEditingTest)
#include "EverydayEditingTest.moc"
