// SPDX-License-Identifier: GPL-3.0-or-later
// How the window and the About box are built from their tables: names,
// places, stacking, captions that show whole, the pictures, and the start-up
// that the application object does.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "AboutDlg.h"
#include "CalcWindow.h"
#include "Contrast.h"
#include "ControlFactory.h"
#include "DialogUnits.h"
#include "FrameBox.h"
#include "Glyphs.h"
#include "TestMain.h"
#include "app/Routing.h"
#include "form/ControlIds.h"
#include "ui/AboutLayout.h"
#include "ui/Layout.h"
#include "ui/Strings.h"
#include "ui/SystemMenu.h"

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

bool isDecoration(const varnock::ControlSpec& row) {
    return row.kind == varnock::ControlKind::GroupBox || row.kind == varnock::ControlKind::Label;
}

QImage render(Glyph glyph, int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintGlyph(painter, image.rect(), glyph, Qt::black);
    return image;
}

int inkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 128;
    }
    return inked;
}

// Labels, in creation order, of a dialog.
QStringList labelTexts(const QWidget& dialog) {
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void numbersUseThePointWhateverTheEnvironment();
    void windowIsAFixedApplicationWindow();
    void everyControlIsBuiltFromTheTable();
    void accessibleNamesDescribeEachControl();
    void framesDoNotCoverTheControlsOverThem();
    void frameLineBreaksForItsTitleOnly();
    void captionsShowWholeAndTheWindowGrowsWithTheFont();
    void neighbouringRectanglesStayFlush();
    void unitsWidenJustEnoughForEveryShownCaption();
    void operatorGlyphsAreDistinctVectorDrawings();
    void readOnlyBoxesStandApartFromThePadInAnyTheme();
    void aboutBoxFollowsItsTable();
    void aboutBoxClosesWithEscapeAndOk();
    void systemMenuEndsWithTheAboutEntry();
};

void WindowLayoutTest::numbersUseThePointWhateverTheEnvironment() {
    QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("C"));
    QCOMPARE(std::strtod("2.5", nullptr), 2.5);
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", 0.1 + 0.2);
    QCOMPARE(QByteArray(text), QByteArray("0.3"));
}

void WindowLayoutTest::windowIsAFixedApplicationWindow() {
    CalcWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tolvane Calculator"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().isNull());
}

void WindowLayoutTest::everyControlIsBuiltFromTheTable() {
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id == varnock::kUnaddressed) continue;
        const QString id = QString::number(row.id);
        QWidget* widget = window.controlWidget(row.id);
        QVERIFY2(widget != nullptr, qPrintable(id));
        QCOMPARE(widget->objectName(), QStringLiteral("control") + id);
        QVERIFY2(widget->isVisible() == row.isVisible(), qPrintable(id));
        if (row.isVisible()) QVERIFY2(window.rect().contains(widget->geometry()), qPrintable(id));
    }
    QCOMPARE(window.controlWidget(4242), nullptr);
    // The hidden boxes keep the numbers the calculator writes into them.
    window.setBoxText(varnock::kOperandBox, "2.5");
    QCOMPARE(window.boxText(varnock::kOperandBox), std::string("2.5"));
}

void WindowLayoutTest::accessibleNamesDescribeEachControl() {
    CalcWindow window;
    QCOMPARE(window.controlWidget(varnock::kDisplay)->accessibleName(), QStringLiteral("Display"));
    QCOMPARE(window.controlWidget(varnock::kClearAll)->accessibleName(),
             QStringLiteral("CLEAR ALL"));
    QCOMPARE(window.controlWidget(varnock::kClearEntry)->accessibleName(), QStringLiteral("CLR"));
    QCOMPARE(window.controlWidget(varnock::kPathLossFrequencyBox)->accessibleName(),
             QStringLiteral("Frequency"));
    QCOMPARE(window.controlWidget(varnock::kPowerRatioBox)->accessibleName(),
             QStringLiteral("Power Ratio (dB)"));
    QCOMPARE(window.controlWidget(varnock::kScratchPad)->accessibleName(),
             QStringLiteral("Scratch Pad"));
    QCOMPARE(window.controlWidget(varnock::kTwinDigit7)->accessibleName(), QStringLiteral("7"));
    for (const varnock::ControlSpec& row : varnock::controls()) {
        const bool named = row.id != varnock::kUnaddressed && row.isVisible() &&
                           row.kind != varnock::ControlKind::GroupBox;
        if (!named) continue;
        QVERIFY2(!window.controlWidget(row.id)->accessibleName().isEmpty(),
                 qPrintable(QString::number(row.id)));
    }
}

void WindowLayoutTest::framesDoNotCoverTheControlsOverThem() {
    CalcWindow window;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id == varnock::kUnaddressed || isDecoration(row) || !row.isVisible()) continue;
        QWidget* widget = window.controlWidget(row.id);
        QWidget* hit = window.childAt(widget->geometry().center());
        while (hit != nullptr && hit->parentWidget() != &window) hit = hit->parentWidget();
        QVERIFY2(hit == widget, qPrintable(QString::number(row.id)));
    }
}

