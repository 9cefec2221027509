// What a screen reader finds in the window, read through Qt's accessibility
// interface: a name and a role for every control, names that follow changing
// captions, message boxes as alerts with their text, and a whole session
// done from the keyboard alone.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolTip>

#include "ModalWatcher.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "ui/Descriptions.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

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
    QCOMPARE(window->indexOfChild(accessibleOf(driver.control(1152))) >= 0, true);
}

void AccessibilityTest::namesOfTheExamples() {
    WindowDriver driver;
    QCOMPARE(nameOf(driver.control(1118)), QStringLiteral("Path Loss in dB"));
    QCOMPARE(nameOf(driver.control(1189)), QStringLiteral("Forward Power"));
    QCOMPARE(nameOf(driver.control(varnock::kDisplayBox)), QStringLiteral("Display"));
    QCOMPARE(nameOf(driver.control(1012)), QStringLiteral("CLEAR ALL"));
    QCOMPARE(nameOf(driver.control(1122)), QStringLiteral("CLR"));
    QCOMPARE(nameOf(driver.control(1004)), QStringLiteral("dB Conversions"));
    QCOMPARE(nameOf(driver.control(1185)), QStringLiteral("Capacitive Fringing"));
    // The display's value is what it shows.
    driver.type("42");
    QCOMPARE(accessibleOf(driver.control(varnock::kDisplayBox))->text(QAccessible::Value),
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
    QCOMPARE(driver.text(1039), QStringLiteral("SQR"));
    QCOMPARE(driver.text(1071), QStringLiteral("Hertz > mHz"));
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
    QCOMPARE(nameOf(driver.control(1156)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(1158)), QStringLiteral("Power Ratio (dB)"));
    driver.click(1179);  // "Calculate For: Pin"
    QCOMPARE(driver.text(1182), QStringLiteral("Power Ratio (dB)"));
    QCOMPARE(nameOf(driver.control(1156)), QStringLiteral("Power Ratio (dB)"));
    QCOMPARE(nameOf(driver.control(1157)), QStringLiteral("Power Output"));
    QCOMPARE(nameOf(driver.control(1158)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(1182)), QStringLiteral("Power Ratio (dB)"));

    driver.click(1012);  // "CLEAR ALL" puts the captions back
    QCOMPARE(nameOf(driver.control(1156)), QStringLiteral("Power Input"));
    QCOMPARE(nameOf(driver.control(1158)), QStringLiteral("Power Ratio (dB)"));
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
    driver.click(1000);  // "mW to dBm" refuses the 0 in the display
    driver.click(1193);  // a help key
    QCOMPARE(watcher.boxes().size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(roles.at(i), QAccessible::AlertMessage);
        QCOMPARE(names.at(i), qs(varnock::kAppName));
        QVERIFY(texts.at(i).contains(watcher.boxes().at(i).text));
    }
    QCOMPARE(watcher.boxes().at(0).text, qs(varnock::kMustBeGreaterThanZero));
}

void AccessibilityTest::aWholeSessionFromTheKeyboard() {
    WindowDriver driver;
    QSignalSpy finished(&driver.window, &QDialog::finished);
    driver.type("12*3");
    driver.press(Qt::Key_Return);
    QCOMPARE(driver.text(varnock::kDisplayBox), QStringLiteral("36"));

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
    QCOMPARE(driver.text(varnock::kDisplayBox), QStringLiteral("36"));

    driver.press(Qt::Key_Escape);
    QCOMPARE(finished.count(), 1);
}

VARNOCK_DESKTOP_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
