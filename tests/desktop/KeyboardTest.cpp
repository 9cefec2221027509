// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard on the real window: every key acts at once and in the order
// typed, however fast the keys come; Tab only ever stops where the layout
// puts tab stops; the window's menu opens from the keyboard at the control
// that holds the focus.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <variant>

#include "TestMain.h"
#include "WindowDriver.h"
#include "console/Command.h"
#include "console/Session.h"
#include "form/ControlIds.h"
#include "form/FormRecord.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/Strings.h"

namespace {

// Qt shows an animated click for 100 ms; anything deferred behind it, and
// the pressed look that replaces it, has run by then.
constexpr int kLongerThanAnyAnimation = 400;

// One key as the desktop receives it, and the console command that does the
// same for the calculator.
struct KeyAct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::string console;
};

const std::map<QString, KeyAct> kActs = {
    {"Alt+R", {Qt::Key_R, Qt::AltModifier, "click 1122"}},
    {"Alt+C", {Qt::Key_C, Qt::AltModifier, "click 1012"}},
    {"Return", {Qt::Key_Return, Qt::NoModifier, "key Return"}},
    {"Enter", {Qt::Key_Enter, Qt::KeypadModifier, "key Return"}},
};

// A name from the table, a keypad character ("7") or one with Alt ("Alt+7").
KeyAct actNamed(const QString& name) {
    if (auto found = kActs.find(name); found != kActs.end()) return found->second;
    const char character = name.back().toLatin1();
    // With Alt the key is the hidden twin's mnemonic, which works in the pad
    // too; the console's click on a twin does the same.
    if (name.startsWith(QLatin1String("Alt+"))) {
        return {QTest::asciiToKey(character), Qt::AltModifier,
                "click " + std::to_string(varnock::twinForKey(character))};
    }
    return {QTest::asciiToKey(character), Qt::NoModifier, std::string("key ") + character};
}

// The radio buttons and the check box: the controls that must never be tab
// stops whatever the user did to them.
QList<int> markControls() {
    QList<int> ids;
    for (const varnock::RadioGroup& group : varnock::radioGroups()) {
        for (int id : group.members) ids << id;
    }
    ids << varnock::kCutFringing;
    return ids;
}

// What a user sees, one "ID=TEXT" or "ID:MARK" a line: every box of the form
// record, the pad, every mark, and the control that holds the focus (unless
// left out: a mnemonic leaves the focus alone, the console's click moves it).
struct Seen {
    std::function<QString(int)> text;
    std::function<bool(int)> mark;
    std::optional<int> focus;
};

QStringList linesOf(const Seen& seen) {
    QStringList lines;
    for (const varnock::FieldBinding& field : varnock::formFields()) {
        lines << QStringLiteral("%1=%2").arg(field.box).arg(seen.text(field.box));
    }
    lines << QStringLiteral("pad=%1").arg(seen.text(varnock::kScratchPad));
    for (int id : markControls()) lines << QStringLiteral("%1:%2").arg(id).arg(seen.mark(id));
    if (seen.focus) lines << QStringLiteral("focus %1").arg(*seen.focus);
    return lines;
}

QStringList linesOf(const WindowDriver& driver, bool withFocus = true) {
    int focus = varnock::kMainWindowFocus;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id != varnock::kUnaddressed && driver.focus() == driver.control(row.id)) {
            focus = row.id;
        }
    }
    return linesOf(Seen{[&](int id) { return driver.text(id); },
                        [&](int id) { return driver.isChecked(id); },
                        withFocus ? std::optional<int>(focus) : std::nullopt});
}

// The console's session, fed commands one line at a time.
class ConsoleRun {
public:
    void run(const std::string& line) {
        const auto parsed = varnock::console::parseLine(line);
        const auto* command = std::get_if<varnock::console::Command>(&parsed);
        if (command == nullptr) qFatal("not a console command: %s", line.c_str());
        (void)m_session.perform(*command);
    }
    QStringList lines(bool withFocus = true) const {
        const varnock::console::ConsoleWindow& window = m_session.window();
        return linesOf(Seen{[&](int id) { return QString::fromStdString(window.text(id)); },
                            [&](int id) { return window.checkState(id) == 1; },
                            withFocus ? std::optional<int>(window.focus()) : std::nullopt});
    }

private:
    std::ostringstream m_events;
    varnock::console::Session m_session{m_events};
};

