// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the screen scale of this run (ctest runs the test once for
// each QT_SCALE_FACTOR: 1, 1.5 and 2), with the desktop's font and with that
// font one point larger: every caption shows whole, every box holds a line of
// text, no control runs into a neighbour, and the pictures are drawn for the
// screen's pixels. Captions are measured here from the font and the style,
// apart from the window's own fitting.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "AboutDlg.h"
#include "CalcWindow.h"
#include "FontStep.h"
#include "FrameBox.h"
#include "NumberBox.h"
#include "TestMain.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"

namespace {

double scaleOfThisRun() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

int textWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(withoutMnemonic(text));
}

// What cuts the caption short, or an empty text when it shows whole.
QString buttonCut(const QAbstractButton& button, QStyle::SubElement contents) {
    if (button.text().isEmpty()) return {};
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    const int needed = textWidth(button.font(), button.text());
    if (needed <= room.width()) return {};
    return QStringLiteral("needs %1 px, has %2").arg(needed).arg(room.width());
}

// The title must hold its text and lie between the frame's side lines.
QString frameCut(const FrameBox& frame) {
    const QRect title = frame.titleRect();
    if (title.isEmpty()) return {};
    const int needed = QFontMetrics(frame.font()).horizontalAdvance(frame.title());
    if (title.left() > 1 && title.width() >= needed && title.right() < frame.width() - 2) return {};
    return QStringLiteral("title at %1-%2 needs %3 px in %4")
        .arg(title.left())
        .arg(title.right())
        .arg(needed)
        .arg(frame.width());
}

QString labelCut(const QLabel& label) {
    const QRect room = label.contentsRect();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed =
        label.fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000), flags, label.text());
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return QStringLiteral("needs %1x%2 px, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QString boxCut(const QWidget& box) {
    const int needed = box.minimumSizeHint().height();
    if (needed <= box.height()) return {};
    return QStringLiteral("a line of text needs %1 px, has %2").arg(needed).arg(box.height());
}

QString captionCut(const QWidget& widget) {
    if (auto* frame = qobject_cast<const FrameBox*>(&widget)) return frameCut(*frame);
    if (auto* label = qobject_cast<const QLabel*>(&widget)) return labelCut(*label);
    if (auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return buttonCut(*radio, QStyle::SE_RadioButtonContents);
    if (auto* check = qobject_cast<const QCheckBox*>(&widget))
        return buttonCut(*check, QStyle::SE_CheckBoxContents);
    if (auto* button = qobject_cast<const QPushButton*>(&widget))
        return buttonCut(*button, QStyle::SE_PushButtonContents);
    if (qobject_cast<const QLineEdit*>(&widget)) return boxCut(widget);
    return {};
}

QList<QWidget*> shownChildren(const QWidget& parent) {
    QList<QWidget*> shown;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) shown << child;
    }
    return shown;
}

bool encloses(const QWidget& outer, const QWidget& inner) {
    return qobject_cast<const FrameBox*>(&outer) != nullptr &&
           outer.geometry().contains(inner.geometry());
}

QString nameOf(const QWidget& widget) {
    const QString caption =
        widget.property("title").toString() + widget.property("text").toString();
    const QString name = widget.objectName().isEmpty()
                             ? QString::fromLatin1(widget.metaObject()->className())
                             : widget.objectName();
    return QStringLiteral("%1 \"%2\"").arg(name, caption);
}

// Every caption of the dialog that does not show whole, with the reason.
QStringList cutCaptions(const QWidget& dialog) {
    QStringList cut;
    for (QWidget* widget : shownChildren(dialog)) {
        const QString why = captionCut(*widget);
        if (!why.isEmpty()) cut << nameOf(*widget) + QStringLiteral(": ") + why;
    }
    return cut;
}

// Every pair of shown controls of the dialog that run into each other, apart
// from a frame and the controls inside it.
QStringList overlaps(const QWidget& dialog) {
    QStringList found;
    const QList<QWidget*> shown = shownChildren(dialog);
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j) {
            const QWidget& a = *shown[i];
            const QWidget& b = *shown[j];
            if (!a.geometry().intersects(b.geometry())) continue;
            if (encloses(a, b) || encloses(b, a)) continue;
            found << nameOf(a) + QStringLiteral(" and ") + nameOf(b);
        }
    }
    return found;
}

