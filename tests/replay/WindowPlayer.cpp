// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QWindow>
#include <algorithm>
#include <variant>

#include "BoxMenu.h"
#include "form/ControlIds.h"
#include "ui/Layout.h"
#include "ui/Platform.h"
#include "ui/SystemMenu.h"

using namespace varnock::console;
using varnock::ControlKind;
using varnock::ControlSpec;
using varnock::MenuChoice;
using varnock::WindowKey;

namespace {

// How long the window may take to come back to the front, in milliseconds.
constexpr int kActivationWait = 2000;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where a user clicks a control: a radio button or the check box on its
// mark, since the rest of its rectangle may lie beyond its caption; any other
// control in its middle.
QPoint clickPoint(const QWidget& widget) {
    QStyle::SubElement mark;
    if (qobject_cast<const QRadioButton*>(&widget) != nullptr) {
        mark = QStyle::SE_RadioButtonIndicator;
    } else if (qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        mark = QStyle::SE_CheckBoxIndicator;
    } else {
        return widget.rect().center();
    }
    QStyleOptionButton option;
    option.initFrom(&widget);
    return widget.style()->subElementRect(mark, &option, &widget).center();
}

// The key a keyboard sends for a character: the character's own key for
// ASCII, none in particular for the rest, which arrives as text.
Qt::Key keyOf(char32_t codePoint) {
    if (codePoint < 0x80) return QTest::asciiToKey(static_cast<char>(codePoint));
    return Qt::Key_unknown;
}

std::string_view menuEntryText(varnock::SystemCommand command) {
    for (const varnock::MenuEntry& entry : varnock::systemMenu()) {
        if (entry.command == command) return entry.text;
    }
    return {};
}

}  // namespace

WindowPlayer::WindowPlayer(std::ostream& out)
    : m_out(out), m_closer(out), m_window(std::make_unique<CalcWindow>()) {
    for (const ControlSpec& control : varnock::controls()) {
        if (QWidget* widget = m_window->controlWidget(control.id)) {
            m_controlIds[widget] = control.id;
        }
    }
    QObject::connect(m_window.get(), &QDialog::finished, m_window.get(), [this] {
        if (m_closed) return;
        m_closed = true;
        writeClosed(m_out);
    });
    QObject::connect(m_window.get(), &CalcWindow::beeped, m_window.get(),
                     [this] { writeBeep(m_out); });
    m_window->show();
    m_window->activateWindow();
    settle();
}

WindowPlayer::~WindowPlayer() = default;

Refusal WindowPlayer::perform(const Command& command) {
    Refusal refusal = CommandTarget::perform(command);
    settle();
    return refusal;
}

// ---- Commands

// The dump reads the widgets themselves.
void WindowPlayer::dump() const { writeDump(m_out, *this); }

// A visible control is clicked with the mouse, so that Qt moves the focus
// and the marks itself. A hidden twin cannot be clicked: its keyboard
// shortcut, Alt and its mnemonic, goes to whatever holds the focus.
Refusal WindowPlayer::click(const Identifier& id) {
    const ControlSpec* control = clickableControl(id);
    if (control == nullptr) return notClickable(id);
    QWidget* widget = m_window->controlWidget(control->id);
    if (control->isVisible()) {
        clickWithMouse(widget);
    } else {
        const char mnemonic = varnock::mnemonicOf(control->caption);
        sendKey(QTest::asciiToKey(mnemonic), QString(QChar::fromLatin1(mnemonic)), Qt::AltModifier);
    }
    return std::nullopt;
}

// A box takes the focus as a click into it gives it; a button, radio button
// or the check box takes it without being pressed.
Refusal WindowPlayer::focus(const Identifier& id) {
    const ControlSpec* control = focusableControl(id);
    if (control == nullptr) return notFocusable(id);
    QWidget* widget = m_window->controlWidget(control->id);
    switch (control->kind) {
        case ControlKind::MultiLineEdit:
            clickIntoPad();
            break;
        case ControlKind::Edit:
            clickWithMouse(widget);
            break;
        default:
            widget->setFocus(Qt::MouseFocusReason);
            break;
    }
    return std::nullopt;
}

