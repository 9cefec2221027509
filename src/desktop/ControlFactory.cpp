// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFactory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "FrameBox.h"
#include "Glyphs.h"
#include "MarkedByCalculator.h"
#include "NumberBox.h"
#include "SteadyFocusPolicy.h"
#include "form/ControlIds.h"
#include "ui/Descriptions.h"

using varnock::ControlKind;
using varnock::ControlSpec;

namespace {

Qt::FocusPolicy focusPolicyOf(const ControlSpec& row) {
    if (row.is(varnock::kHidden)) return Qt::NoFocus;
    return row.is(varnock::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

// Frames and labels only decorate: clicks and context menus pass through them
// to the window or to the controls drawn over them.
void makeDecoration(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

QWidget* createGroupBox(const ControlSpec& row, QWidget* parent) {
    auto* box = new FrameBox(labelText(row.caption, false), parent);
    makeDecoration(box);
    return box;
}

QWidget* createLabel(const ControlSpec& row, QWidget* parent) {
    auto* label = new QLabel(labelText(row.caption, row.is(varnock::kNoMnemonic)), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeDecoration(label);
    return label;
}

QWidget* createPushButton(const ControlSpec& row, QWidget* parent) {
    auto* button = new QPushButton(parent);
    const std::optional<Glyph> face =
        row.is(varnock::kIconFace) ? operatorFace(row.id) : std::nullopt;
    if (face) {
        button->setIcon(glyphIcon(*face));
    } else {
        button->setText(toQString(row.caption));
    }
    button->setDefault(row.is(varnock::kDefaultButton));
    return button;
}

// The window's button groups decide which radios exclude each other; a
// button in a group follows the group, not its neighbours. Auto-exclusive
// stays on so that assistive tools present every one as a radio button.
QWidget* createRadioButton(const ControlSpec& row, QWidget* parent) {
    if (row.is(varnock::kPushLike)) {
        auto* toggle =
            new MarkedByCalculator<SteadyFocusPolicy<QPushButton>>(toQString(row.caption), parent);
        toggle->setCheckable(true);
        toggle->setAutoExclusive(true);
        toggle->setFlat(true);
        // A radio button never takes Return from the default button.
        toggle->setAutoDefault(false);
        return toggle;
    }
    return new MarkedByCalculator<SteadyFocusPolicy<QRadioButton>>(toQString(row.caption), parent);
}

QWidget* createEdit(const ControlSpec& row, QWidget* parent) {
    auto* edit = new NumberBox(parent);
    if (row.isReadOnlyBox()) {
        // Only the calculator writes these boxes.
        edit->setReadOnly(true);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // Numbers grow from the right, as on a calculator, and the digits being
    // typed stay in view.
    if (row.id == varnock::kDisplay) {
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setKeptEnd(KeptEnd::Trailing);
    }
    return edit;
}

QWidget* createMultiLineEdit(const ControlSpec&, QWidget* parent) {
    auto* pad = new QPlainTextEdit(parent);
    pad->setLineWrapMode(QPlainTextEdit::NoWrap);
    pad->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pad->setTabChangesFocus(true);
    return pad;
}

QWidget* createWidget(const ControlSpec& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::GroupBox:
            return createGroupBox(row, parent);
        case ControlKind::PushButton:
            return createPushButton(row, parent);
        case ControlKind::RadioButton:
            return createRadioButton(row, parent);
        case ControlKind::CheckBox:
            return new MarkedByCalculator<QCheckBox>(toQString(row.caption), parent);
        case ControlKind::Edit:
            return createEdit(row, parent);
        case ControlKind::MultiLineEdit:
            return createMultiLineEdit(row, parent);
        case ControlKind::Label:
            return createLabel(row, parent);
    }
    return nullptr;
}

// What the control does, for the tooltip and for assistive tools. A box that
// only the calculator writes keeps its tooltip for the number it shows.
void describe(const ControlSpec& row, QWidget& widget) {
    const std::string_view description = varnock::describeControl(row.id);
    if (description.empty()) return;
    const QString text = toQString(description);
    widget.setAccessibleDescription(text);
    if (row.kind != ControlKind::Edit) widget.setToolTip(text);
}

QString accessibleNameOf(const ControlSpec& row) {
    const bool isBox = row.kind == ControlKind::Edit || row.kind == ControlKind::MultiLineEdit;
    if (isBox) return toQString(row.frame);
    if (row.is(varnock::kNoMnemonic)) return toQString(row.caption);
    return QString::fromStdString(varnock::plainCaption(row.caption));
}

// Pixels the style puts left and right of a button's caption.
template <typename Option>
int captionInsets(const QWidget& widget, QStyle::SubElement contents, Option option) {
    option.initFrom(&widget);
    option.rect = QRect(0, 0, 1000, widget.height());
    const QRect inner = widget.style()->subElementRect(contents, &option, &widget);
    return inner.left() + (option.rect.right() - inner.right());
}

int mnemonicTextWidth(const QWidget& widget, const QString& text) {
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

int requiredWidth(const QAbstractButton& button, QStyle::SubElement contents) {
    if (button.text().isEmpty()) return 0;
    QStyleOptionButton option;
    option.text = button.text();
    // Two pixels for the focus frame the style draws around the caption.
    return captionInsets(button, contents, option) + mnemonicTextWidth(button, button.text()) + 2;
}

}  // namespace

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString controlName(int id) { return QStringLiteral("control%1").arg(id); }

QString labelText(std::string_view caption, bool literal) {
    if (literal) return toQString(caption);
    return QString::fromStdString(varnock::plainCaption(caption));
}

QWidget* createControl(const ControlSpec& row, QWidget* parent) {
    QWidget* widget = createWidget(row, parent);
    widget->setObjectName(controlName(row.id));
    describe(row, *widget);
    // A frame's accessible name is its title, whatever the title becomes.
    if (row.kind != ControlKind::GroupBox) widget->setAccessibleName(accessibleNameOf(row));
    if (widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(focusPolicyOf(row));
    if (row.is(varnock::kHidden)) widget->setVisible(false);
    return widget;
}

CaptionRoom::CaptionRoom(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        m_label = label;
    } else if (auto* edit = qobject_cast<const NumberBox*>(&widget)) {
        // Only the display must show every number whole; the other boxes
        // draw a long number shortened, with a mark.
        if (edit->objectName() == controlName(varnock::kDisplay)) {
            const int overhang = edit->width() - edit->textRoom();
            m_width = overhang + edit->fontMetrics().horizontalAdvance(toQString(kWidestNumber));
        }
    } else if (auto* frame = qobject_cast<const FrameBox*>(&widget)) {
        m_width = frame->requiredWidth();
    } else if (auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
        m_width = requiredWidth(*radio, QStyle::SE_RadioButtonContents);
    } else if (auto* check = qobject_cast<const QCheckBox*>(&widget)) {
        m_width = requiredWidth(*check, QStyle::SE_CheckBoxContents);
    } else if (auto* button = qobject_cast<const QPushButton*>(&widget)) {
        m_width = requiredWidth(*button, QStyle::SE_PushButtonContents);
    }
}

bool CaptionRoom::fits(const QSize& size) const {
    // One pixel of slack for the rounding of the label's edges.
    if (m_label != nullptr) return m_label->heightForWidth(size.width()) <= size.height() + 1;
    return m_width <= size.width();
}

bool captionFits(const QWidget& widget, const QSize& size) {
    return CaptionRoom(widget).fits(size);
}

void showBoxText(QLineEdit& box, const QString& text) {
    box.setText(text);
    box.setCursorPosition(0);
}
