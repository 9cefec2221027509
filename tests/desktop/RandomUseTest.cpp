// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand random clicks and key presses on the real window, shown on the
// offscreen screen, with every message box and About box closed with OK.
// After every step: each radio group holds exactly one mark, the focus rests
// on none of the read-only boxes, the display holds at most 63 characters,
// and the window is open exactly unless the step was one that closes it (a
// new window then takes its place).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "ModalWatcher.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "app/Routing.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

namespace {

struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

// The keypad's characters on the main keyboard and the numeric keypad, with
// and without Alt; the keys that move the focus, press buttons or edit text;
// two mnemonics of visible buttons ("&CLEAR ALL", "CL&R").
const KeyStroke kKeys[] = {
    {Qt::Key_0, Qt::NoModifier, "0"},
    {Qt::Key_1, Qt::NoModifier, "1"},
    {Qt::Key_2, Qt::NoModifier, "2"},
    {Qt::Key_3, Qt::KeypadModifier, "keypad 3"},
    {Qt::Key_4, Qt::NoModifier, "4"},
    {Qt::Key_5, Qt::AltModifier, "Alt+5"},
    {Qt::Key_6, Qt::NoModifier, "6"},
    {Qt::Key_7, Qt::KeypadModifier, "keypad 7"},
    {Qt::Key_8, Qt::NoModifier, "8"},
    {Qt::Key_9, Qt::NoModifier, "9"},
    {Qt::Key_0, Qt::AltModifier, "Alt+0"},
    {Qt::Key_Period, Qt::NoModifier, "."},
    {Qt::Key_Comma, Qt::KeypadModifier, "keypad ,"},
    {Qt::Key_Plus, Qt::NoModifier, "+"},
    {Qt::Key_Minus, Qt::KeypadModifier, "keypad -"},
    {Qt::Key_Asterisk, Qt::NoModifier, "*"},
    {Qt::Key_Slash, Qt::AltModifier, "Alt+/"},
    {Qt::Key_Equal, Qt::NoModifier, "="},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
    {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
    {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_A, Qt::NoModifier, "a"},
    {Qt::Key_C, Qt::AltModifier, "Alt+C"},
    {Qt::Key_R, Qt::AltModifier, "Alt+R"},
};

const KeyStroke kEscape{Qt::Key_Escape, Qt::NoModifier, "Escape"};

// The controls a mouse can reach: every visible one that has an identifier.
std::vector<int> visibleControls() {
    std::vector<int> ids;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id != varnock::kUnaddressed && row.isVisible()) ids.push_back(row.id);
    }
    return ids;
}

QAction* menuAction(const CalcWindow& window, std::string_view text) {
    for (QAction* action : window.systemMenu()->actions()) {
        if (action->text() == QString::fromUtf8(text.data(), qsizetype(text.size()))) return action;
    }
    qFatal("no system menu entry %.*s", int(text.size()), text.data());
}

// One person at the window, choosing each step at random from a seed.
class RandomUser {
public:
    explicit RandomUser(std::uint32_t seed) : m_random(seed) {}

    // Performs one step; says what it was and whether it is one that closes.
    QString step(WindowDriver& driver, bool& closes) {
        closes = false;
        const int roll = pick(1000);
        if (roll < 520) return click(driver, closes);
        if (roll < 940) return press(driver, kKeys[pick(std::size(kKeys))], closes);
        if (roll < 960) return doubleClick(driver);
        if (roll < 975) return rightClick(driver);
        if (roll < 990) return chooseAbout(driver);
        if (roll < 994) return minimizeAndRestore(driver);
        return closeSomehow(driver, closes);
    }

private:
    int pick(std::size_t n) {
        return int(std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random));
    }

    QString click(WindowDriver& driver, bool& closes) {
        const int id = m_controls[pick(m_controls.size())];
        if (id == varnock::kCloseButton && pick(10) != 0) return click(driver, closes);  // rarely
        closes = id == varnock::kCloseButton;
        driver.click(id);
        return QStringLiteral("click %1").arg(id);
    }

    QString doubleClick(WindowDriver& driver) {
        int id = varnock::kCloseButton;
        while (id == varnock::kCloseButton) id = m_controls[pick(m_controls.size())];
        QWidget* widget = driver.control(id);
        QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        return QStringLiteral("double click %1").arg(id);
    }

    // A key that presses the focused push button closes when that is "CLOSE".
    QString press(WindowDriver& driver, const KeyStroke& stroke, bool& closes) {
        const bool pressesButton = stroke.key == Qt::Key_Return || stroke.key == Qt::Key_Enter ||
                                   stroke.key == Qt::Key_Space;
        closes = stroke.key == Qt::Key_Escape ||
                 (pressesButton && driver.focus() == driver.control(varnock::kCloseButton));
        driver.press(stroke.key, stroke.modifiers);
        return QStringLiteral("key %1").arg(QLatin1String(stroke.name));
    }

    // The system menu pops up over the background, a box's menu over a box.
    // The system menu is dismissed; from a box's menu an entry is chosen now
    // and then.
    QString rightClick(WindowDriver& driver) {
        const QPoint at(pick(driver.window.width()), pick(driver.window.height()));
        driver.rightClickAt(at);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return QStringLiteral("right click at %1,%2").arg(at.x()).arg(at.y());
        QList<QAction*> entries;
        for (QAction* action : menu->actions()) {
            if (action->isVisible() && menu != driver.window.systemMenu()) entries << action;
        }
        menu->hide();
        if (!entries.isEmpty() && pick(2) == 0) {
            QAction* chosen = entries[pick(entries.size())];
            chosen->trigger();
            return QStringLiteral("right click at %1,%2, %3")
                .arg(at.x())
                .arg(at.y())
                .arg(chosen->text());
        }
        return QStringLiteral("right click at %1,%2").arg(at.x()).arg(at.y());
    }

    QString chooseAbout(WindowDriver& driver) {
        menuAction(driver.window, varnock::kAboutMenuEntry)->trigger();
        return QStringLiteral("menu about");
    }

    QString minimizeAndRestore(WindowDriver& driver) {
        menuAction(driver.window, "Mi&nimize")->trigger();
        driver.window.showNormal();
        driver.window.activateWindow();
        const bool active = QTest::qWaitForWindowActive(&driver.window);
        return active ? QStringLiteral("minimize and restore")
                      : QStringLiteral("minimize and restore (not active again)");
    }

    QString closeSomehow(WindowDriver& driver, bool& closes) {
        closes = true;
        switch (pick(3)) {
            case 0:
                return press(driver, kEscape, closes);
            case 1:
                menuAction(driver.window, "&Close")->trigger();
                return QStringLiteral("menu close");
            default:
                driver.window.close();
                return QStringLiteral("window manager close");
        }
    }

    std::mt19937 m_random;
    const std::vector<int> m_controls = visibleControls();
};