Refusal WindowPlayer::press(Key key) {
    const bool typesIntoPad =
        padHasFocus() && (key.kind == WindowKey::Character || key.kind == WindowKey::Return);
    if (typesIntoPad) {
        if (Refusal full = checkPadRoom(shownText(varnock::kScratchPad).size(), 1)) return full;
    }
    switch (key.kind) {
        case WindowKey::Character:
            sendKey(QTest::asciiToKey(key.character), QString(QChar::fromLatin1(key.character)));
            break;
        case WindowKey::Return:
            sendKey(Qt::Key_Return, QStringLiteral("\r"));
            break;
        case WindowKey::Escape:
            sendKey(Qt::Key_Escape, QStringLiteral("\x1b"));
            break;
        case WindowKey::Backspace:
            sendKey(Qt::Key_Backspace, QStringLiteral("\b"));
            break;
        case WindowKey::Delete:
            sendKey(Qt::Key_Delete, QString());
            break;
    }
    return std::nullopt;
}

Refusal WindowPlayer::type(std::string_view text) {
    if (Refusal full = checkPadRoom(shownText(varnock::kScratchPad).size(), text.size())) {
        return full;
    }
    clickIntoPad();
    for (char32_t codePoint : toQString(text).toUcs4()) typeCharacter(codePoint);
    return std::nullopt;
}

void WindowPlayer::menu(MenuChoice entry) {
    switch (entry) {
        case MenuChoice::About:
            chooseFromSystemMenu(menuEntryText(varnock::kCommandAbout));
            break;
        case MenuChoice::Close:
            chooseFromSystemMenu(menuEntryText(varnock::kCommandClose));
            break;
    }
}

// Ctrl+C goes to whatever holds the focus; a box is copied from its menu.
Refusal WindowPlayer::copy(const std::optional<Identifier>& box) {
    if (!box) {
        printCopied([this] { sendKey(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier); });
        return std::nullopt;
    }
    const ControlSpec* control = copyableControl(*box);
    if (control == nullptr) return notCopyable(*box);
    QWidget* widget = m_window->controlWidget(control->id);
    printCopied([&] { chooseFromBoxMenu(widget, BoxMenu::kCopy); });
    return std::nullopt;
}

// The text goes on the clipboard as another program would put it there,
// then Ctrl+V goes to whatever holds the focus.
Refusal WindowPlayer::paste(std::string_view text) {
    if (padHasFocus()) {
        if (Refusal full = checkPadRoom(shownText(varnock::kScratchPad).size(), text.size())) {
            return full;
        }
    }
    QGuiApplication::clipboard()->setText(toQString(text));
    sendKey(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    return std::nullopt;
}

// ---- Input

void WindowPlayer::clickWithMouse(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, clickPoint(*widget));
}

// The click aims just after the pad's last character, where typing goes on.
// When that lies at or beyond the pad's edge (a long line), the click may land
// before it; Ctrl+End then takes the caret to the end.
void WindowPlayer::clickIntoPad() {
    QPlainTextEdit* box = pad();
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    const QRect caret = box->cursorRect(end);
    const QRect inside = box->viewport()->rect().adjusted(0, 0, -1, -1);
    const QPoint point(std::clamp(caret.right() + 2, inside.left(), inside.right()),
                       std::clamp(caret.center().y(), inside.top(), inside.bottom()));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    if (box->textCursor().position() != end.position()) {
        sendKey(Qt::Key_End, QString(), Qt::ControlModifier);
    }
}

// Tab moves the focus between controls; Ctrl+Tab types a tab into the pad.
void WindowPlayer::typeCharacter(char32_t codePoint) {
    if (codePoint == U'\t') {
        sendKey(Qt::Key_Tab, QStringLiteral("\t"), Qt::ControlModifier);
        return;
    }
    sendKey(keyOf(codePoint), QString::fromUcs4(&codePoint, 1));
}