// The etched line runs round the whole frame, through the middle of the title
// but not across its text, and a new title moves the break.
void WindowLayoutTest::frameLineBreaksForItsTitleOnly() {
    FrameBox frame(QStringLiteral("Beam & Tilt"));
    frame.resize(200, 80);
    const QRgb line = frameLineColour(frame.palette()).rgb();
    const QRgb window = frame.palette().color(QPalette::Window).rgb();
    const auto pixel = [&frame](int x, int y) { return frame.grab().toImage().pixel(x, y); };

    QRect title = frame.titleRect();
    QCOMPARE(title.left(), frame.fontMetrics().averageCharWidth());
    QVERIFY(title.width() >= frame.fontMetrics().horizontalAdvance(QStringLiteral("Beam & Tilt")));
    const int top = title.height() / 2;
    QCOMPARE(pixel(title.left() - 1, top), line);
    QCOMPARE(pixel(title.left() + 1, top), window);
    QCOMPARE(pixel(title.right() + 1, top), line);
    QCOMPARE(pixel(0, 60), line);
    QCOMPARE(pixel(198, 60), line);
    QCOMPARE(pixel(100, 78), line);
    QCOMPARE(pixel(100, 40), window);

    frame.setTitle(QStringLiteral("Beam Tilt Calculator"));
    QVERIFY(frame.titleRect().width() > title.width());
    QCOMPARE(pixel(frame.titleRect().right() + 1, top), line);
    QCOMPARE(QAccessible::queryAccessibleInterface(&frame)->text(QAccessible::Name),
             QStringLiteral("Beam Tilt Calculator"));
    QCOMPARE(frame.requiredWidth(), frame.titleRect().right() + 1 + title.left());

    frame.setTitle(QString());
    QVERIFY(frame.titleRect().isEmpty());
    QCOMPARE(frame.requiredWidth(), 0);
    QCOMPARE(pixel(title.left() + 1, 0), line);
}

void WindowLayoutTest::captionsShowWholeAndTheWindowGrowsWithTheFont() {
    const QFont original = QApplication::font();
    QSize sizes[2];
    for (int i = 0; i < 2; ++i) {
        QFont font = original;
        font.setPointSizeF(i == 0 ? 9 : 14);
        QApplication::setFont(font);
        CalcWindow window;
        sizes[i] = window.size();
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->isHidden() || widget->objectName().isEmpty()) continue;
            QVERIFY2(captionFits(*widget, widget->size()), qPrintable(widget->objectName()));
        }
        // Nothing is cut at the window's edge either.
        QVERIFY(window.childrenRect().right() < window.width());
        QVERIFY(window.childrenRect().bottom() < window.height());
    }
    QApplication::setFont(original);
    QVERIFY(sizes[1].width() > sizes[0].width() * 1.3);
    QVERIFY(sizes[1].height() > sizes[0].height() * 1.3);
}

void WindowLayoutTest::neighbouringRectanglesStayFlush() {
    const DialogUnits units(1.37, 1.61);
    const QRect left = units.toPixels({13, 38, 22, 17});
    const QRect right = units.toPixels({35, 38, 22, 17});
    const QRect below = units.toPixels({13, 55, 22, 17});
    QCOMPARE(left.right() + 1, right.left());
    QCOMPARE(left.bottom() + 1, below.top());
    QCOMPARE(units.toPixels(512, 338), QSize(701, 544));
}

void WindowLayoutTest::unitsWidenJustEnoughForEveryShownCaption() {
    QWidget parent;
    const DialogUnits natural(parent.font());
    auto* label = new QLabel(QStringLiteral("A caption that wraps onto two lines"), &parent);
    label->setWordWrap(true);
    auto* button = new QPushButton(QStringLiteral("&Calculate"), &parent);
    auto* hidden =
        new QPushButton(QStringLiteral("A caption too long for any width at all"), &parent);
    hidden->hide();
    const Placement labelPlace{label, {0, 0, 60, 16}};
    const Placement buttonPlace{button, {0, 20, 30, 14}};
    const std::vector<Placement> cases[] = {
        {labelPlace}, {buttonPlace}, {{hidden, {0, 40, 10, 14}}, labelPlace, buttonPlace}};
    for (const std::vector<Placement>& placements : cases) {
        const DialogUnits units = fittingUnits(parent.font(), placements);
        QVERIFY(units.horizontalUnit() > natural.horizontalUnit());
        QVERIFY(units.horizontalUnit() < 2 * natural.horizontalUnit());
        const DialogUnits narrower(units.horizontalUnit() - natural.horizontalUnit() / 64,
                                   units.verticalUnit());
        bool allFit = true, allFitNarrower = true;
        for (const Placement& placement : placements) {
            if (placement.widget->isHidden()) continue;
            allFit =
                allFit && captionFits(*placement.widget, units.toPixels(placement.rect).size());
            allFitNarrower =
                allFitNarrower &&
                captionFits(*placement.widget, narrower.toPixels(placement.rect).size());
        }
        QVERIFY(allFit);
        QVERIFY(!allFitNarrower);
    }
}

