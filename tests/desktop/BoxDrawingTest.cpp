// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers wider than their boxes, on the real window at the screen scale of
// this run (ctest runs it at QT_SCALE_FACTOR 1, 1.5 and 2) and with the
// desktop's font one and two points larger: every box draws every kind of
// text so that it fits and never passes for another number, while what the
// calculator, screen readers and the tooltip read stays the whole text.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QToolTip>

#include "CalcWindow.h"
#include "FontStep.h"
#include "NumberBox.h"
#include "RenderingChecks.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace {

const QString kLongNumber = QStringLiteral("6.66666666666667e+15");

// The pixels a line edit shows its text in without scrolling, from the style
// alone: its contents less the text margins and the two pixels QLineEdit
// keeps clear each side, and for right-aligned text a pixel and the cursor.
int textRoomOf(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 4;
    if ((box.alignment() & Qt::AlignRight) == 0) return room;
    return room - 1 - box.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &box);
}

QList<int> shownBoxes() {
    QList<int> ids;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.kind == varnock::ControlKind::Edit && row.isVisible()) ids << row.id;
    }
    return ids;
}

NumberBox* boxOf(const CalcWindow& window, int id) {
    return qobject_cast<NumberBox*>(window.controlWidget(id));
}

// The tooltip the box shows when the pointer rests on it, or an empty text
// when it shows none.
QString toolTipOf(NumberBox& box) {
    const QPoint middle = box.rect().center();
    QHelpEvent event(QEvent::ToolTip, middle, box.mapToGlobal(middle));
    QApplication::sendEvent(&box, &event);
    return event.isAccepted() ? QToolTip::text() : QString();
}

}  // namespace

class BoxDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoxDrawsEveryTextSoundly_data();
    void everyBoxDrawsEveryTextSoundly();
    void shortenedTextIsDrawnAsTheBoxDrawsText_data();
    void shortenedTextIsDrawnAsTheBoxDrawsText();
    void readersTakeTheWholeText();
    void toolTipAddsTheWholeTextWhenDigitsAreLeftOut_data();
    void toolTipAddsTheWholeTextWhenDigitsAreLeftOut();
    void typedDigitsStayInView();
};

void BoxDrawingTest::everyBoxDrawsEveryTextSoundly_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("desktop font") << 0;
    QTest::newRow("one point larger") << 1;
    QTest::newRow("two points larger") << 2;
}

void BoxDrawingTest::everyBoxDrawsEveryTextSoundly() {
    QFETCH(int, points);
    const FontStep step(points);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList faults;
    int shortened = 0;
    for (int id : shownBoxes()) {
        NumberBox* box = boxOf(window, id);
        const QFontMetrics metrics = box->fontMetrics();
        const TextWidth width = [&metrics](const QString& text) {
            return metrics.horizontalAdvance(text);
        };
        const KeptEnd keep = id == varnock::kDisplay ? KeptEnd::Trailing : KeptEnd::Leading;
        for (const QString& text : boxTextClasses()) {
            window.setBoxText(id, text.toStdString());
            const QString shown = box->shownText();
            QString fault = renderingFault(text, shown, width, textRoomOf(*box), keep);
            // The display holds every finished number whole.
            if (id == varnock::kDisplay && isFinishedNumber(text) && shown != text)
                fault = "shortened";
            if (box->text() != text) fault = QStringLiteral("the text changed");
            if (!fault.isEmpty())
                faults << QStringLiteral("%1 %2 as %3: %4").arg(id).arg(text, shown, fault);
            shortened += shown != text ? 1 : 0;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    // The table holds texts too wide for every box.
    QVERIFY(shortened >= shownBoxes().size());
}

void BoxDrawingTest::shortenedTextIsDrawnAsTheBoxDrawsText_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << varnock::kVswrZminBox << kLongNumber;
    QTest::newRow("marker text") << varnock::kTiltUpperLobeBox
                                 << QStringLiteral("0VER HORIZ") + kLongNumber;
    QTest::newRow("typed entry") << varnock::kDisplay << QStringLiteral("-1") + QString(60, u'0');
}

// A shortened text looks exactly as the box draws a text that fits: the same
// place, font and colour.
void BoxDrawingTest::shortenedTextIsDrawnAsTheBoxDrawsText() {
    QFETCH(int, id);
    QFETCH(QString, text);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    NumberBox* box = boxOf(window, id);
    window.setBoxText(id, text.toStdString());
    const QString shown = box->shownText();
    QVERIFY(shown != text);
    const QImage shortened = box->grab().toImage();
    window.setBoxText(id, shown.toStdString());
    QCOMPARE(box->shownText(), shown);
    QCOMPARE(box->grab().toImage(), shortened);
}

void BoxDrawingTest::readersTakeTheWholeText() {
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    NumberBox* box = boxOf(window, varnock::kVswrZminBox);
    window.setBoxText(varnock::kVswrZminBox, kLongNumber.toStdString());
    QVERIFY(box->shownText() != kLongNumber);
    QCOMPARE(box->text(), kLongNumber);
    QCOMPARE(QString::fromStdString(window.boxText(varnock::kVswrZminBox)), kLongNumber);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
    QVERIFY(reader != nullptr);
    QCOMPARE(reader->text(QAccessible::Value), kLongNumber);
}

void BoxDrawingTest::toolTipAddsTheWholeTextWhenDigitsAreLeftOut_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("tip");
    const QString plain = QStringLiteral("The lowest impedance on the line");
    QTest::newRow("whole, no description") << "33.3" << QString() << QString();
    QTest::newRow("whole, described") << "33.3" << plain << plain;
    QTest::newRow("shortened") << kLongNumber << QString() << kLongNumber;
    QTest::newRow("shortened, described") << kLongNumber << plain << plain + u'\n' + kLongNumber;
    QTest::newRow("notation only") << "100000000000000" << QString() << "100000000000000";
}

void BoxDrawingTest::toolTipAddsTheWholeTextWhenDigitsAreLeftOut() {
    QFETCH(QString, text);
    QFETCH(QString, description);
    QFETCH(QString, tip);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    NumberBox* box = boxOf(window, varnock::kVswrZminBox);
    box->setAccessibleDescription(description);
    window.setBoxText(varnock::kVswrZminBox, text.toStdString());
    // The rows that expect the whole text hold texts too wide for the box.
    QCOMPARE(box->shownText() != text, tip.endsWith(text));
    QCOMPARE(toolTipOf(*box), tip);
    QVERIFY(box->toolTip().isEmpty());
}

void BoxDrawingTest::typedDigitsStayInView() {
    WindowDriver driver;
    driver.type(QStringLiteral("1") + QString(70, u'0'));
    const QString typed = driver.text(varnock::kDisplay);
    QVERIFY(typed.size() > 60);
    const QString shown = boxOf(driver.window, varnock::kDisplay)->shownText();
    QVERIFY2(shown.startsWith(QStringLiteral("1") + kLeftOutMark) && shown.endsWith(u'0'),
             qPrintable(shown));
    // Each further zero still shows as it arrives; the result of the entry
    // shows whole.
    driver.type(QStringLiteral("+="));
    QCOMPARE(driver.text(varnock::kDisplay), QStringLiteral("2e+%1").arg(typed.size() - 1));
    QCOMPARE(boxOf(driver.window, varnock::kDisplay)->shownText(), driver.text(varnock::kDisplay));
}

VARNOCK_DESKTOP_TEST_MAIN(BoxDrawingTest)
#include "BoxDrawingTest.moc"