void WindowPlayer::sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QTest::sendKeyEvent(QTest::Click, focusTarget(), key, text, modifiers);
}

// A right click on the window's background opens the context menu that
// stands for the system menu; the entry is then clicked.
void WindowPlayer::chooseFromSystemMenu(std::string_view entryText) {
    QMenu* menu = m_window->systemMenu();
    const QPoint background(m_window->width() - 2, m_window->height() / 2);
    if (m_window->childAt(background) != nullptr) {
        qCritical("varnock-replay: no background to right-click at the window's edge");
        return;
    }
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, background,
                                 m_window->mapToGlobal(background));
    QApplication::sendEvent(m_window.get(), &rightClick);
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == toQString(entryText)) chosen = action;
    }
    if (!menu->isVisible() || chosen == nullptr) {
        qCritical("varnock-replay: the system menu did not open with its entry");
        return;
    }
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(chosen).center());
}

// The right button goes through the window system's way in, as a real click
// does, so that Qt opens the context menu itself.
void WindowPlayer::chooseFromBoxMenu(QWidget* box, std::string_view entryText) {
    QWindow* window = m_window->windowHandle();
    const QPoint middle = window->mapFromGlobal(box->mapToGlobal(box->rect().center()));
    QTest::mousePress(window, Qt::RightButton, Qt::NoModifier, middle);
    QTest::mouseRelease(window, Qt::RightButton, Qt::NoModifier, middle);
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("boxMenu"));
    QAction* chosen = nullptr;
    if (menu != nullptr) {
        for (QAction* action : menu->actions()) {
            if (action->text() == toQString(entryText)) chosen = action;
        }
    }
    if (menu == nullptr || !menu->isVisible() || chosen == nullptr) {
        qCritical("varnock-replay: the box's menu did not open with its entry");
        return;
    }
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(chosen).center());
}

template <typename Act>
void WindowPlayer::printCopied(Act act) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    bool copied = false;
    const QMetaObject::Connection watch =
        QObject::connect(clipboard, &QClipboard::changed, [&copied](QClipboard::Mode mode) {
            if (mode == QClipboard::Clipboard) copied = true;
        });
    act();
    QCoreApplication::processEvents();
    QObject::disconnect(watch);
    if (copied) writeClipboard(m_out, clipboard->text().toStdString());
}

// A window manager brings the window back to the front when a box in front
// of it closes; Qt's offscreen platform has none, so the replay does it.
void WindowPlayer::settle() {
    QCoreApplication::processEvents();
    if (!m_closed && !m_window->isActiveWindow()) {
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get(), kActivationWait);
    }
}

// ---- What the widgets show

std::string WindowPlayer::shownText(int boxId) const {
    QWidget* widget = m_window->controlWidget(boxId);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        // Line by line, as typed: toPlainText() would turn no-break spaces
        // into blanks.
        QStringList lines;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            lines << block.text();
        }
        return lines.join(QLatin1Char('\n')).toStdString();
    }
    return {};
}

std::string WindowPlayer::shownCaption(int labelId) const {
    auto* label = qobject_cast<QLabel*>(m_window->controlWidget(labelId));
    return label != nullptr ? label->text().toStdString() : std::string();
}

int WindowPlayer::shownCheck(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(m_window->controlWidget(id));
    return button != nullptr && button->isChecked() ? 1 : 0;
}

int WindowPlayer::shownFocus() const {
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) return kNoFocus;
    if (focused == m_window.get()) return varnock::kMainWindowFocus;
    auto it = m_controlIds.find(focused);
    return it != m_controlIds.end() ? it->second : kNoFocus;
}

// ---- Helpers

QPlainTextEdit* WindowPlayer::pad() const {
    return qobject_cast<QPlainTextEdit*>(m_window->controlWidget(varnock::kScratchPad));
}

bool WindowPlayer::padHasFocus() const { return QApplication::focusWidget() == pad(); }

QWidget* WindowPlayer::focusTarget() const {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused : m_window.get();
}
