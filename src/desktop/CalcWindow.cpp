// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "AboutDlg.h"
#include "Announcements.h"
#include "BoxMenu.h"
#include "ControlFactory.h"
#include "DialogUnits.h"
#include "EditingKeys.h"
#include "FrameBox.h"
#include "Glyphs.h"
#include "KeyboardTwins.h"
#include "RefusalFlash.h"
#include "ScreenFit.h"
#include "StayOnTop.h"
#include "app/Routing.h"
#include "form/ControlIds.h"
#include "ui/Strings.h"
#include "ui/SystemMenu.h"

using varnock::ControlKind;
using varnock::ControlSpec;

namespace {

// An operator key's glyph fills most of the key's height.
void fitIconFace(QWidget* widget) {
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button == nullptr || button->icon().isNull()) return;
    const int side = qRound(button->height() * 0.7);
    button->setIconSize(QSize(side, side));
}

// A typed character that Qt's Unicode tables do not know yet (one assigned
// after them, say). Qt's text boxes drop such a key; the pad types it, as the
// user meant it. Noncharacters stay out: the text document uses some itself.
bool isNewerCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() ||
        (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const QChar first = text.front();
    return first.category() == QChar::Other_NotAssigned && !first.isSurrogate() &&
           !QChar::isNonCharacter(first.unicode());
}

}  // namespace

CalcWindow::CalcWindow(QWidget* parent) : QDialog(parent) {
    // A fixed application window: title, system menu, minimise and close,
    // but no maximise box and no sizing border.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(toQString(varnock::mainWindowFrame().title));
    setWindowIcon(glyphIcon(Glyph::Calculator));

    createControls();
    createRadioGroups();
    createSystemMenu();
    new EditingKeys(*this, m_calc);
    new BoxMenu(*this, m_calc);

    m_calc.OnInitDialog();
    controlWidget(varnock::defaultButtonId())->setFocus();
}

CalcWindow::~CalcWindow() = default;

void CalcWindow::createControls() {
    std::vector<Placement> placements;
    std::vector<QWidget*> frames;
    std::vector<std::pair<QLabel*, int>> labelsOfBoxes;
    for (const ControlSpec& row : varnock::controls()) {
        QWidget* widget = createControl(row, this);
        if (row.id != varnock::kUnaddressed) m_controls[row.id] = widget;
        if (row.kind == ControlKind::GroupBox) frames.push_back(widget);
        if (row.kind == ControlKind::Label && row.partner != 0)
            labelsOfBoxes.emplace_back(qobject_cast<QLabel*>(widget), row.partner);
        placements.push_back({widget, row.rect});
        wireControl(row, widget);
    }
    // Frames lie under every control they enclose.
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) (*frame)->lower();
    linkLabelsToBoxes(labelsOfBoxes);
    tintReadOnlyBoxes();

    settleOverlaps(placements);
    const DialogUnits units = unitsFittingTheScreen(placements);
    place(units, placements);
    for (const Placement& placement : placements) fitIconFace(placement.widget);
    const varnock::DialogFrame& frame = varnock::mainWindowFrame();
    setFixedSize(units.toPixels(frame.width, frame.height));
}

DialogUnits CalcWindow::unitsFittingTheScreen(const std::vector<Placement>& placements) {
    const varnock::DialogFrame& frame = varnock::mainWindowFrame();
    const QFont desktopFont = font();
    const double desktopPoints = pointSizeOf(desktopFont);
    const auto fontAt = [&](double points) {
        QFont smaller = desktopFont;
        smaller.setPointSizeF(points);
        return smaller;
    };
    // The units of each size tried, so that the one chosen is not measured
    // again. At the desktop's size the window keeps the font it inherits.
    std::vector<std::pair<double, DialogUnits>> tried;
    const auto sizeAt = [&](double points) {
        if (points != desktopPoints) setFont(fontAt(points));
        tried.emplace_back(points, fittingUnits(font(), placements));
        return tried.back().second.toPixels(frame.width, frame.height);
    };
    const QRect available = openingScreen(*this)->availableGeometry();
    const FontFit fit = fittingFont(windowFontSizes(desktopPoints, pointsPerPixel(desktopFont)),
                                    available.size(), estimatedFrame(desktopFont), sizeAt);
    if (tried.back().first != fit.points) setFont(fontAt(fit.points));
    // Too large even so: its title bar and top left corner stay in reach.
    if (!fit.fits) move(available.topLeft());
    const auto chosen = std::find_if(tried.begin(), tried.end(),
                                     [&](const auto& entry) { return entry.first == fit.points; });
    return chosen != tried.end() ? chosen->second : fittingUnits(font(), placements);
}

