// SPDX-License-Identifier: GPL-3.0-or-later
// Lines and pictures the user must see stand at least 3:1 apart from what
// lies round them: the contrast measure itself, the colours chosen from a
// palette, and the rendered window in a light and in dark palettes: the
// boxes' borders, the frames' lines, the focus frames and the keys' pictures.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>

#include "CalcWindow.h"
#include "Contrast.h"
#include "DarkPalette.h"
#include "FrameBox.h"
#include "TestMain.h"
#include "form/ControlIds.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// The palettes the window is shown in: the style's own light one, a dark
// theme, a dark theme that leaves the shading colours of the light one, and
// a palette derived from one dark grey, whose shading is darker than the
// window and whose highlight is navy.
QPalette darkOverLightShading(const QPalette& light) {
    QPalette palette = light;
    const QColor window(53, 53, 53);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        palette.setColor(role, window);
    }
    palette.setColor(QPalette::Base, QColor(25, 25, 25));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, kWhite);
    }
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return palette;
}

void addPalettes() {
    const QPalette light = QApplication::palette();
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << light;
    QTest::newRow("dark") << darkPalette();
    QTest::newRow("dark over light shading") << darkOverLightShading(light);
    QTest::newRow("one dark grey") << QPalette(QColor(34, 32, 32));
}

// Sets the application palette for the life of the object.
class AppPalette {
public:
    explicit AppPalette(const QPalette& palette) : m_original(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~AppPalette() { QApplication::setPalette(m_original); }

private:
    QPalette m_original;
};

QString describe(const QColor& a, const QColor& b) {
    return QStringLiteral("%1 on %2: %3:1")
        .arg(a.name(), b.name())
        .arg(contrastRatio(a, b), 0, 'f', 2);
}

// The middle pixel of each side of a rectangle.
QList<QPoint> sideMiddles(const QRect& rect) {
    const QPoint centre = rect.center();
    return {{rect.left(), centre.y()},
            {rect.right(), centre.y()},
            {centre.x(), rect.top()},
            {centre.x(), rect.bottom()}};
}

QImage imageOf(QWidget& widget) { return widget.grab().toImage(); }

QRect focusFrameOf(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const auto element = qobject_cast<QRadioButton*>(&button) ? QStyle::SE_RadioButtonFocusRect
                         : qobject_cast<QCheckBox*>(&button)  ? QStyle::SE_CheckBoxFocusRect
                                                              : QStyle::SE_PushButtonFocusRect;
    return button.style()->subElementRect(element, &option, &button);
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void ratioFollowsTheLuminanceFormula_data();
    void ratioFollowsTheLuminanceFormula();
    void colourMovesTowardsTheInkJustEnough_data();
    void colourMovesTowardsTheInkJustEnough();
    void bordersAndFrameLinesStandOut_data() { addPalettes(); }
    void bordersAndFrameLinesStandOut();
    void focusFramesStandOut_data() { addPalettes(); }
    void focusFramesStandOut();
    void keyPicturesStandOut_data() { addPalettes(); }
    void keyPicturesStandOut();
};

void ContrastTest::ratioFollowsTheLuminanceFormula_data() {
    QTest::addColumn<QColor>("first");
    QTest::addColumn<QColor>("second");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << kBlack << kWhite << 21.0;
    QTest::newRow("either order") << kWhite << kBlack << 21.0;
    // The lightest grey that passes for text on white.
    QTest::newRow("#767676 on white") << QColor(0x76, 0x76, 0x76) << kWhite << 4.54;
    // Green weighs most in luminance; dark channels lie on the formula's
    // straight part.
    QTest::newRow("pure green on black") << QColor(0, 255, 0) << kBlack << 15.3;
    QTest::newRow("near black") << QColor(10, 10, 10) << kBlack << 1.06;
    QTest::newRow("faint border of a dark theme")
        << QColor(25, 25, 25) << QColor(34, 32, 32) << 1.08;
}

void ContrastTest::ratioFollowsTheLuminanceFormula() {
    QFETCH(QColor, first);
    QFETCH(QColor, second);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(first, second) - ratio) < 0.01,
             qPrintable(describe(first, second)));
}

void ContrastTest::colourMovesTowardsTheInkJustEnough_data() {
    QTest::addColumn<QColor>("preferred");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<QColor>("otherGround");
    QTest::addColumn<bool>("unchanged");

    const QColor lightWindow(239, 239, 239);
    const QColor darkWindow(34, 32, 32);
    QTest::newRow("dark enough already")
        << QColor(100, 100, 100) << kBlack << lightWindow << lightWindow << true;
    QTest::newRow("light grey on a light window")
        << QColor(171, 171, 171) << kBlack << lightWindow << kWhite << false;
    // Darker than the window, moving towards white: it must pass the
    // window's own grey and come out lighter.
    QTest::newRow("shade darker than a dark window")
        << QColor(17, 16, 16) << kWhite << darkWindow << kBlack << false;
    QTest::newRow("navy highlight on a dark window")
        << QColor(0, 0, 128) << kWhite << darkWindow << darkWindow << false;
}