// Where Tab may put the focus: a tab stop, or the window when a box bounced it.
std::set<QWidget*> tabStopsOf(WindowDriver& driver) {
    std::set<QWidget*> stops{&driver.window};
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.is(varnock::kTabStop)) stops.insert(driver.control(row.id));
    }
    return stops;
}

QMap<int, bool> marksOf(const WindowDriver& driver) {
    QMap<int, bool> marks;
    for (int id : markControls()) marks[id] = driver.isChecked(id);
    return marks;
}

// The modal box the window opens: a help text or the About box.
enum class Opener { HelpKey, AboutEntry };

void open(WindowDriver& driver, Opener opener) {
    if (opener == Opener::HelpKey) {
        driver.click(varnock::kPathLossFrequencyHelp);
        return;
    }
    for (QAction* action : driver.window.systemMenu()->actions()) {
        const std::string_view about = varnock::kAboutMenuEntry;
        if (action->text() == QString::fromUtf8(about.data(), qsizetype(about.size()))) {
            action->trigger();
        }
    }
}

// Most desktop themes caption a message box's button "&OK"; Qt's own
// fallback, which the offscreen platform uses, has no mnemonic.
void captionAsMostThemes(QWidget& box) {
    auto* message = qobject_cast<QMessageBox*>(&box);
    if (message == nullptr) return;
    for (QAbstractButton* button : message->buttons()) {
        if (button->shortcut().isEmpty()) button->setText(QStringLiteral("&") + button->text());
    }
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void burstOfKeysEndsAsInTheConsole_data();
    void burstOfKeysEndsAsInTheConsole();
    void spaceActsWhenPressed_data();
    void spaceActsWhenPressed();
    void boxKeysCloseAtOnce_data();
    void boxKeysCloseAtOnce();
    void menuEntryKeysActAtOnce();
    void tabNeverStopsOnAMark_data();
    void tabNeverStopsOnAMark();
    void spaceAfterTabNeverSwitchesAMode();
    void arrowsStillMoveWithinAGroup();
    void keyboardMenuOpensAtTheFocus_data();
    void keyboardMenuOpensAtTheFocus();
};

void KeyboardTest::burstOfKeysEndsAsInTheConsole_data() {
    QTest::addColumn<bool>("startInPad");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("CL&R mnemonic") << false << QStringList{"7", "Alt+R", "5"};
    QTest::newRow("CLEAR ALL mnemonic") << false << QStringList{"8", "+", "Alt+C", "3"};
    QTest::newRow("Return on =") << false << QStringList{"9", "Return", "4"};
    QTest::newRow("chain with Return and Enter")
        << false << QStringList{"1", "+", "2", "Return", "*", "3", "Enter", "1"};
    QTest::newRow("mnemonics back to back")
        << false << QStringList{"6", "Alt+R", "Alt+R", "2", "Alt+C", "4", "-", "1", "="};
    QTest::newRow("twins and a mnemonic, all with Alt")
        << false << QStringList{"Alt+7", "Alt+R", "Alt+5", "Alt+.", "Alt+2"};
    QTest::newRow("in the pad") << true
                                << QStringList{"1", "2", "Return", "Alt+4", "5", "Alt+R", "6"};
}

void KeyboardTest::burstOfKeysEndsAsInTheConsole() {
    QFETCH(bool, startInPad);
    QFETCH(QStringList, keys);

    WindowDriver driver;
    ConsoleRun console;
    if (startInPad) {
        driver.click(varnock::kScratchPad);
        console.run("focus 1221");
    }
    // Each key goes to whatever holds the focus, without the event loop
    // running in between, as when keys come faster than the window answers.
    for (const QString& name : keys) {
        const KeyAct act = actNamed(name);
        driver.press(act.key, act.modifiers);
        console.run(act.console);
    }
    const QStringList expected = console.lines(false);
    QCOMPARE(linesOf(driver, false), expected);

    // Nothing is left to happen later.
    QTest::qWait(kLongerThanAnyAnimation);
    QCOMPARE(linesOf(driver, false), expected);
}

