// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a small screen: the choice of the window font's size against
// made-up windows, and the real window on the virtual screen of this run
// (ctest runs the test once on each screen of tests/desktop/screens), at the
// desktop's font and at a font two points larger.
#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <vector>

#include "CalcWindow.h"
#include "ControlFactory.h"
#include "ScreenFit.h"
#include "TestMain.h"

namespace {

// A made-up window: so many pixels per point of its font across and down,
// and some pixels more across from a font size on, as when captions need
// wider units.
struct ModelWindow {
    double widthPerPoint;
    double heightPerPoint;
    double jumpFrom = 0;  // no jump unless set
    int jump = 0;

    QSize at(double points) const {
        const int extra = jumpFrom > 0 && points >= jumpFrom ? jump : 0;
        return QSize(int(std::lround(widthPerPoint * points)) + extra,
                     int(std::lround(heightPerPoint * points)));
    }
};

// Sizes of a 96 dpi screen, a pixel (0.75 points) apart, from 11 points.
const std::vector<double> kFrom11 = {11, 10.5, 9.75, 9, 8.25, 7.5};
const QMargins kFrame(4, 34, 4, 4);
const QMargins kNoFrame;

// Sets the application font for the life of the object, in points or in
// whole pixels (as some desktops give it).
class AppFont {
public:
    explicit AppFont(double points, bool inPixels = false) : m_original(QApplication::font()) {
        QFont font = m_original;
        font.setPointSizeF(points);
        if (inPixels) font.setPixelSize(QFontInfo(font).pixelSize());
        QApplication::setFont(font);
    }
    ~AppFont() { QApplication::setFont(m_original); }

private:
    QFont m_original;
};

bool frameFits(const QWidget& window, const QMargins& frame, const QRect& available) {
    const QSize whole = window.size().grownBy(frame);
    return whole.width() <= available.width() && whole.height() <= available.height();
}

QList<double> listOf(const std::vector<double>& sizes) { return {sizes.begin(), sizes.end()}; }

}  // namespace

Q_DECLARE_METATYPE(ModelWindow)

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void sizesGoDownAPixelAtATime_data();
    void sizesGoDownAPixelAtATime();
    void largestSizeThatFitsIsChosen_data();
    void largestSizeThatFitsIsChosen();
    void windowFitsThisScreen_data();
    void windowFitsThisScreen();
};

void ScreenFitTest::sizesGoDownAPixelAtATime_data() {
    QTest::addColumn<double>("desktop");
    QTest::addColumn<double>("pointsPerPixel");
    QTest::addColumn<QList<double>>("sizes");
    QTest::newRow("11 pt at 96 dpi") << 11.0 << 0.75 << listOf(kFrom11);
    // 10 points are drawn at 13 pixels: the next size down is 12 pixels.
    QTest::newRow("between pixels") << 10.0 << 0.75 << QList<double>{10, 9, 8.25, 7.5};
    QTest::newRow("already smaller") << 6.0 << 0.75 << QList<double>{6};
    // At 144 dpi half points are whole pixels, and 7 points one of them.
    QTest::newRow("144 dpi") << 9.0 << 0.5 << QList<double>{9, 8.5, 8, 7.5, 7};
}

void ScreenFitTest::sizesGoDownAPixelAtATime() {
    QFETCH(double, desktop);
    QFETCH(double, pointsPerPixel);
    QFETCH(QList<double>, sizes);
    QCOMPARE(listOf(windowFontSizes(desktop, pointsPerPixel)), sizes);
}

