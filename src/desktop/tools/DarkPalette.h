// SPDX-License-Identifier: GPL-3.0-or-later
// A dark palette as dark desktop themes set it for Fusion: dark grey window
// and keys, near-black boxes, white text and a blue highlight, with the
// shading colours (light, midlight, mid, dark, shadow) derived from the
// window's grey. The screenshot tool and the tests show the window in it.
#pragma once

#include <QPalette>

inline QPalette darkPalette() {
    const QColor window(53, 53, 53);
    const QColor box(35, 35, 35);
    const QColor text(255, 255, 255);
    const QColor highlight(42, 130, 218);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, box);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, box);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, window.lighter(200));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, window.lighter(200));
    palette.setColor(QPalette::Disabled, QPalette::Text, window.lighter(200));
    return palette;
}