void KeyboardTest::spaceActsWhenPressed_data() {
    QTest::addColumn<int>("focused");
    QTest::newRow("CL&R") << varnock::kClearEntry;
    QTest::newRow("=") << varnock::defaultButtonId();
    QTest::newRow("radio button") << varnock::kMathRadians;
    QTest::newRow("flat toggle") << varnock::kPathLossMiles;
    QTest::newRow("check box") << int(varnock::kCutFringing);
}

// Space presses the focused control when the key goes down, so that a key
// typed before Space comes up acts after it. The press does what a click
// does in the console.
void KeyboardTest::spaceActsWhenPressed() {
    QFETCH(int, focused);

    WindowDriver driver;
    ConsoleRun console;
    // The focus comes to the control without pressing it, as in the console.
    driver.type("7+5");
    driver.control(focused)->setFocus(Qt::MouseFocusReason);
    for (const char* line : {"key 7", "key +", "key 5"}) console.run(line);
    console.run("focus " + std::to_string(focused));
    const QStringList before = console.lines();
    QCOMPARE(linesOf(driver), before);

    QTest::keyPress(driver.control(focused), Qt::Key_Space);
    console.run("click " + std::to_string(focused));
    const QStringList expected = console.lines();
    QVERIFY(expected != before);
    QCOMPARE(linesOf(driver), expected);

    // The release presses nothing more.
    QTest::keyRelease(driver.control(focused), Qt::Key_Space);
    QTest::qWait(kLongerThanAnyAnimation);
    QCOMPARE(linesOf(driver), expected);
}

void KeyboardTest::boxKeysCloseAtOnce_data() {
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Escape", Qt::Key_Escape, Qt::NoModifier},
        {"Space", Qt::Key_Space, Qt::NoModifier},
    };
    for (const auto& key : keys) {
        QTest::addRow("help, %s", key.name)
            << Opener::HelpKey << int(key.key) << int(key.modifiers);
        QTest::addRow("About, %s", key.name)
            << Opener::AboutEntry << int(key.key) << int(key.modifiers);
    }
    // A message box's OK answers its letter, with Alt or without.
    QTest::newRow("help, O") << Opener::HelpKey << int(Qt::Key_O) << int(Qt::NoModifier);
    QTest::newRow("help, Alt+O") << Opener::HelpKey << int(Qt::Key_O) << int(Qt::AltModifier);
}

// A key that closes a box closes it before the next key arrives, so that the
// next key reaches the window instead of a box on its way out.
void KeyboardTest::boxKeysCloseAtOnce() {
    QFETCH(Opener, opener);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    WindowDriver driver;
    bool active = false;
    bool closedAtOnce = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        active = QTest::qWaitFor([&] { return QApplication::activeWindow() == box; });
        if (active) {
            captionAsMostThemes(*box);
            QWidget* focused = box->focusWidget() != nullptr ? box->focusWidget() : box.data();
            QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            closedAtOnce = box == nullptr || !box->isVisible();
        }
        if (box != nullptr && box->isVisible()) {
            QTimer::singleShot(kLongerThanAnyAnimation, box, &QWidget::close);
        }
    });
    open(driver, opener);
    QVERIFY(active);
    QVERIFY(closedAtOnce);
    QVERIFY(driver.window.isVisible());
}

// The window menu's entries act when their key is pressed, not after a
// flash: Close closes before the next key, Minimize minimises.
void KeyboardTest::menuEntryKeysActAtOnce() {
    {
        WindowDriver driver;
        driver.press(Qt::Key_Menu);
        QMenu* menu = driver.window.systemMenu();
        QVERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_N);
        QVERIFY(driver.window.isMinimized());
        QVERIFY(!menu->isVisible());
    }
    WindowDriver driver;
    QSignalSpy finished(&driver.window, &QDialog::finished);
    driver.press(Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(driver.window.systemMenu(), Qt::Key_C);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!driver.window.isVisible());
}

void KeyboardTest::tabNeverStopsOnAMark_data() {
    QTest::addColumn<int>("clicked");
    for (int id : markControls()) QTest::addRow("%d", id) << id;
}