void ScreenFitTest::largestSizeThatFitsIsChosen_data() {
    QTest::addColumn<std::vector<double>>("sizes");
    QTest::addColumn<ModelWindow>("window");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("mostMeasured");

    const ModelWindow proportional{116, 68};
    const int all = int(kFrom11.size());
    // 11 points: 1276 x 748 pixels.
    QTest::newRow("fits at the desktop's font")
        << kFrom11 << proportional << QSize(1920, 1080) << kFrame << 11.0 << true << 1;
    QTest::newRow("exactly fits") << kFrom11 << proportional << QSize(1276, 748) << kNoFrame << 11.0
                                  << true << 1;
    QTest::newRow("the frame counts")
        << kFrom11 << proportional << QSize(1276, 748) << kFrame << 9.75 << true << all;
    QTest::newRow("height decides")
        << kFrom11 << proportional << QSize(1366, 768) << kFrame << 10.5 << true << all;
    QTest::newRow("width decides")
        << kFrom11 << proportional << QSize(1024, 900) << kFrame << 8.25 << true << all;
    QTest::newRow("one pixel short of a size")
        << kFrom11 << proportional << QSize(1130, 663) << kNoFrame << 9.0 << true << all;
    QTest::newRow("too small at any size")
        << kFrom11 << proportional << QSize(640, 480) << kFrame << 7.5 << false << all;
    QTest::newRow("desktop font below the smallest")
        << std::vector<double>{6} << proportional << QSize(600, 400) << kFrame << 6.0 << false << 1;
    // Wider by 300 pixels from 10 points on: the first guess falls short and
    // larger sizes are tried up to the last that fits.
    QTest::newRow("guess too small") << kFrom11 << ModelWindow{100, 40, 10, 300} << QSize(1060, 600)
                                     << kNoFrame << 9.75 << true << all;
    // A window that shrinks less than its font: the guess is too large.
    QTest::newRow("guess too large") << kFrom11 << ModelWindow{60, 40, 1, 600} << QSize(1060, 600)
                                     << kNoFrame << 7.5 << true << all;
}

void ScreenFitTest::largestSizeThatFitsIsChosen() {
    QFETCH(std::vector<double>, sizes);
    QFETCH(ModelWindow, window);
    QFETCH(QSize, available);
    QFETCH(QMargins, frame);
    QFETCH(double, points);
    QFETCH(bool, fits);
    QFETCH(int, mostMeasured);

    int measured = 0;
    const FontFit fit = fittingFont(sizes, available, frame, [&](double size) {
        ++measured;
        return window.at(size);
    });
    QCOMPARE(fit.points, points);
    QCOMPARE(fit.fits, fits);
    QVERIFY2(measured <= mostMeasured, qPrintable(QString::number(measured)));
}

void ScreenFitTest::windowFitsThisScreen_data() {
    QTest::addColumn<double>("larger");
    QTest::addColumn<bool>("inPixels");
    QTest::newRow("desktop font") << 0.0 << false;
    QTest::newRow("two points larger") << 2.0 << false;
    QTest::newRow("two points larger, given in pixels") << 2.0 << true;
}

void ScreenFitTest::windowFitsThisScreen() {
    QFETCH(double, larger);
    QFETCH(bool, inPixels);
    const AppFont font(QApplication::font().pointSizeF() + larger, inPixels);
    const QFont desktopFont = QApplication::font();
    const std::vector<double> sizes =
        windowFontSizes(pointSizeOf(desktopFont), pointsPerPixel(desktopFont));

    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    const double points = pointSizeOf(window.font());
    const auto size = std::find(sizes.begin(), sizes.end(), points);
    QVERIFY2(size != sizes.end(), qPrintable(QString::number(points)));

    // The layout is whole at whatever size the font took.
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isHidden() || widget->objectName().isEmpty()) continue;
        QVERIFY2(captionFits(*widget, widget->size()), qPrintable(widget->objectName()));
    }
    QVERIFY(window.rect().contains(window.childrenRect()));

    const QMargins estimate = estimatedFrame(desktopFont);
    const QMargins actual(window.geometry().left() - window.frameGeometry().left(),
                          window.geometry().top() - window.frameGeometry().top(),
                          window.frameGeometry().right() - window.geometry().right(),
                          window.frameGeometry().bottom() - window.geometry().bottom());
    QVERIFY(estimate.top() >= actual.top() && estimate.left() >= actual.left());
    QVERIFY(estimate.right() >= actual.right() && estimate.bottom() >= actual.bottom());

    if (frameFits(window, estimate, available)) {
        QVERIFY(available.contains(window.frameGeometry()));
    } else {
        // Too large even at the smallest font: shown from its top left corner.
        QCOMPARE(points, sizes.back());
        QCOMPARE(window.frameGeometry().topLeft(), available.topLeft());
    }
    if (size == sizes.begin()) return;

    // Shrunk just enough: a window with a font one pixel larger does not fit
    // and shrinks itself.
    const double nextLarger = *(size - 1);
    const AppFont oneLarger(nextLarger);
    CalcWindow largerWindow;
    QVERIFY2(pointSizeOf(largerWindow.font()) < nextLarger,
             qPrintable(QStringLiteral("%1 at %2").arg(nextLarger).arg(points)));
}

VARNOCK_DESKTOP_TEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
