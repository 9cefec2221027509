// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogUnits.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ControlFactory.h"
#include "FrameBox.h"

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    m_x = metrics.averageCharWidth() / 4.0;
    // Eight units make exactly the whole pixels that a laid-out line of text
    // takes, so that a one-line caption is never a pixel short.
    m_y = std::ceil(metrics.height()) / 8.0;
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

// Vertical dialog units are eighths of a text line.
constexpr int kHalfTextLine = 4;

bool isFrame(const QWidget& widget) { return qobject_cast<const FrameBox*>(&widget) != nullptr; }

bool isUntitledFrame(const QWidget& widget) {
    auto* frame = qobject_cast<const FrameBox*>(&widget);
    return frame != nullptr && frame->title().isEmpty();
}

int right(const varnock::DialogRect& rect) { return rect.x + rect.width; }
int bottom(const varnock::DialogRect& rect) { return rect.y + rect.height; }

// Makes the left (or upper) of two overlapping rectangles end where the other
// begins, across when they stand side by side, downwards when stacked.
void separate(varnock::DialogRect& a, varnock::DialogRect& b) {
    const int across = std::min(right(a), right(b)) - std::max(a.x, b.x);
    const int down = std::min(bottom(a), bottom(b)) - std::max(a.y, b.y);
    if (across <= 0 || down <= 0) return;
    varnock::DialogRect& first = (across < down ? a.x <= b.x : a.y <= b.y) ? a : b;
    const varnock::DialogRect& second = &first == &a ? b : a;
    if (across < down) {
        first.width = second.x - first.x;
    } else {
        first.height = second.y - first.y;
    }
}

}  // namespace

void settleOverlaps(std::vector<Placement>& placements) {
    for (Placement& placement : placements) {
        if (!isUntitledFrame(*placement.widget)) continue;
        placement.rect.y += kHalfTextLine;
        placement.rect.height -= kHalfTextLine;
    }
    // Shown controls only: frames enclose others by design.
    std::vector<varnock::DialogRect*> controls;
    for (Placement& placement : placements) {
        if (!placement.widget->isHidden() && !isFrame(*placement.widget)) {
            controls.push_back(&placement.rect);
        }
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) separate(*controls[i], *controls[j]);
    }
}

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
