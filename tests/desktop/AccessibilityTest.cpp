// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the window, read through Qt's accessibility
// interface: a name and a role for every control, names that follow changing
// captions, message boxes as alerts with their text, new texts of the boxes
// and refusals as the window reports them, and a whole session done from the
// keyboard alone.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolTip>
#include <algorithm>
#include <map>
#include <utility>

#include "ModalWatcher.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"
#include "ui/Descriptions.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

// Qt's offscreen platform reports nothing to assistive tools until one asks
// for it, and none ever does; a screen reader's request reaches Qt through its
// platform layer. These declarations reach the two functions of that layer
// that QtGui exports, whose own headers (Qt's private ones) a Debian system
// need not have. The offscreen platform keeps the base class's accessibility.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

using varnock::ControlKind;
using varnock::ControlSpec;

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

QAccessibleInterface* accessibleOf(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    if (found == nullptr) qFatal("no accessible interface");
    return found;
}

QString nameOf(QObject* object) { return accessibleOf(object)->text(QAccessible::Name); }

QAccessible::Role expectedRole(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::PushButton:
            return QAccessible::Button;
        case ControlKind::RadioButton:
            return QAccessible::RadioButton;  // the flat toggles "kms" and "miles" too
        case ControlKind::CheckBox:
            return QAccessible::CheckBox;
        case ControlKind::Edit:
        case ControlKind::MultiLineEdit:
            return QAccessible::EditableText;
        case ControlKind::Label:
            return QAccessible::StaticText;
        case ControlKind::GroupBox:
            return QAccessible::Grouping;
    }
    return QAccessible::NoRole;
}

QString expectedName(const ControlSpec& row) {
    const bool isBox = row.kind == ControlKind::Edit || row.kind == ControlKind::MultiLineEdit;
    return qs(varnock::plainCaption(isBox ? row.frame : row.caption));
}

// The texts of the static texts inside an accessible object.
QStringList staticTexts(QAccessibleInterface* parent) {
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child->role() == QAccessible::StaticText) texts << child->text(QAccessible::Name);
        texts << staticTexts(child);
    }
    return texts;
}

// One update that the window sent to assistive tools.
struct Update {
    QAccessible::Event type;
    QPointer<QObject> object;
    int position = 0;    // where a text change starts
    QString removed{};   // the text a change took out
    QString inserted{};  // the text a change put in

    bool isTextChange() const {
        return type == QAccessible::TextInserted || type == QAccessible::TextRemoved ||
               type == QAccessible::TextUpdated;
    }
    // The text after this change, given the text before it.
    QString applyTo(QString text) const { return text.replace(position, removed.size(), inserted); }
};

// Switches Qt's accessibility on, as a screen reader would, and keeps every
// update the application sends while it lives.
class UpdateRecorder {
public:
    UpdateRecorder() {
        s_current = this;
        QAccessible::installUpdateHandler(&UpdateRecorder::record);
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(true);
    }
    ~UpdateRecorder() {
        QGuiApplicationPrivate::platform_integration->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        s_current = nullptr;
    }
    UpdateRecorder(const UpdateRecorder&) = delete;
    UpdateRecorder& operator=(const UpdateRecorder&) = delete;

    // The updates since the last call.
    QList<Update> take() { return std::exchange(m_updates, {}); }

private:
    static void record(QAccessibleEvent* event) {
        Update update{event->type(), event->object()};
        if (event->type() == QAccessible::TextInserted) {
            const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
            update.position = inserted->changePosition();
            update.inserted = inserted->textInserted();
        } else if (event->type() == QAccessible::TextRemoved) {
            const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
            update.position = removed->changePosition();
            update.removed = removed->textRemoved();
        } else if (event->type() == QAccessible::TextUpdated) {
            const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
            update.position = updated->changePosition();
            update.removed = updated->textRemoved();
            update.inserted = updated->textInserted();
        }
        s_current->m_updates << update;
    }

    static inline UpdateRecorder* s_current = nullptr;
    QList<Update> m_updates;
};

// The step that clicks a control: "#" and its identifier.
QString clickStep(int id) { return QStringLiteral("#%1").arg(id); }

// Steps of a user, one a word: "12.5" types on the keyboard, a click step
// clicks its control, "pad:abc" types into the scratch pad.
void perform(WindowDriver& driver, const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step.startsWith(u'#')) {
            driver.click(step.mid(1).toInt());
        } else if (step.startsWith(QStringLiteral("pad:"))) {
            driver.control(varnock::kScratchPad)->setFocus();
            QTest::keyClicks(driver.control(varnock::kScratchPad), step.mid(4));
        } else {
            driver.type(step);
        }
    }
}