void CalcWindow::linkLabelsToBoxes(const std::vector<std::pair<QLabel*, int>>& labelsOfBoxes) {
    // A label that names a box is its buddy, so that assistive tools find the
    // relation, and the box's name follows the label when its caption changes.
    for (const auto& [label, box] : labelsOfBoxes) label->setBuddy(controlWidget(box));
}

void CalcWindow::tintReadOnlyBoxes() {
    // Boxes that only the calculator writes take the window's colour, as the
    // desktop draws read-only fields, and stand apart from the scratch pad;
    // the colours come from the palette, so that dark themes stay dark.
    const QColor shade = palette().color(QPalette::Window);
    for (const auto& [object, id] : m_focusRoutedBoxes) {
        auto* box = static_cast<QWidget*>(object);
        QPalette tinted = box->palette();
        tinted.setColor(QPalette::Base, shade);
        box->setPalette(tinted);
    }
}

void CalcWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) tintReadOnlyBoxes();
    QDialog::changeEvent(event);
}

void CalcWindow::wireControl(const ControlSpec& row, QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const int id = row.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] { m_calc.OnClicked(id); });
        if (row.isVisible()) m_keyboardClicks.watch(*button);
    }
    if (varnock::findFocusHandler(row.id) != nullptr) {
        m_focusRoutedBoxes[widget] = row.id;
        widget->installEventFilter(this);
    }
    if (row.id == varnock::kScratchPad) widget->installEventFilter(this);
}

void CalcWindow::createRadioGroups() {
    for (const varnock::RadioGroup& members : varnock::radioGroups()) {
        auto* group = new QButtonGroup(this);
        group->setExclusive(true);
        for (int id : members.members) group->addButton(checkable(id), id);
    }
}

void CalcWindow::createSystemMenu() {
    m_systemMenu = new QMenu(this);
    m_systemMenu->setObjectName(QStringLiteral("systemMenu"));
    for (const varnock::MenuEntry& entry : varnock::systemMenu()) {
        if (entry.isSeparator()) {
            m_systemMenu->addSeparator();
            continue;
        }
        QAction* action = m_systemMenu->addAction(toQString(entry.text));
        action->setCheckable(entry.checkable);
        const unsigned command = entry.command;
        connect(action, &QAction::triggered, this,
                [this, command](bool checked) { runSystemCommand(command, checked); });
    }
}

