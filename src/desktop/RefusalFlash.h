// SPDX-License-Identifier: GPL-3.0-or-later
// A band along the window's edge that lights up for a moment whenever the
// calculator refuses a key with a beep, so that a user who cannot hear the
// beep, or whose speaker is muted, still sees the refusal. The band lies in
// the empty margin around the panels: it covers no control, changes no text,
// takes no focus and lets every click through. Where the desktop reduces
// motion the band shows steadily for the moment instead of fading out.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// How strongly the band shows over its moment: in full at first, then fading
// out; in full for the whole moment when steady.
struct FlashCurve {
    static constexpr int kMomentMs = 450;
    static constexpr int kHoldMs = 150;  // in full before the fading starts

    bool steady = false;

    // 1 in full, 0 once the moment is over.
    qreal strengthAt(qint64 elapsedMs) const;
};

class RefusalFlash : public QWidget {
    Q_OBJECT

public:
    // Lights the band of this window; the window gets its flash at the first
    // refusal, so that the start-up pays nothing for it.
    static void flash(QWidget& window);

    explicit RefusalFlash(QWidget& window);

    // Lights the band from the start of its moment again.
    void start();

    bool isSteady() const { return m_curve.steady; }
    qreal strength() const { return m_strength; }

    // The band's colour: the desktop's highlight, or its text colour where
    // the highlight would hardly stand out from the window.
    static QColor markColour(const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRegion freeBand() const;
    void advance();

    FlashCurve m_curve;
    QElapsedTimer m_clock;
    QTimer m_tick;
    qreal m_strength = 0;
};