// Every broken rule, one line each; empty when all hold.
QString brokenRules(const WindowDriver& driver, const std::map<QWidget*, int>& readOnlyBoxes) {
    QString broken;
    for (const varnock::RadioGroup& group : varnock::radioGroups()) {
        int checked = 0;
        for (int id : group.members) checked += driver.isChecked(id) ? 1 : 0;
        if (checked != 1) {
            broken += QStringLiteral("  radio group of %1 has %2 checked\n")
                          .arg(group.defaultMember())
                          .arg(checked);
        }
    }
    if (auto box = readOnlyBoxes.find(driver.focus()); box != readOnlyBoxes.end()) {
        broken += QStringLiteral("  the focus rests on the read-only box %1\n").arg(box->second);
    }
    if (driver.text(varnock::kDisplay).size() > qsizetype(varnock::kMaxBoxText)) {
        broken += QStringLiteral("  the display reads %1\n").arg(driver.text(varnock::kDisplay));
    }
    return broken;
}

std::map<QWidget*, int> readOnlyBoxesOf(const WindowDriver& driver) {
    std::map<QWidget*, int> boxes;
    for (const varnock::Route& route : varnock::focusRoutes())
        boxes[driver.control(route.id)] = route.id;
    return boxes;
}

// The offscreen platform warns, for every box shown, that it cannot do what
// a window manager would; a thousand such lines would bury a failure.
QtMessageHandler g_testHandler = nullptr;

void withoutPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    g_testHandler(type, context, message);
}

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

}  // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { g_testHandler = qInstallMessageHandler(withoutPlatformNotes); }
    void cleanupTestCase() { qInstallMessageHandler(g_testHandler); }
    void tenThousandRandomStepsKeepTheWindowsRules();
};

// VARNOCK_RANDOM_SEED and VARNOCK_RANDOM_STEPS choose another run.
void RandomUseTest::tenThousandRandomStepsKeepTheWindowsRules() {
    const auto seed = std::uint32_t(fromEnvironment("VARNOCK_RANDOM_SEED", 1));
    const unsigned long steps = fromEnvironment("VARNOCK_RANDOM_STEPS", 10000);
    RandomUser user(seed);
    ModalWatcher watcher;
    auto driver = std::make_unique<WindowDriver>();
    std::map<QWidget*, int> readOnlyBoxes = readOnlyBoxesOf(*driver);
    int windows = 1;

    for (unsigned long step = 0; step < steps; ++step) {
        bool closes = false;
        const QString action = user.step(*driver, closes);
        QCoreApplication::processEvents();
        const QString where =
            QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(action);

        QVERIFY2(driver->window.isVisible() != closes,
                 qPrintable(where + (closes ? " left the window open" : " closed the window")));
        if (closes) {
            driver.reset();
            driver = std::make_unique<WindowDriver>();
            readOnlyBoxes = readOnlyBoxesOf(*driver);
            ++windows;
        }
        const QString broken = brokenRules(*driver, readOnlyBoxes);
        QVERIFY2(broken.isEmpty(), qPrintable(where + " broke:\n" + broken));
    }
    qInfo("%lu steps, %d windows, %lld boxes closed with OK", steps, windows,
          qlonglong(watcher.boxes().size()));
}

VARNOCK_DESKTOP_TEST_MAIN(RandomUseTest)
#include "RandomUseTest.moc"