// The text of every box that a user can see, by identifier.
std::map<int, QString> shownBoxTexts(const WindowDriver& driver) {
    std::map<int, QString> texts;
    for (const ControlSpec& row : varnock::controls()) {
        const bool isBox = row.kind == ControlKind::Edit || row.kind == ControlKind::MultiLineEdit;
        if (isBox && row.isVisible()) texts[row.id] = driver.text(row.id);
    }
    return texts;
}

// The longest text the display takes from the keypad: a point and zeros.
const QString kLongestEntry = QStringLiteral("1.") + QString(int(varnock::kMaxBoxText) - 2, u'0');

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasANameAndARole();
    void namesOfTheExamples();
    void everyControlExplainsItself();
    void onlyThePadIsWritable();
    void boxNamesFollowTheirLabels();
    void messageBoxesAreAlertsWithTheirText();
    void newTextsAreReportedWithoutTheFocus_data();
    void newTextsAreReportedWithoutTheFocus();
    void refusalsAreReportedAsAlerts_data();
    void refusalsAreReportedAsAlerts();
    void aWholeSessionFromTheKeyboard();
};

void AccessibilityTest::everyControlHasANameAndARole() {
    WindowDriver driver;
    for (const ControlSpec& row : varnock::controls()) {
        if (row.id == varnock::kUnaddressed || !row.isVisible()) continue;
        const QString id = QString::number(row.id);
        QAccessibleInterface* control = accessibleOf(driver.control(row.id));
        QVERIFY2(control->isValid(), qPrintable(id));
        QVERIFY2(control->role() == expectedRole(row), qPrintable(id));
        QVERIFY2(!control->state().invisible, qPrintable(id));
        // A frame without a title only draws a line; everything else speaks.
        if (row.kind == ControlKind::GroupBox && row.caption.empty()) continue;
        QVERIFY2(control->text(QAccessible::Name) == expectedName(row),
                 qPrintable(id + QStringLiteral(": ") + control->text(QAccessible::Name)));
    }
    // The unaddressed frames and labels speak their captions as well.
    for (QLabel* label : driver.window.findChildren<QLabel*>()) {
        QCOMPARE(nameOf(label), label->text());
    }
    // The window is found under its title, with its controls inside.
    QAccessibleInterface* window = accessibleOf(&driver.window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tolvane Calculator"));
    QCOMPARE(window->indexOfChild(accessibleOf(driver.control(varnock::kMathEquals))) >= 0, true);
}

void AccessibilityTest::namesOfTheExamples() {
    WindowDriver driver;
    QCOMPARE(nameOf(driver.control(varnock::kPathLossBox)), QStringLiteral("Path Loss in dB"));
    QCOMPARE(nameOf(driver.control(varnock::kVswrForwardBox)), QStringLiteral("Forward Power"));
    QCOMPARE(nameOf(driver.control(varnock::kDisplay)), QStringLiteral("Display"));
    QCOMPARE(nameOf(driver.control(varnock::kClearAll)), QStringLiteral("CLEAR ALL"));
    QCOMPARE(nameOf(driver.control(varnock::kClearEntry)), QStringLiteral("CLR"));
    QCOMPARE(nameOf(driver.control(varnock::kDbConversionsGroup)),
             QStringLiteral("dB Conversions"));
    QCOMPARE(nameOf(driver.control(varnock::kCutFringing)), QStringLiteral("Capacitive Fringing"));
    // The display's value is what it shows.
    driver.type("42");
    QCOMPARE(accessibleOf(driver.control(varnock::kDisplay))->text(QAccessible::Value),
             QStringLiteral("42"));
}

void AccessibilityTest::everyControlExplainsItself() {
    WindowDriver driver;
    int described = 0;
    for (const ControlSpec& row : varnock::controls()) {
        const QString description = qs(varnock::describeControl(row.id));
        if (description.isEmpty()) continue;
        ++described;
        QWidget* widget = driver.control(row.id);
        const QString id = QString::number(row.id);
        QVERIFY2(accessibleOf(widget)->text(QAccessible::Description) == description,
                 qPrintable(id));
        // A read-only box's tooltip is for the number it shows.
        if (row.kind == ControlKind::Edit) continue;
        QHelpEvent hover(QEvent::ToolTip, widget->rect().center(),
                         widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &hover);
        QVERIFY2(QToolTip::isVisible() && QToolTip::text() == description, qPrintable(id));
        QToolTip::hideText();
    }
    QCOMPARE(described, static_cast<int>(varnock::controlDescriptions().size()));
    // The captions stay as they were.
    QCOMPARE(driver.text(varnock::kMathSquare), QStringLiteral("SQR"));
    QCOMPARE(driver.text(varnock::kHertzToMegahertz), QStringLiteral("Hertz > mHz"));
}

void AccessibilityTest::onlyThePadIsWritable() {
    WindowDriver driver;
    for (const ControlSpec& row : varnock::controls()) {
        const bool isBox = row.kind == ControlKind::Edit || row.kind == ControlKind::MultiLineEdit;
        if (!isBox || !row.isVisible()) continue;
        const bool readOnly = accessibleOf(driver.control(row.id))->state().readOnly;
        QVERIFY2(readOnly == (row.id != varnock::kScratchPad), qPrintable(QString::number(row.id)));
    }
}

void AccessibilityTest::boxNamesFollowTheirLabels() {
    WindowDriver driver;
    QCOMPARE(nameOf(driver.control(varnock::kPowerInputBox)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerRatioBox)), QStringLiteral("Power Ratio (dB)"));
    driver.click(varnock::kPowerForInput);  // "Calculate For: Pin"
    QCOMPARE(driver.text(varnock::kPowerInputLabel), QStringLiteral("Power Ratio (dB)"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerInputBox)), QStringLiteral("Power Ratio (dB)"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerOutputBox)), QStringLiteral("Power Output"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerRatioBox)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerInputLabel)), QStringLiteral("Power Ratio (dB)"));

    driver.click(varnock::kClearAll);  // "CLEAR ALL" puts the captions back
    QCOMPARE(nameOf(driver.control(varnock::kPowerInputBox)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(varnock::kPowerRatioBox)), QStringLiteral("Power Ratio (dB)"));
}

