#include "DialogUnits.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ControlFactory.h"

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    m_x = metrics.averageCharWidth() / 4.0;
    m_y = metrics.height() / 8.0;
}

DialogUnits::DialogUnits(double horizontalUnit, double verticalUnit)
    : m_x(horizontalUnit), m_y(verticalUnit) {}

int DialogUnits::x(double units) const { return static_cast<int>(std::lround(units * m_x)); }
int DialogUnits::y(double units) const { return static_cast<int>(std::lround(units * m_y)); }

QRect DialogUnits::toPixels(const varnock::DialogRect& rect) const {
    const int left = x(rect.x);
    const int top = y(rect.y);
    return QRect(left, top, x(rect.x + rect.width) - left, y(rect.y + rect.height) - top);
}

QSize DialogUnits::toPixels(int width, int height) const { return QSize(x(width), y(height)); }

namespace {

struct Caption {
    CaptionRoom room;
    varnock::DialogRect rect;
};

bool allCaptionsFit(const DialogUnits& units, const std::vector<Caption>& captions) {
    for (const Caption& caption : captions) {
        if (!caption.room.fits(units.toPixels(caption.rect).size())) return false;
    }
    return true;
}

}  // namespace

DialogUnits fittingUnits(const QFont& font, const std::vector<Placement>& placements) {
    // Each caption is measured once, before the search. The labels, whose
    // wrapped text is measured at every width, come last, so that they are
    // measured only at the steps where every other caption already fits.
    std::vector<Caption> captions;
    for (const Placement& placement : placements) {
        if (!placement.widget->isHidden()) {
            captions.push_back({CaptionRoom(*placement.widget), placement.rect});
        }
    }
    std::stable_partition(captions.begin(), captions.end(),
                          [](const Caption& caption) { return !caption.room.dependsOnWidth(); });

    const DialogUnits natural(font);
    // Steps of 1/64 of a pixel per unit, up to twice the natural width.
    constexpr int kSteps = 64;
    const double step = natural.horizontalUnit() / kSteps;
    for (int i = 0; i <= kSteps; ++i) {
        const DialogUnits units(natural.horizontalUnit() + i * step, natural.verticalUnit());
        if (allCaptionsFit(units, captions)) return units;
    }
    return DialogUnits(2 * natural.horizontalUnit(), natural.verticalUnit());
}

void place(const DialogUnits& units, const std::vector<Placement>& placements) {
    for (const Placement& placement : placements) {
        placement.widget->setGeometry(units.toPixels(placement.rect));
    }
}
