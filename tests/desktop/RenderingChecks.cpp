// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenderingChecks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

QString zeros(int count) { return QString(count, u'0'); }

QString mantissaOf(const QString& number) {
    const qsizetype exponent = number.indexOf(u'e');
    return exponent < 0 ? number : number.left(exponent);
}

int exponentOf(const QString& number) {
    const qsizetype exponent = number.indexOf(u'e');
    return exponent < 0 ? 0 : number.mid(exponent + 1).toInt();
}

int decimalsOf(const QString& number) {
    const QString mantissa = mantissaOf(number);
    const qsizetype point = mantissa.indexOf(u'.');
    return point < 0 ? 0 : int(mantissa.size() - point - 1);
}

// Reads the whole text as a number, or fails.
bool readWhole(const QString& text, double& value) {
    const QByteArray bytes = text.toLatin1();
    char* end = nullptr;
    value = std::strtod(bytes.constData(), &end);
    return !bytes.isEmpty() && end == bytes.constData() + bytes.size();
}

QString numberFault(const QString& text, const QString& shown) {
    const QString unmarked = QString(shown).remove(kLeftOutMark);
    double value = 0;
    double read = 0;
    readWhole(text, value);
    if (!readWhole(unmarked, read)) return QStringLiteral("does not read as a number");
    if (std::signbit(read) != std::signbit(value)) return QStringLiteral("lost the sign");
    // Half a unit of the last digit shown.
    const long double unit = std::pow(10.0L, exponentOf(unmarked) - decimalsOf(unmarked));
    const long double error = std::fabs(static_cast<long double>(read) - value);
    if (error > unit / 2 * (1 + 1e-12L)) {
        return QStringLiteral("reads %1, off by more than the last digit shown").arg(read);
    }
    const bool exact =
        significantDigits(unmarked, false) >= significantDigits(text, true) && read == value;
    const qsizetype mark = shown.indexOf(kLeftOutMark);
    if (exact != (mark < 0)) {
        return exact ? QStringLiteral("marked though whole") : QStringLiteral("unmarked");
    }
    const qsizetype exponent = unmarked.indexOf(u'e');
    if (mark >= 0 && mark != (exponent < 0 ? unmarked.size() : exponent)) {
        return QStringLiteral("the mark is not where the digits are left out");
    }
    return {};
}

QString textFault(const QString& text, const QString& shown, KeptEnd keep) {
    if (shown.count(kLeftOutMark) != 1) return QStringLiteral("not one mark");
    const qsizetype mark = shown.indexOf(kLeftOutMark);
    const QString before = shown.left(mark);
    const QString after = shown.mid(mark + 1);
    if (!text.startsWith(before) || !text.endsWith(after) ||
        before.size() + after.size() >= text.size()) {
        return QStringLiteral("shows what the text does not hold");
    }
    if (keep == KeptEnd::Leading && !after.isEmpty()) return QStringLiteral("keeps the end");
    const bool hasSign = text.startsWith(u'-');
    if (keep == KeptEnd::Trailing && before != text.left(hasSign ? 2 : 1)) {
        return QStringLiteral("drops the sign or the first digit");
    }
    return {};
}

}  // namespace

QStringList boxTextClasses() {
    return {
        QStringLiteral("0"),
        QStringLiteral("-0"),
        QStringLiteral("0.1"),
        QStringLiteral("6.66666666666667e+15"),
        QStringLiteral("-6.66666666666667e+15"),
        QStringLiteral("3.33333333333333e-07"),
        QStringLiteral("-1.23456789012346e-308"),
        QStringLiteral("1.79769313486232e+308"),
        QStringLiteral("4.94065645841247e-324"),
        QStringLiteral("9.99999999999999e+15"),
        QStringLiteral("1e+100"),
        QStringLiteral("100000000000"),
        QStringLiteral("-123456789012345"),
        QStringLiteral("999999999999999"),
        QStringLiteral("12345.6789012345"),
        QStringLiteral("99999.99999999"),
        QStringLiteral("-0.000123456789012345"),
        QStringLiteral("0.999999999999999"),
        QStringLiteral("-33.3333333333333e+100"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("nan"),
        QStringLiteral("-nan"),
        QStringLiteral("0VER HORIZ"),
        QStringLiteral("1") + zeros(62),
        QStringLiteral("-1") + zeros(30),
        QStringLiteral("1.") + zeros(20),
        QStringLiteral("0.") + zeros(25),
        QStringLiteral("123456789012345") + zeros(8),
    };
}

bool isFinishedNumber(const QString& text) {
    double value = 0;
    if (!readWhole(text, value) || !std::isfinite(value)) return false;
    char written[32];
    std::snprintf(written, sizeof written, "%.15g", value);
    return text == QLatin1String(written);
}

int significantDigits(const QString& number, bool withoutTrailingZeros) {
    QString digits;
    for (QChar c : mantissaOf(number)) {
        if (c.isDigit() && (c != u'0' || !digits.isEmpty())) digits += c;
    }
    while (withoutTrailingZeros && digits.endsWith(u'0')) digits.chop(1);
    return int(digits.size());
}

QString renderingFault(const QString& text, const QString& shown, const TextWidth& width, int room,
                       KeptEnd keep) {
    if (width(text) <= room) {
        return shown == text ? QString() : QStringLiteral("a text that fits is drawn otherwise");
    }
    if (width(shown) > room) {
        return QStringLiteral("%1 units wide in a room of %2").arg(width(shown)).arg(room);
    }
    double value = 0;
    const bool number = readWhole(text, value) && std::isfinite(value) &&
                        (keep == KeptEnd::Leading || isFinishedNumber(text));
    return number ? numberFault(text, shown) : textFault(text, shown, keep);
}