void AccessibilityTest::messageBoxesAreAlertsWithTheirText() {
    WindowDriver driver;
    QList<QAccessible::Role> roles;
    QStringList names;
    QList<QStringList> texts;
    ModalWatcher watcher([&](QWidget* box) {
        QAccessibleInterface* alert = accessibleOf(box);
        roles << alert->role();
        names << alert->text(QAccessible::Name);
        texts << staticTexts(alert);
    });
    driver.click(varnock::kMilliwattsToDbm);  // "mW to dBm" refuses the 0 in the display
    driver.click(varnock::kVswrForwardHelp);  // a help key
    QCOMPARE(watcher.boxes().size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(roles.at(i), QAccessible::AlertMessage);
        QCOMPARE(names.at(i), qs(varnock::kAppName));
        QVERIFY(texts.at(i).contains(watcher.boxes().at(i).text));
    }
    QCOMPARE(watcher.boxes().at(0).text, qs(varnock::kMustBeGreaterThanZero));
}

void AccessibilityTest::newTextsAreReportedWithoutTheFocus_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("changed");  // the boxes whose text changes

    struct Case {
        const char* name;
        QString before;
        QString steps;
        QList<int> changed;
    };
    const int display = varnock::kDisplay;
    const QString enterLoss = QStringLiteral("100 %1 10 %2")
                                  .arg(clickStep(varnock::kPathLossFrequencyEnter),
                                       clickStep(varnock::kPathLossDistanceEnter));
    const QString lossWorkedOut =
        enterLoss + QLatin1Char(' ') + clickStep(varnock::kPathLossCalculate);
    const Case cases[] = {
        {"a digit", "", "7", {display}},
        {"the point", "7", ".", {display}},
        {"a zero after the point", "7.", "0", {display}},
        {"a conversion key", "100", clickStep(varnock::kMilliwattsToDbm), {display}},
        {"an Enter key",
         "5",
         clickStep(varnock::kPathLossFrequencyEnter),
         {display, varnock::kPathLossFrequencyBox}},
        {"a compute key",
         enterLoss,
         clickStep(varnock::kPathLossCalculate),
         {varnock::kPathLossBox}},
        {"a units option",
         lossWorkedOut,
         clickStep(varnock::kPathLossMiles),
         {varnock::kPathLossBox}},
        {"CLEAR ALL after results",
         lossWorkedOut,
         clickStep(varnock::kClearAll),
         {varnock::kPathLossFrequencyBox, varnock::kPathLossDistanceBox, varnock::kPathLossBox}},
        {"CLEAR ALL with nothing to clear", "", clickStep(varnock::kClearAll), {}},
        {"the same result again", lossWorkedOut, clickStep(varnock::kPathLossCalculate), {}},
        {"a second point", "7.", ".", {}},
        {"a digit past the longest entry", kLongestEntry, "1", {}},
        {"the scratch pad's Clear",
         "pad:abc",
         clickStep(varnock::kPadClear),
         {varnock::kScratchPad}},
    };
    for (const Case& row : cases) {
        QTest::newRow(row.name) << row.before << row.steps << row.changed;
    }
}