void addFontSteps() {
    QTest::addColumn<int>("points");
    QTest::newRow("desktop font") << 0;
    QTest::newRow("one point larger") << 1;
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsScaledByTheFactor();
    void captionsShowWhole_data() { addFontSteps(); }
    void captionsShowWhole();
    void controlsDoNotRunIntoEachOther_data() { addFontSteps(); }
    void controlsDoNotRunIntoEachOther();
    void aboutBoxCaptionsShowWhole_data() { addFontSteps(); }
    void aboutBoxCaptionsShowWhole();
    void displayHoldsTheWidestNumber_data() { addFontSteps(); }
    void displayHoldsTheWidestNumber();
    void longNumbersShowTheirLeadingDigits();
    void iconsAreDrawnForTheScreensPixels();
};

void HighDpiTest::windowIsScaledByTheFactor() {
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), scaleOfThisRun());
    const QPixmap picture = window.grab();
    QCOMPARE(picture.size(), window.size() * scaleOfThisRun());
}

void HighDpiTest::captionsShowWhole() {
    QFETCH(int, points);
    const FontStep step(points);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList cut = cutCaptions(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    QVERIFY(window.rect().contains(window.childrenRect()));
}

void HighDpiTest::controlsDoNotRunIntoEachOther() {
    QFETCH(int, points);
    const FontStep step(points);
    CalcWindow window;
    const QStringList found = overlaps(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("\n"))));
}

void HighDpiTest::aboutBoxCaptionsShowWhole() {
    QFETCH(int, points);
    const FontStep step(points);
    CAboutDlg box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QStringList cut = cutCaptions(box);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    QVERIFY2(overlaps(box).isEmpty(), qPrintable(overlaps(box).join(QStringLiteral("\n"))));
}

void HighDpiTest::displayHoldsTheWidestNumber() {
    QFETCH(int, points);
    const FontStep step(points);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString widest = QString::fromLatin1("-1.23456789012346e-308");
    window.setBoxText(varnock::kDisplay, widest.toStdString());
    auto* display = qobject_cast<QLineEdit*>(window.controlWidget(varnock::kDisplay));
    QCOMPARE(display->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // The cursor stands after the last digit; the first one is in sight. (A
    // line edit places its text when it paints.)
    display->grab();
    const QRect cursor = display->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(display->cursorPosition(), int(widest.size()));
    QVERIFY2(cursor.left() < display->width(),
             qPrintable(QStringLiteral("%1 %2").arg(cursor.left()).arg(display->width())));
    QVERIFY2(cursor.left() - display->fontMetrics().horizontalAdvance(widest) >= 0,
             qPrintable(QString::number(cursor.left())));
}

void HighDpiTest::longNumbersShowTheirLeadingDigits() {
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* box = qobject_cast<NumberBox*>(
        window.controlWidget(varnock::kVswrZminBox));  // Zmin, a narrow box
    const QString longNumber = QString::fromLatin1("-33.3333333333333e+100");
    window.setBoxText(varnock::kVswrZminBox, longNumber.toStdString());
    QVERIFY(box->fontMetrics().horizontalAdvance(longNumber) > box->width());
    QCOMPARE(box->text(), longNumber);
    QCOMPARE(box->cursorPosition(), 0);
    box->grab();
    QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < box->width() / 4);
    // Drawn with its leading digits and its exponent.
    const QString shown = box->shownText();
    QVERIFY2(shown.startsWith(QStringLiteral("-3.33")) && shown.endsWith(QStringLiteral("e+101")),
             qPrintable(shown));

    window.setBoxText(varnock::kVswrZminBox, "33.3");
    QCOMPARE(box->shownText(), QStringLiteral("33.3"));
}

void HighDpiTest::iconsAreDrawnForTheScreensPixels() {
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const double scale = window.devicePixelRatioF();
    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->icon().isNull()) continue;
        const QSize side = button->iconSize();
        QVERIFY(button->rect().contains(QRect(QPoint(0, 0), side)));
        const QPixmap face = button->icon().pixmap(side, scale);
        QCOMPARE(face.size(), side * scale);
        QCOMPARE(face.devicePixelRatio(), scale);
    }
    const QPixmap icon = window.windowIcon().pixmap(QSize(32, 32), scale);
    QCOMPARE(icon.size(), QSize(32, 32) * scale);
}

VARNOCK_DESKTOP_TEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