void ContrastTest::colourMovesTowardsTheInkJustEnough() {
    QFETCH(QColor, preferred);
    QFETCH(QColor, ink);
    QFETCH(QColor, ground);
    QFETCH(QColor, otherGround);
    QFETCH(bool, unchanged);

    const QColor chosen = standingOut(preferred, ink, {ground, otherGround});
    const double closest =
        std::min(contrastRatio(chosen, ground), contrastRatio(chosen, otherGround));
    QVERIFY2(closest >= kLineContrast, qPrintable(describe(chosen, ground)));
    QCOMPARE(chosen == preferred, unchanged);
    // Moved no further than needed: just past the ratio, far from the ink's.
    if (!unchanged) QVERIFY2(closest < kLineContrast + 0.3, qPrintable(describe(chosen, ground)));
}

void ContrastTest::bordersAndFrameLinesStandOut() {
    QFETCH(QPalette, palette);
    const AppPalette theme(palette);
    CalcWindow window;
    const QImage image = imageOf(window);
    const QColor ground = window.palette().color(QPalette::Window);
    QCOMPARE(image.pixelColor(0, 0), ground);
    const auto check = [&](const QWidget& widget, const QPoint& point, const QColor& against) {
        const QColor line = image.pixelColor(point);
        QVERIFY2(contrastRatio(line, against) >= kLineContrast,
                 qPrintable(widget.objectName() + QStringLiteral(": ") + describe(line, against)));
    };

    // Each side of every box, against the window and the box's own ground.
    QList<QWidget*> boxes{window.findChild<QPlainTextEdit*>()};
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!box->isHidden()) boxes << box;
    }
    QVERIFY(boxes.size() > 20);
    for (QWidget* box : boxes) {
        const QRect rect = box->geometry();
        const QColor inside = image.pixelColor(rect.topLeft() + QPoint(1, 1));
        for (const QPoint& point : sideMiddles(rect)) {
            check(*box, point, ground);
            check(*box, point, inside);
        }
    }
    // Each frame's line down its left side, halfway.
    const QList<FrameBox*> frames = window.findChildren<FrameBox*>();
    QVERIFY(frames.size() > 20);
    for (FrameBox* frame : frames) {
        const QRect rect = frame->geometry();
        check(*frame, QPoint(rect.left(), rect.center().y()), ground);
    }
}

void ContrastTest::focusFramesStandOut() {
    QFETCH(QPalette, palette);
    const AppPalette theme(palette);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A radio button, the check box, a key and a radio drawn as a key.
    for (int id : {varnock::kMathDegrees, varnock::kCutFringing, varnock::kMilliwattsToDbm,
                   varnock::kPathLossKilometers}) {
        auto* button = qobject_cast<QAbstractButton*>(window.controlWidget(id));
        const QImage before = imageOf(*button);
        // Moved there by the keyboard, as with Alt and a mnemonic.
        button->setFocus(Qt::ShortcutFocusReason);
        QVERIFY(button->hasFocus());
        const QImage focused = imageOf(*button);
        window.setFocus(Qt::ShortcutFocusReason);

        const QRect frame = focusFrameOf(*button);
        QVERIFY(!frame.isEmpty());
        for (const QPoint& point : sideMiddles(frame)) {
            const QColor mark = focused.pixelColor(point);
            const QColor ground = before.pixelColor(point);
            QVERIFY2(
                contrastRatio(mark, ground) >= kLineContrast,
                qPrintable(QStringLiteral("%1 at %2,%3: ").arg(id).arg(point.x()).arg(point.y()) +
                           describe(mark, ground)));
        }
    }
}

void ContrastTest::keyPicturesStandOut() {
    QFETCH(QPalette, palette);
    const AppPalette theme(palette);
    CalcWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int id : {varnock::kMathAdd, varnock::kMathSubtract, varnock::kMathDivide,
                   varnock::kMathMultiply, varnock::kMathEquals}) {
        auto* key = qobject_cast<QPushButton*>(window.controlWidget(id));
        const QImage image = imageOf(*key);
        QRect picture(QPoint(0, 0), key->iconSize());
        picture.moveCenter(key->rect().center());
        // The key's face, row by row (it may be shaded top to bottom), left
        // of the picture's strokes.
        int inked = 0;
        for (int y = picture.top(); y <= picture.bottom(); ++y) {
            const QColor face = image.pixelColor(picture.left(), y);
            for (int x = picture.left(); x <= picture.right(); ++x) {
                inked += contrastRatio(image.pixelColor(x, y), face) >= kLineContrast;
            }
        }
        // At least a stroke's worth: one pixel for each row of the picture.
        QVERIFY2(inked >= picture.height(),
                 qPrintable(QStringLiteral("%1: %2 pixels").arg(id).arg(inked)));
    }
}

VARNOCK_DESKTOP_TEST_MAIN(ContrastTest)
#include "ContrastTest.moc"
