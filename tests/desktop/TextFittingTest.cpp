// SPDX-License-Identifier: GPL-3.0-or-later
// How a text wider than its box is drawn, apart from any widget: measured
// with made-up fonts, one where every character is one unit wide and one
// with widths as uneven as a real font's.
#include <QTest>
#include <algorithm>

#include "RenderingChecks.h"
#include "TextFitting.h"

namespace {

int monospaceWidth(const QString& text) { return int(text.size()); }

// Digits 7 units, the point 3, the minus 4, the plus and letters 8 or 9, the
// mark 10: the mark costs more than a digit, as in most fonts.
int unevenWidth(const QString& text) {
    int width = 0;
    for (QChar c : text) {
        if (c.isDigit()) {
            width += 7;
        } else if (c == u'.') {
            width += 3;
        } else if (c == u'-') {
            width += 4;
        } else if (c == kLeftOutMark) {
            width += 10;
        } else {
            width += c.isUpper() ? 9 : 8;
        }
    }
    return width;
}

const QString kOnePlus62Zeros = QStringLiteral("1") + QString(62, u'0');

}  // namespace

class TextFittingTest : public QObject {
    Q_OBJECT

private slots:
    void renderings_data();
    void renderings();
    void everyTextInEveryRoom_data();
    void everyTextInEveryRoom();
};

void TextFittingTest::renderings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<KeptEnd>("keep");
    QTest::addColumn<QString>("shown");
    const KeptEnd lead = KeptEnd::Leading;
    const KeptEnd typed = KeptEnd::Trailing;
    // clang-format off
    QTest::newRow("fits") << "100000000000" << 12 << lead << "100000000000";
    QTest::newRow("fits exactly typed") << "1.0000000" << 9 << typed << "1.0000000";
    QTest::newRow("exponent kept") << "6.66666666666667e+15" << 13 << lead << "6.666667…e+15";
    QTest::newRow("one digit fewer") << "6.66666666666667e+15" << 12 << lead << "6.66667…e+15";
    QTest::newRow("negative exponent") << "3.33333333333333e-07" << 12 << lead << "3.33333…e-07";
    QTest::newRow("sign and three-digit exponent") << "-1.23456789012346e-308" << 12 << lead
                                                   << "-1.235…e-308";
    QTest::newRow("zeros need no mark") << "100000000000" << 10 << lead << "1e+11";
    QTest::newRow("integer to exponent") << "123456789012" << 10 << lead << "1.235…e+11";
    QTest::newRow("carry raises the exponent") << "9.99999999999999e+15" << 10 << lead
                                               << "1.000…e+16";
    QTest::newRow("integer carry") << "999999999999999" << 10 << lead << "1.000…e+15";
    QTest::newRow("decimals dropped") << "12345.6789012345" << 10 << lead << "12345.679…";
    QTest::newRow("small fixed before exponent") << "0.000123456789012345" << 10 << lead
                                                 << "0.0001235…";
    QTest::newRow("small negative fixed") << "-0.000123456789012345" << 10 << lead
                                          << "-0.000123…";
    QTest::newRow("fixed carry too wide") << "99999.99999999" << 8 << lead << "1.0…e+05";
    QTest::newRow("number in the display") << "6.66666666666667e+15" << 12 << typed
                                           << "6.66667…e+15";
    QTest::newRow("marker text") << "0VER HORIZ" << 8 << lead << "0VER HO…";
    QTest::newRow("typed zeros") << kOnePlus62Zeros << 13 << typed << "1…00000000000";
    QTest::newRow("typed negative") << "-1" + QString(30, u'0') << 10 << typed << "-1…0000000";
    QTest::newRow("typed after the point") << "1.000000000000" << 10 << typed << "1…00000000";
    QTest::newRow("not a number") << "-nan" << 4 << lead << "-nan";
    QTest::newRow("infinity") << "-inf" << 3 << lead << "-i…";
    QTest::newRow("own notation") << "-33.3333333333333e+100" << 13 << lead << "-3.3333…e+101";
    QTest::newRow("own notation typed") << "-33.3333333333333e+100" << 13 << typed
                                        << "-3…33333e+100";
    QTest::newRow("trailing zeros") << "100.500" << 6 << lead << "100.50";
    QTest::newRow("zeros") << "-0.00000000" << 6 << lead << "-0";
    QTest::newRow("room for none") << "-1.23456789012346e-308" << 3 << lead << "-1…e-308";
    QTest::newRow("room for no character") << "0VER HORIZ" << 0 << lead << "…";
    // clang-format on
}

void TextFittingTest::renderings() {
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(KeptEnd, keep);
    QFETCH(QString, shown);
    QCOMPARE(fitBoxText(text, monospaceWidth, room, keep), shown);
}

void TextFittingTest::everyTextInEveryRoom_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("characters");
    QTest::addColumn<KeptEnd>("keep");
    QTest::addColumn<bool>("uneven");
    // The panel boxes show 10 to 13 characters, the display 22.
    for (const QString& text : boxTextClasses()) {
        for (int characters : {9, 10, 13, 22}) {
            for (KeptEnd keep : {KeptEnd::Leading, KeptEnd::Trailing}) {
                for (bool uneven : {false, true}) {
                    QTest::addRow("%s in %d %s%s", qPrintable(text.left(24)), characters,
                                  keep == KeptEnd::Leading ? "leading" : "trailing",
                                  uneven ? " uneven" : "")
                        << text << characters << keep << uneven;
                }
            }
        }
    }
}

void TextFittingTest::everyTextInEveryRoom() {
    QFETCH(QString, text);
    QFETCH(int, characters);
    QFETCH(KeptEnd, keep);
    QFETCH(bool, uneven);
    const TextWidth width = uneven ? TextWidth(unevenWidth) : TextWidth(monospaceWidth);
    // A digit is 7 units wide in the uneven font.
    const int room = uneven ? characters * 7 : characters;
    const QString shown = fitBoxText(text, width, room, keep);
    const QString fault = renderingFault(text, shown, width, room, keep);
    QVERIFY2(fault.isEmpty(), qPrintable(shown + QStringLiteral(": ") + fault));
    // A number keeps every digit the room has space for beside its sign,
    // point, mark and exponent (at most 8 characters together).
    if (!uneven && isFinishedNumber(text)) {
        const int available = std::min(significantDigits(text, true), room - 8);
        QVERIFY2(significantDigits(shown, false) >= available, qPrintable(shown));
    }
}

QTEST_APPLESS_MAIN(TextFittingTest)
#include "TextFittingTest.moc"
