// SPDX-License-Identifier: GPL-3.0-or-later
// A refusal is seen as well as heard: every beep lights a band along the
// window's edge for a moment, over nothing the window shows, without moving
// the focus or changing a text, and steadily where the desktop reduces motion.
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "ReducedMotion.h"
#include "RefusalFlash.h"
#include "TestMain.h"
#include "WindowDriver.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"

namespace {

constexpr int kSettle = 2000;  // ms: the longest a flash may take to end

RefusalFlash* flashOf(const CalcWindow& window) {
    return window.findChild<RefusalFlash*>(QString(), Qt::FindDirectChildrenOnly);
}

bool isShowing(const CalcWindow& window) {
    const RefusalFlash* flash = flashOf(window);
    return flash != nullptr && flash->isVisible() && flash->strength() > 0;
}

QStringList everyText(const WindowDriver& driver) {
    QStringList texts;
    for (const varnock::ControlSpec& row : varnock::controls()) {
        if (row.id != varnock::kUnaddressed) texts << driver.text(row.id);
    }
    return texts;
}

// Desktop configuration in folders of its own, for the duration of a test.
class DesktopSettings {
public:
    DesktopSettings() {
        qputenv("XDG_CONFIG_HOME", m_user.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_system.path().toUtf8());
    }
    ~DesktopSettings() {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_DIRS");
    }

    void write(bool system, const QString& file, const QByteArray& content) {
        const QString path = (system ? m_system : m_user).filePath(file);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }

private:
    QTemporaryDir m_user;
    QTemporaryDir m_system;
};

}  // namespace

class RefusalFlashTest : public QObject {
    Q_OBJECT

private slots:
    void everyRefusalShows_data();
    void everyRefusalShows();
    void drawsOverNothingAndLeavesNothing();
    void keepsTheFocusAndEveryText();
    void desktopSettingsThatReduceMotion_data();
    void desktopSettingsThatReduceMotion();
    void reducedMotionShowsASteadyMark();
    void otherwiseTheMarkFades();
    void markStandsOutFromTheWindow_data();
    void markStandsOutFromTheWindow();
};

// Each way the calculator refuses a key beeps once and lights the band.
void RefusalFlashTest::everyRefusalShows_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("click");
    QTest::newRow("a second point") << QStringLiteral("1..") << 0;
    // The display starts as "0"; each zero typed then adds one character.
    QTest::newRow("the 64th character")
        << QString(int(varnock::kMaxBoxText), QLatin1Char('0')) << 0;
    // From sixteen integer digits on, the display shows exponent notation.
    QTest::newRow("a digit in exponent notation") << QString(17, QLatin1Char('1')) << 0;
    QTest::newRow("a click into a read-only box") << QString() << varnock::kPathLossBox;
    QTest::newRow("a click into the display") << QString() << int(varnock::kDisplay);
    QTest::newRow("the pad's Exit") << QString() << varnock::kPadExit;
    QTest::newRow("the pad's Clear") << QString() << varnock::kPadClear;
}

void RefusalFlashTest::everyRefusalShows() {
    QFETCH(QString, keys);
    QFETCH(int, click);
    WindowDriver driver;
    QVERIFY(!isShowing(driver.window));
    driver.type(keys);
    if (click != 0) driver.click(click);
    QCOMPARE(driver.beeps.count(), 1);
    QVERIFY(isShowing(driver.window));
    QTRY_VERIFY_WITH_TIMEOUT(!isShowing(driver.window), kSettle);
}

