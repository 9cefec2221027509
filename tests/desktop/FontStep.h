// SPDX-License-Identifier: GPL-3.0-or-later
// Sets the application font some points larger for the life of the object,
// so that a test can open the window as a desktop with a bigger font would.
#pragma once

#include <QApplication>
#include <QFont>

class FontStep {
public:
    explicit FontStep(int points) : m_original(QApplication::font()) {
        QFont font = m_original;
        font.setPointSizeF(font.pointSizeF() + points);
        QApplication::setFont(font);
    }
    ~FontStep() { QApplication::setFont(m_original); }
    FontStep(const FontStep&) = delete;
    FontStep& operator=(const FontStep&) = delete;

private:
    QFont m_original;
};