QWidget* CalcWindow::controlWidget(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

QAbstractButton* CalcWindow::checkable(int id) const {
    return qobject_cast<QAbstractButton*>(controlWidget(id));
}

// ---- What the calculator asks of the window

void CalcWindow::stateChanged(const varnock::StateChange& change) {
    const varnock::CalcState& state = m_calc.state();
    for (int id : change.texts) setBoxText(id, state.text(id));
    for (int id : change.captions) setCaption(id, state.caption(id));
    for (int id : change.checks) setCheckState(id, state.check(id));
}

std::string CalcWindow::boxText(int id) const {
    QWidget* widget = controlWidget(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* pad = qobject_cast<QPlainTextEdit*>(widget)) return pad->toPlainText().toStdString();
    return {};
}

void CalcWindow::setBoxText(int id, std::string_view text) {
    // The same text again is no news: Qt's boxes would still report it to
    // screen readers as a change, drowning the boxes that did change.
    if (boxText(id) == text) return;
    QWidget* widget = controlWidget(id);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (edit != nullptr && id == varnock::kDisplay) {
        // The display grows from the right, where the typed digits arrive.
        edit->setText(toQString(text));
    } else if (edit != nullptr) {
        showBoxText(*edit, toQString(text));
    }
    if (auto* pad = qobject_cast<QPlainTextEdit*>(widget)) pad->setPlainText(toQString(text));
}

int CalcWindow::checkState(int id) const {
    QAbstractButton* button = checkable(id);
    return button != nullptr && button->isChecked() ? 1 : 0;
}

void CalcWindow::setCheckState(int id, int state) {
    QAbstractButton* button = checkable(id);
    if (button == nullptr) return;
    // An exclusive group would move or refuse the mark itself; the partners
    // must stay exactly as they are.
    QButtonGroup* group = button->group();
    if (group != nullptr) group->setExclusive(false);
    button->setChecked(state == 1);
    if (group != nullptr) group->setExclusive(true);
}

void CalcWindow::setCaption(int id, std::string_view text) {
    QWidget* widget = controlWidget(id);
    const ControlSpec* row = varnock::findControl(id);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(labelText(text, row != nullptr && row->is(varnock::kNoMnemonic)));
        label->setAccessibleName(label->text());
        if (QWidget* box = label->buddy()) box->setAccessibleName(label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(toQString(text));
        button->setAccessibleName(labelText(text, false));
    } else if (auto* frame = qobject_cast<FrameBox*>(widget)) {
        frame->setTitle(labelText(text, false));
    }
}

void CalcWindow::messageBox(std::string_view text, varnock::MessageIcon icon) {
    const auto shown =
        icon == varnock::MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning;
    QMessageBox box(shown, toQString(varnock::kAppName), toQString(text), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    m_keyboardClicks.watchDialog(box);
    box.exec();
}

void CalcWindow::beep() {
    QApplication::beep();
    announceRefusal(*this);
    RefusalFlash::flash(*this);
    emit beeped();
}

void CalcWindow::focusMainWindow() { setFocus(Qt::OtherFocusReason); }

void CalcWindow::endDialog() { QDialog::done(QDialog::Rejected); }

void CalcWindow::runAboutBox() {
    CAboutDlg about(this);
    m_keyboardClicks.watchDialog(about);
    about.exec();
}

// ---- What the user does

void CalcWindow::reject() { m_calc.OnCancel(); }

void CalcWindow::runControlNow(int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(controlWidget(id))) {
        m_keyboardClicks.clickNow(*button);
    }
}

void CalcWindow::runTwin(char key) { runControlNow(varnock::twinForKey(key)); }

void CalcWindow::keyPressEvent(QKeyEvent* event) {
    if (const char key = twinKeyOf(*event)) {
        runTwin(key);
        return;
    }
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        popUpSystemMenu(keyboardMenuPosition());
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto box = m_focusRoutedBoxes.find(watched);
        if (box != m_focusRoutedBoxes.end()) m_calc.OnSetFocus(box->second);
    } else if (event->type() == QEvent::KeyPress &&
               watched == controlWidget(varnock::kScratchPad)) {
        // The pad takes plain keys as text; with Alt they stay mnemonics.
        const auto* key = static_cast<QKeyEvent*>(event);
        const char twin = twinKeyOf(*key);
        if (twin != 0 && isAltMnemonic(*key)) {
            runTwin(twin);
            return true;
        }
        // Tab moves on to the next control, so Ctrl+Tab types a tab.
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            static_cast<QPlainTextEdit*>(watched)->insertPlainText(QStringLiteral("\t"));
            return true;
        }
        if (isNewerCharacter(*key)) {
            static_cast<QPlainTextEdit*>(watched)->insertPlainText(key->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CalcWindow::contextMenuEvent(QContextMenuEvent* event) {
    // A right click over a control belongs to the control.
    if (event->reason() == QContextMenuEvent::Mouse && childAt(event->pos()) != nullptr) {
        event->ignore();
        return;
    }
    popUpSystemMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                : keyboardMenuPosition());
}

// From the keyboard the menu opens where the user is looking: at the control
// that holds the focus (at the caret in the pad), or at the window's corner
// when the window itself holds it.
QPoint CalcWindow::keyboardMenuPosition() const {
    QWidget* focused = focusWidget();
    if (focused == nullptr || !isAncestorOf(focused)) return mapToGlobal(QPoint(0, 0));
    const QRect inside = focused->rect();
    const QPoint caret = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    const QPoint at(std::clamp(caret.x(), inside.left(), inside.right()),
                    std::clamp(caret.y(), inside.top(), inside.bottom()));
    return focused->mapToGlobal(at);
}

void CalcWindow::popUpSystemMenu(const QPoint& globalPos) {
    if (m_systemMenu->isVisible()) return;
    m_systemMenu->popup(globalPos);
}

void CalcWindow::runSystemCommand(unsigned command, bool checked) {
    switch (command) {
        case varnock::kCommandStayOnTop:
            setStaysOnTop(*this, checked);
            break;
        case varnock::kCommandMinimize:
            showMinimized();
            break;
        case varnock::kCommandClose:
            close();
            break;
        default:
            m_calc.OnSysCommand(command);
            break;
    }
}