void WindowLayoutTest::operatorGlyphsAreDistinctVectorDrawings() {
    const Glyph glyphs[] = {Glyph::Plus,     Glyph::Minus,  Glyph::Divide,
                            Glyph::Multiply, Glyph::Equals, Glyph::Calculator};
    QList<QImage> images;
    for (Glyph glyph : glyphs) {
        const QImage small = render(glyph, 16);
        const QImage large = render(glyph, 64);
        QVERIFY(inkedPixels(small) > 0);
        // Drawn afresh at each size: the ink grows with the area.
        QVERIFY(inkedPixels(large) > 8 * inkedPixels(small));
        QCOMPARE(qAlpha(large.pixel(0, 0)), 0);
        for (const QImage& other : images) QVERIFY(other != large);
        images << large;
    }
    // The minus is the plus without its upright stroke; the equals has no
    // ink on the middle line where the minus has it.
    const QImage plus = render(Glyph::Plus, 64), minus = render(Glyph::Minus, 64);
    const QImage equals = render(Glyph::Equals, 64);
    QVERIFY(qAlpha(plus.pixel(32, 16)) > 128);
    QCOMPARE(qAlpha(minus.pixel(32, 16)), 0);
    QVERIFY(qAlpha(minus.pixel(32, 32)) > 128);
    QCOMPARE(qAlpha(equals.pixel(32, 32)), 0);

    // The keys' icons paint the same glyphs at twice the pixels on a
    // high-density screen.
    const QPixmap sharp = glyphIcon(Glyph::Plus).pixmap(QSize(16, 16), 2.0);
    QCOMPARE(sharp.size(), QSize(32, 32));
    QCOMPARE(operatorFace(varnock::kMathMultiply), std::optional<Glyph>(Glyph::Multiply));
    QCOMPARE(operatorFace(varnock::kDigit7), std::nullopt);
}

void WindowLayoutTest::readOnlyBoxesStandApartFromThePadInAnyTheme() {
    const QPalette original = QApplication::palette();
    CalcWindow window;
    auto baseOf = [&](int id) { return window.controlWidget(id)->palette().color(QPalette::Base); };
    for (const QPalette& theme : {original, QPalette(QColor(0x30, 0x30, 0x34))}) {
        QApplication::setPalette(theme);
        QApplication::processEvents();  // the change reaches the widgets as events
        const QColor pad = baseOf(varnock::kScratchPad);
        QCOMPARE(pad, window.palette().color(QPalette::Base));
        for (const varnock::Route& route : varnock::focusRoutes()) {
            QVERIFY2(baseOf(route.id) != pad, qPrintable(QString::number(route.id)));
            QCOMPARE(baseOf(route.id), window.palette().color(QPalette::Window));
        }
        // Text stays readable on the tint.
        const QColor text =
            window.controlWidget(varnock::kPathLossBox)->palette().color(QPalette::Text);
        QVERIFY(std::abs(text.lightness() - baseOf(varnock::kPathLossBox).lightness()) > 100);
    }
    QApplication::setPalette(original);
    QApplication::processEvents();
}

void WindowLayoutTest::aboutBoxFollowsItsTable() {
    CAboutDlg box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About Varnock"));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const QStringList labels = labelTexts(box);
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels.at(0), QStringLiteral("Tolvane Calculator Version 1.00"));
    QCOMPARE(labels.at(1), qs(varnock::kAboutDedication));
    QVERIFY(labels.at(1).endsWith(QStringLiteral("recognition.   ")));
    QVERIFY(!labels.at(2).isEmpty());

    auto* ok = box.findChild<QPushButton*>(QStringLiteral("control1"));
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QVERIFY(box.findChild<AboutPicture*>() != nullptr);

    for (QWidget* widget : box.findChildren<QWidget*>()) {
        QVERIFY(captionFits(*widget, widget->size()));
        QVERIFY(box.rect().contains(widget->geometry()));
    }
    // The picture stands left of the texts, as tall as the box allows.
    auto* picture = box.findChild<AboutPicture*>();
    QVERIFY(picture->geometry().right() < ok->geometry().left());
    QVERIFY(picture->height() > box.height() * 0.8);
}

void WindowLayoutTest::aboutBoxClosesWithEscapeAndOk() {
    CAboutDlg escaped;
    escaped.show();
    QVERIFY(QTest::qWaitForWindowExposed(&escaped));
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QVERIFY(!escaped.isVisible());

    CAboutDlg confirmed;
    confirmed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&confirmed));
    QTest::keyClick(&confirmed, Qt::Key_Return);
    QVERIFY(!confirmed.isVisible());
    QCOMPARE(confirmed.result(), int(QDialog::Accepted));
}

void WindowLayoutTest::systemMenuEndsWithTheAboutEntry() {
    const auto entries = varnock::systemMenu();
    QVERIFY(entries.size() >= 2);
    QVERIFY(entries[entries.size() - 2].isSeparator());
    QCOMPARE(qs(entries.back().text), QStringLiteral("&About Varnock..."));
    QCOMPARE(unsigned(entries.back().command), 0x0010u);
}

VARNOCK_DESKTOP_TEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
