// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusalFlash.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ReducedMotion.h"

namespace {

// Redraws of the fading band: about sixty a second.
constexpr int kFrameMs = 16;

// The band is half a line of text wide, where the margin allows.
constexpr int kLinesPerBand = 2;
constexpr int kNarrowestBand = 2;

// A mark must stand three times as bright as its surroundings, or a third as
// bright, for most eyes to tell it apart.
constexpr double kMarkContrast = 3.0;

// How bright a colour looks, from 0 for black to 1 for white (sRGB).
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other) {
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

// Qt forwards no alert event to the desktop's accessibility bus, so the band
// itself is the alert: a screen reader speaks an alert that comes into view,
// and this one is named for what happened.
class RefusalFlashAccessible : public QAccessibleWidget {
public:
    explicit RefusalFlashAccessible(QWidget* band)
        : QAccessibleWidget(band, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return RefusalFlash::tr("Refused");
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleRefusalFlash(const QString& className, QObject* object) {
    if (className != QLatin1String(RefusalFlash::staticMetaObject.className())) return nullptr;
    return new RefusalFlashAccessible(static_cast<QWidget*>(object));
}

}  // namespace

qreal FlashCurve::strengthAt(qint64 elapsedMs) const {
    if (elapsedMs >= kMomentMs) return 0;
    if (steady || elapsedMs <= kHoldMs) return 1;
    return qreal(kMomentMs - elapsedMs) / (kMomentMs - kHoldMs);
}

void RefusalFlash::flash(QWidget& window) {
    auto* flash = window.findChild<RefusalFlash*>(QString(), Qt::FindDirectChildrenOnly);
    if (flash == nullptr) flash = new RefusalFlash(window);
    flash->start();
}

RefusalFlash::RefusalFlash(QWidget& window) : QWidget(&window) {
    static const bool accessible = (QAccessible::installFactory(accessibleRefusalFlash), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("refusalFlash"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_curve.steady = desktopReducesMotion();
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &RefusalFlash::advance);
}

void RefusalFlash::start() {
    setGeometry(parentWidget()->rect());
    setMask(freeBand());
    m_strength = m_curve.strengthAt(0);
    m_clock.start();
    m_tick.start(m_curve.steady ? FlashCurve::kMomentMs : kFrameMs);
    raise();
    // Shown anew at every refusal, so that each one is spoken.
    if (isVisible()) hide();
    show();
    update();
}

void RefusalFlash::advance() {
    const qint64 elapsed = m_clock.elapsed();
    const qreal strength = m_curve.strengthAt(elapsed);
    if (strength <= 0) {
        m_tick.stop();
        m_strength = 0;
        hide();
        return;
    }
    if (strength != m_strength) {
        m_strength = strength;
        update();
    }
    // A timer may fire a little early; the steady band waits out the rest.
    if (m_curve.steady) m_tick.start(static_cast<int>(FlashCurve::kMomentMs - elapsed));
}

// The margin between the window's edge and everything else that it shows,
// as wide on each side as that side's margin allows.
QRegion RefusalFlash::freeBand() const {
    const QWidget& window = *parentWidget();
    QRect used;
    for (const QObject* child : window.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || widget == this || widget->isWindow() || widget->isHidden())
            continue;
        used |= widget->geometry();
    }
    const QRect whole = window.rect();
    // A window that shows nothing else gets the widest band all round.
    if (used.isNull()) used = QRect(whole.center(), whole.center());
    const int widest = std::max(kNarrowestBand, fontMetrics().height() / kLinesPerBand);
    const auto side = [widest](int margin) { return std::clamp(margin, 0, widest); };
    const QRect inner =
        whole.adjusted(side(used.left() - whole.left()), side(used.top() - whole.top()),
                       -side(whole.right() - used.right()), -side(whole.bottom() - used.bottom()));
    return QRegion(whole).subtracted(QRegion(inner));
}

void RefusalFlash::paintEvent(QPaintEvent*) {
    QColor colour = markColour(palette());
    colour.setAlphaF(colour.alphaF() * m_strength);
    QPainter painter(this);
    painter.fillRect(rect(), colour);
}

QColor RefusalFlash::markColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor highlight = palette.color(QPalette::Highlight);
    return contrast(highlight, window) >= kMarkContrast ? highlight
                                                        : palette.color(QPalette::WindowText);
}
