// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFitting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "form/NumberText.h"

namespace {

// A rendering of a value and the significant digits it shows.
struct Rendering {
    int digits;
    QString number;
};

QString toText(const std::string& text) { return QString::fromStdString(text); }

double valueOf(const QString& text) { return varnock::parseNumber(text.toStdString()); }

// The value of a text that reads whole as a finite number; nothing for other
// text ("inf", "0VER HORIZ"). Where typed digits stay in view, only a number
// finished as "%.15g" writes it counts: "100." or "1.50" is still being typed.
std::optional<double> numberOf(const QString& text, KeptEnd keep) {
    const QByteArray bytes = text.toLatin1();
    char* end = nullptr;
    const double value = std::strtod(bytes.constData(), &end);
    const bool whole = !bytes.isEmpty() && end == bytes.constData() + bytes.size();
    if (!whole || !std::isfinite(value)) return std::nullopt;
    if (keep == KeptEnd::Trailing && toText(varnock::formatDouble(value)) != text) {
        return std::nullopt;
    }
    return value;
}

// printf's "%.*e" or "%.*f" in the "C" locale.
QString formatted(double value, std::chars_format format, int decimals) {
    char buffer[64];
    const std::to_chars_result end =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, decimals);
    if (end.ec != std::errc{}) return {};
    return QString::fromLatin1(buffer, end.ptr - buffer);
}

QStringView mantissaOf(const QString& number) {
    const qsizetype exponent = number.indexOf(u'e');
    return exponent < 0 ? QStringView(number) : QStringView(number).left(exponent);
}

// The mantissa's digits from the first one that is not zero: "0.0120" shows 3.
int shownDigits(const QString& number) {
    int digits = 0;
    bool started = false;
    for (QChar c : mantissaOf(number)) {
        if (!c.isDigit()) continue;
        started = started || c != u'0';
        digits += started ? 1 : 0;
    }
    return digits;
}

// The digits that carry the value: "100000000000" has 1, "0.0125" has 3.
int valueDigits(const QString& number) {
    QString digits;
    for (QChar c : mantissaOf(number)) {
        if (c.isDigit()) digits += c;
    }
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    while (digits.endsWith(u'0')) digits.chop(1);
    return std::max(1, int(digits.size()));
}

// Every shorter rendering of a finished number, the most digits first and,
// among as many digits, the fixed form first. A fixed form keeps at least
// one decimal, so that a mark after it cannot pass for more integer digits.
std::vector<Rendering> renderingsOf(const QString& text, double value, int wholeDigits) {
    // Zeros leave nothing out: "0.000000" is "0".
    if (value == 0) return {{wholeDigits, toText(varnock::formatDouble(value))}};
    std::vector<Rendering> found;
    const auto add = [&found](const QString& number) {
        const int digits = shownDigits(number);
        if (digits > 0) found.push_back({digits, number});
    };
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0 && text.indexOf(u'e') < 0) {
        const int decimals = int(text.size() - point - 1);
        for (int kept = decimals - 1; kept >= 1; --kept) {
            add(formatted(value, std::chars_format::fixed, kept));
        }
    }
    for (int digits = wholeDigits; digits >= 1; --digits) {
        add(formatted(value, std::chars_format::scientific, digits - 1));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Rendering& a, const Rendering& b) { return a.digits > b.digits; });
    return found;
}

// The mark goes where the digits are left out: before the exponent.
QString withMark(QString number) {
    const qsizetype exponent = number.indexOf(u'e');
    return number.insert(exponent < 0 ? number.size() : exponent, kLeftOutMark);
}

QString fitNumber(const QString& text, double value, const TextWidth& width, int room) {
    const int wholeDigits = valueDigits(text);
    QString shown = text;
    for (const Rendering& rendering : renderingsOf(text, value, wholeDigits)) {
        // Fewer digits than the text's own are digits left out, even where
        // they would read back as the same double; as many can still round
        // to another number ("99999.99999999" to "100000.0000000").
        const bool exact = rendering.digits >= wholeDigits && valueOf(rendering.number) == value;
        shown = exact ? rendering.number : withMark(rendering.number);
        if (width(shown) <= room) break;
    }
    return shown;
}

// The most characters, up to `most`, that `shown` keeps within the room, for
// renderings whose width grows with what they keep; -1 when none fits.
template <typename Shown>
int mostKept(int most, const Shown& shown, const TextWidth& width, int room) {
    int fits = -1;
    int tooWide = most + 1;
    while (tooWide - fits > 1) {
        const int middle = fits + (tooWide - fits) / 2;
        if (width(shown(middle)) <= room) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    return fits;
}

QString keepLeading(const QString& text, const TextWidth& width, int room) {
    const auto shown = [&text](int kept) { return text.left(kept) + kLeftOutMark; };
    return shown(std::max(0, mostKept(int(text.size()) - 1, shown, width, room)));
}

// The sign and the first digit stay, so that a long run of typed zeros still
// reads as the number it began as.
QString keepTrailing(const QString& text, const TextWidth& width, int room) {
    const bool hasSign = text.startsWith(u'-') || text.startsWith(u'+');
    const QString head = text.left(hasSign ? 2 : 1);
    const int rest = int(text.size() - head.size());
    const auto shown = [&](int kept) { return head + kLeftOutMark + text.right(kept); };
    const int kept = mostKept(rest - 1, shown, width, room);
    return kept < 0 ? keepLeading(text, width, room) : shown(kept);
}

}  // namespace

QString fitBoxText(const QString& text, const TextWidth& width, int room, KeptEnd keep) {
    if (width(text) <= room) return text;
    if (const std::optional<double> value = numberOf(text, keep)) {
        return fitNumber(text, *value, width, room);
    }
    return keep == KeptEnd::Leading ? keepLeading(text, width, room)
                                    : keepTrailing(text, width, room);
}