// The band covers only the empty margin at the window's edge: outside it,
// every pixel is as it was, and once the moment is over, every pixel is.
void RefusalFlashTest::drawsOverNothingAndLeavesNothing() {
    WindowDriver driver;
    const QImage before = driver.window.grab().toImage();
    driver.window.beep();
    RefusalFlash* flash = flashOf(driver.window);
    QVERIFY(flash != nullptr && flash->isVisible());
    const QRegion band = flash->mask();
    for (const QObject* child : driver.window.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || widget == flash || widget->isHidden()) continue;
        QVERIFY2(!band.intersects(widget->geometry()), qPrintable(widget->objectName()));
    }
    const QImage during = driver.window.grab().toImage();
    QCOMPARE(during.size(), before.size());
    const qreal ratio = during.devicePixelRatio();
    int changedInBand = 0;
    for (int y = 0; y < during.height(); ++y) {
        for (int x = 0; x < during.width(); ++x) {
            const bool inBand = band.contains(QPoint(int(x / ratio), int(y / ratio)));
            const bool changed = during.pixel(x, y) != before.pixel(x, y);
            if (inBand) changedInBand += changed;
            QVERIFY2(inBand || !changed, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    // The band lights all round the window.
    QVERIFY(changedInBand > 2 * (during.width() + during.height()));

    QTRY_VERIFY_WITH_TIMEOUT(!flash->isVisible(), kSettle);
    QCOMPARE(driver.window.grab().toImage(), before);
}

void RefusalFlashTest::keepsTheFocusAndEveryText() {
    WindowDriver driver;
    driver.type("12.5");
    driver.click(varnock::kScratchPad);
    driver.type("note");
    QWidget* focus = driver.focus();
    QCOMPARE(focus, driver.control(varnock::kScratchPad));
    const QStringList texts = everyText(driver);
    driver.window.beep();
    QVERIFY(isShowing(driver.window));
    QCOMPARE(driver.focus(), focus);
    QCOMPARE(everyText(driver), texts);
    // Typing goes on where it was.
    driver.type("s");
    QCOMPARE(driver.text(varnock::kScratchPad), QStringLiteral("notes"));
    QTRY_VERIFY_WITH_TIMEOUT(!isShowing(driver.window), kSettle);
    QCOMPARE(driver.focus(), focus);
}

void RefusalFlashTest::desktopSettingsThatReduceMotion_data() {
    QTest::addColumn<bool>("system");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("reduces");
    const QString kde = QStringLiteral("kdeglobals");
    const QString gtk3 = QStringLiteral("gtk-3.0/settings.ini");
    const QString gtk4 = QStringLiteral("gtk-4.0/settings.ini");
    QTest::newRow("nothing set") << false << QString() << QByteArray() << false;
    QTest::newRow("KDE instant") << false << kde
                                 << QByteArray(
                                        "[General]\nColorScheme=Breeze\n\n"
                                        "[KDE]\nAnimationDurationFactor=0\n")
                                 << true;
    QTest::newRow("KDE instant, written as 0.0")
        << false << kde << QByteArray("[KDE]\nAnimationDurationFactor=0.0\n") << true;
    QTest::newRow("KDE slower") << false << kde
                                << QByteArray("[KDE]\nAnimationDurationFactor=0.5\n") << false;
    QTest::newRow("KDE, another group")
        << false << kde << QByteArray("[Other]\nAnimationDurationFactor=0\n") << false;
    QTest::newRow("KDE, system-wide")
        << true << kde << QByteArray("[KDE]\nAnimationDurationFactor=0\n") << true;
    QTest::newRow("GTK 3 off") << false << gtk3
                               << QByteArray("[Settings]\ngtk-enable-animations=false\n") << true;
    QTest::newRow("GTK 3 off, as 0")
        << false << gtk3 << QByteArray("[Settings]\ngtk-enable-animations=0\n") << true;
    QTest::newRow("GTK 3 on") << false << gtk3
                              << QByteArray("[Settings]\ngtk-enable-animations=true\n") << false;
    QTest::newRow("GTK 4 off") << false << gtk4
                               << QByteArray("[Settings]\ngtk-enable-animations=FALSE\n") << true;
    QTest::newRow("GTK, other settings only")
        << false << gtk3 << QByteArray("[Settings]\ngtk-theme-name=Adwaita\n") << false;
}

void RefusalFlashTest::desktopSettingsThatReduceMotion() {
    QFETCH(bool, system);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, reduces);
    DesktopSettings settings;
    if (!file.isEmpty()) settings.write(system, file, content);
    QCOMPARE(desktopReducesMotion(), reduces);
}

// The user's own setting wins over the system's.
void RefusalFlashTest::reducedMotionShowsASteadyMark() {
    DesktopSettings settings;
    settings.write(true, QStringLiteral("gtk-3.0/settings.ini"),
                   "[Settings]\ngtk-enable-animations=true\n");
    settings.write(false, QStringLiteral("gtk-3.0/settings.ini"),
                   "[Settings]\ngtk-enable-animations=false\n");
    WindowDriver driver;
    QElapsedTimer clock;
    clock.start();
    driver.window.beep();
    RefusalFlash* flash = flashOf(driver.window);
    QVERIFY(flash->isSteady());
    while (flash->isVisible()) {
        QCOMPARE(flash->strength(), 1.0);
        QVERIFY(clock.elapsed() < kSettle);
        QTest::qWait(10);
    }
    QVERIFY(clock.elapsed() >= FlashCurve::kMomentMs);
}

void RefusalFlashTest::otherwiseTheMarkFades() {
    DesktopSettings settings;
    settings.write(true, QStringLiteral("gtk-3.0/settings.ini"),
                   "[Settings]\ngtk-enable-animations=false\n");
    settings.write(false, QStringLiteral("gtk-3.0/settings.ini"),
                   "[Settings]\ngtk-enable-animations=true\n");
    WindowDriver driver;
    driver.window.beep();
    RefusalFlash* flash = flashOf(driver.window);
    QVERIFY(!flash->isSteady());
    const QDeadlineTimer deadline(kSettle);
    qreal faintest = 1;
    while (flash->isVisible()) {
        faintest = std::min(faintest, flash->strength());
        QVERIFY(!deadline.hasExpired());
        QTest::qWait(10);
    }
    QVERIFY(faintest > 0 && faintest < 1);
}

void RefusalFlashTest::markStandsOutFromTheWindow_data() {
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("mark");
    const QColor black(Qt::black), white(Qt::white);
    const QColor light(0xef, 0xef, 0xef), dark(0x2a, 0x2a, 0x2a), blue(0x30, 0x8c, 0xc6);
    const QColor paleYellow(0xff, 0xf5, 0xc0), sky(0x3d, 0xae, 0xe9), navy(0x1d, 0x2b, 0x53);
    QTest::newRow("blue on light grey") << light << blue << black << blue;
    QTest::newRow("sky blue on dark grey") << dark << sky << white << sky;
    QTest::newRow("highlight as the window") << light << light << black << black;
    QTest::newRow("pale yellow on light grey") << light << paleYellow << black << black;
    QTest::newRow("navy on dark grey") << dark << navy << white << white;
}

void RefusalFlashTest::markStandsOutFromTheWindow() {
    QFETCH(QColor, window);
    QFETCH(QColor, highlight);
    QFETCH(QColor, text);
    QFETCH(QColor, mark);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::WindowText, text);
    QCOMPARE(RefusalFlash::markColour(palette), mark);
}

VARNOCK_DESKTOP_TEST_MAIN(RefusalFlashTest)
#include "RefusalFlashTest.moc"