// Each box whose text changes tells of its new text, although the focus is
// elsewhere; boxes written again with the text they hold say nothing.
void AccessibilityTest::newTextsAreReportedWithoutTheFocus() {
    QFETCH(QString, before);
    QFETCH(QString, steps);
    QFETCH(QList<int>, changed);

    WindowDriver driver;
    UpdateRecorder recorder;
    perform(driver, before);
    const std::map<int, QString> textsBefore = shownBoxTexts(driver);
    recorder.take();
    perform(driver, steps);
    const QList<Update> updates = recorder.take();
    const std::map<int, QString> textsAfter = shownBoxTexts(driver);

    QList<int> reported;
    for (const auto& [id, text] : textsBefore) {
        QString told = text;
        bool changes = false;
        for (const Update& update : updates) {
            if (!update.isTextChange() || update.object != driver.control(id)) continue;
            told = update.applyTo(told);
            changes = true;
        }
        if (!changes) continue;
        reported << id;
        QCOMPARE(told, textsAfter.at(id));
        QVERIFY2(driver.focus() != driver.control(id), qPrintable(QString::number(id)));
    }
    std::sort(changed.begin(), changed.end());
    QCOMPARE(reported, changed);
}

void AccessibilityTest::refusalsAreReportedAsAlerts_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("refusals");

    struct Case {
        const char* name;
        QString before;
        QString steps;
        int refusals;
    };
    const Case cases[] = {
        {"a second point", "1.", ".", 1},
        {"a digit past the longest entry", kLongestEntry, "1", 1},
        {"a zero past the longest entry", kLongestEntry, "0", 1},
        {"a digit after the exponent", "1111111111111111", "1", 1},
        {"a click into the display", "", clickStep(varnock::kDisplay), 1},
        {"clicks into two result boxes", "",
         clickStep(varnock::kPathLossBox) + QLatin1Char(' ') + clickStep(varnock::kVswrForwardBox),
         2},
        {"digits and a result", "", "12*3=", 0},
        {"the longest entry itself", "", kLongestEntry, 0},
        // A message box tells of itself; the window adds no alert of its own.
        {"a conversion refused with a message", "", clickStep(varnock::kMilliwattsToDbm), 0},
    };
    for (const Case& row : cases) {
        QTest::newRow(row.name) << row.before << row.steps << row.refusals;
    }
}

// Every beep is also an alert from the window, so that a screen reader can say
// what the ear hears; nothing else is.
void AccessibilityTest::refusalsAreReportedAsAlerts() {
    QFETCH(QString, before);
    QFETCH(QString, steps);
    QFETCH(int, refusals);

    WindowDriver driver;
    ModalWatcher closesMessages;
    UpdateRecorder recorder;
    perform(driver, before);
    recorder.take();
    driver.beeps.clear();
    perform(driver, steps);

    int alerts = 0;
    for (const Update& update : recorder.take()) {
        if (update.type == QAccessible::Alert && update.object == &driver.window) ++alerts;
    }
    QCOMPARE(alerts, refusals);
    QCOMPARE(driver.beeps.count(), refusals);
}

void AccessibilityTest::aWholeSessionFromTheKeyboard() {
    WindowDriver driver;
    QSignalSpy finished(&driver.window, &QDialog::finished);
    driver.type("12*3");
    driver.press(Qt::Key_Return);
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("36"));

    // The window menu from the keyboard: its last entry opens the About box,
    // which Escape closes again.
    QStringList seen;
    ModalWatcher watcher([&](QWidget* box) {
        seen << box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    driver.press(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = driver.window.systemMenu();
    QVERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Up);
    QCOMPARE(menu->activeAction()->text(), qs(varnock::kAboutMenuEntry));
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(seen, QStringList{qs(varnock::kAboutTitle)});
    QVERIFY(!menu->isVisible());
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("36"));

    driver.press(Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
}

VARNOCK_DESKTOP_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