// Whatever mark was clicked before, Tab and Shift+Tab round the whole window
// only ever give the focus to a tab stop (or the window, after a box bounced
// it), and no mark moves.
void KeyboardTest::tabNeverStopsOnAMark() {
    QFETCH(int, clicked);
    WindowDriver driver;
    const std::set<QWidget*> stops = tabStopsOf(driver);
    // Enough presses to pass every stop twice, each way, from anywhere.
    const int rounds = 2 * int(stops.size());

    const Qt::FocusPolicy policy = driver.control(clicked)->focusPolicy();
    driver.click(clicked);
    QCOMPARE(driver.focus(), driver.control(clicked));
    QCOMPARE(driver.control(clicked)->focusPolicy(), policy);
    const QMap<int, bool> marks = marksOf(driver);

    QStringList strays;
    QObject::connect(qApp, &QApplication::focusChanged, &driver.window,
                     [&](QWidget*, QWidget* now) {
                         if (now != nullptr && stops.count(now) == 0) strays << now->objectName();
                     });
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        const auto modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        for (int round = 0; round < rounds; ++round) driver.press(key, modifiers);
    }
    QCOMPARE(strays, QStringList());
    QCOMPARE(marksOf(driver), marks);
}

// Radians clicked, then CLEAR ALL, 5, Tab and Space: the angle mode stays
// on degrees, where CLEAR ALL put it.
void KeyboardTest::spaceAfterTabNeverSwitchesAMode() {
    WindowDriver driver;
    driver.click(varnock::kMathRadians);
    driver.click(varnock::kClearAll);
    driver.type("5");
    driver.press(Qt::Key_Tab);
    driver.press(Qt::Key_Space);
    QVERIFY(driver.isChecked(varnock::kMathDegrees));
    QVERIFY(!driver.isChecked(varnock::kMathRadians));
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("5"));
}

// A mark that holds the focus still moves it, and its check, within its group
// with the arrow keys.
void KeyboardTest::arrowsStillMoveWithinAGroup() {
    WindowDriver driver;
    driver.click(varnock::kMathDegrees);
    driver.press(Qt::Key_Right);
    QCOMPARE(driver.focus(), driver.control(varnock::kMathRadians));
    QVERIFY(driver.isChecked(varnock::kMathRadians));
    driver.press(Qt::Key_Left);
    QCOMPARE(driver.focus(), driver.control(varnock::kMathDegrees));
    QVERIFY(driver.isChecked(varnock::kMathDegrees));
}

void KeyboardTest::keyboardMenuOpensAtTheFocus_data() {
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("how");

    const int focusable[] = {varnock::defaultButtonId(), varnock::kClearAll,
                             varnock::kPowerForOutput, varnock::kScratchPad};
    for (int id : focusable) {
        for (const char* how : {"Menu", "Shift+F10", "context menu event"}) {
            QTest::addRow("%d, %s", id, how) << id << how;
        }
    }
}

void KeyboardTest::keyboardMenuOpensAtTheFocus() {
    QFETCH(int, focused);
    QFETCH(QString, how);

    WindowDriver driver;
    QWidget* control = driver.control(focused);
    control->setFocus(Qt::MouseFocusReason);
    QCOMPARE(driver.focus(), control);
    if (how == "Menu") {
        driver.press(Qt::Key_Menu);
    } else if (how == "Shift+F10") {
        driver.press(Qt::Key_F10, Qt::ShiftModifier);
    } else {
        // What Qt sends the window when a control leaves the keyboard's
        // context menu to it.
        const QPoint centre = control->geometry().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre,
                                driver.window.mapToGlobal(centre));
        QApplication::sendEvent(&driver.window, &event);
    }
    QMenu* menu = driver.window.systemMenu();
    QVERIFY(menu->isVisible());
    const QRect controlOnScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
    QVERIFY2(
        menu->geometry().intersects(controlOnScreen),
        qPrintable(
            QStringLiteral("menu at %1,%2").arg(menu->geometry().x()).arg(menu->geometry().y())));
    menu->hide();
}

VARNOCK_DESKTOP_TEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
