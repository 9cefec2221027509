// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets for the rows of a control table: one widget per control, named
// "control<ID>", with its caption, focus behaviour and accessible name. The
// window places the widgets and wires their notifications.
#pragma once

#include <QSize>
#include <QString>
#include <string_view>

#include "ui/Layout.h"

class QLineEdit;
class QLabel;
class QWidget;

QString toQString(std::string_view text);

QWidget* createControl(const varnock::ControlSpec& row, QWidget* parent);

// The object name of a control's widget: "control<ID>".
QString controlName(int id);

// The text a label shows for a stored caption: "&&" gives "&" and a single
// "&" marks nothing, unless the label takes its text literally.
QString labelText(std::string_view caption, bool literal);

// Whether the widget's caption shows whole at this size: across for buttons,
// radio buttons, check boxes and frame titles; wrapped lines for labels; and
// for the display, the widest number it shows.
bool captionFits(const QWidget& widget, const QSize& size);

// The widest text that "%.15g" writes: the display must show it whole.
inline constexpr std::string_view kWidestNumber = "-1.23456789012346e-308";

// Shows a number in a box that only the calculator writes, from its first
// character; a number wider than the box is drawn shortened, with a mark.
void showBoxText(QLineEdit& box, const QString& text);

// The room a widget's caption needs, for asking captionFits at many sizes:
// the width of a button's, radio button's, check box's or frame's caption
// does not depend on the size offered and is measured once; a label's
// wrapped height depends on its width and is measured at every call.
class CaptionRoom {
public:
    explicit CaptionRoom(const QWidget& widget);

    bool fits(const QSize& size) const;
    bool dependsOnWidth() const { return m_label != nullptr; }

private:
    const QLabel* m_label = nullptr;
    int m_width = 0;  // the width needed, for the others
};
