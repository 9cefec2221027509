#include "ControlFactory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>

#include "Glyphs.h"
#include "ui/Routing.h"

using varnock::ControlKind;
using varnock::ControlSpec;

namespace {

Qt::FocusPolicy focusPolicyOf(const ControlSpec& spec) {
    if (spec.is(varnock::kHidden)) return Qt::NoFocus;
    return spec.is(varnock::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

// Frames and labels only decorate: clicks and context menus pass through them
// to the window or to the controls drawn over them.
void makeDecoration(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

QWidget* createGroupBox(const ControlSpec& spec, QWidget* parent) {
    auto* box = new QGroupBox(toQString(spec.caption), parent);
    makeDecoration(box);
    return box;
}

QWidget* createLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(labelText(spec.caption, spec.is(varnock::kNoMnemonic)), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeDecoration(label);
    return label;
}

QWidget* createPushButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new QPushButton(parent);
    const std::optional<Glyph> face =
        spec.is(varnock::kIconFace) ? operatorFace(spec.id) : std::nullopt;
    if (face) {
        button->setIcon(glyphIcon(*face));
    } else {
        button->setText(toQString(spec.caption));
    }
    button->setDefault(spec.is(varnock::kDefaultButton));
    return button;
}

// The window's button groups decide which radios exclude each other; a
// button in a group follows the group, not its neighbours. Auto-exclusive
// stays on so that assistive tools present every one as a radio button.
QWidget* createRadioButton(const ControlSpec& spec, QWidget* parent) {
    if (spec.is(varnock::kPushLike)) {
        auto* toggle = new QPushButton(toQString(spec.caption), parent);
        toggle->setCheckable(true);
        toggle->setAutoExclusive(true);
        toggle->setFlat(true);
        // A radio button never takes Return from the default button.
        toggle->setAutoDefault(false);
        return toggle;
    }
    return new QRadioButton(toQString(spec.caption), parent);
}

QWidget* createEdit(const ControlSpec& spec, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    if (varnock::findFocusHandler(spec.id) != nullptr) {
        // Only the calculator writes these boxes.
        edit->setReadOnly(true);
        edit->setContextMenuPolicy(Qt::NoContextMenu);
    }
    // Numbers grow from the right, as on a calculator.
    if (spec.id == varnock::kDisplayBox) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
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

QWidget* createWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::GroupBox:
            return createGroupBox(spec, parent);
        case ControlKind::PushButton:
            return createPushButton(spec, parent);
        case ControlKind::RadioButton:
            return createRadioButton(spec, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(toQString(spec.caption), parent);
        case ControlKind::Edit:
            return createEdit(spec, parent);
        case ControlKind::MultiLineEdit:
            return createMultiLineEdit(spec, parent);
        case ControlKind::Label:
            return createLabel(spec, parent);
    }
    return nullptr;
}

QString accessibleNameOf(const ControlSpec& spec) {
    const bool isBox = spec.kind == ControlKind::Edit || spec.kind == ControlKind::MultiLineEdit;
    if (isBox) return toQString(spec.frame);
    if (spec.is(varnock::kNoMnemonic)) return toQString(spec.caption);
    return QString::fromStdString(varnock::plainCaption(spec.caption));
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

// Pixels of a box's text area, inside its frame and margins.
int textRoom(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    // QLineEdit keeps two pixels clear on either side of the text.
    return contents.width() - margins.left() - margins.right() - 4;
}

int requiredWidth(const QGroupBox& box) {
    if (box.title().isEmpty()) return 0;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.rect = QRect(0, 0, 1000, box.height());
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return title.right() + 1 + title.left();
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

QWidget* createControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = createWidget(spec, parent);
    widget->setObjectName(controlName(spec.id));
    widget->setAccessibleName(accessibleNameOf(spec));
    if (widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(focusPolicyOf(spec));
    if (spec.is(varnock::kHidden)) widget->setVisible(false);
    return widget;
}

CaptionRoom::CaptionRoom(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        m_label = label;
    } else if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        // Only the display must show every number whole; the other boxes
        // show the leading digits and the whole number as a tooltip.
        if (edit->objectName() == controlName(varnock::kDisplayBox)) {
            const int overhang = edit->width() - textRoom(*edit);
            m_width = overhang + edit->fontMetrics().horizontalAdvance(toQString(kWidestNumber));
        }
    } else if (auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        m_width = requiredWidth(*box);
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
    const bool cut = box.fontMetrics().horizontalAdvance(text) > textRoom(box);
    box.setToolTip(cut ? text : QString());
}
