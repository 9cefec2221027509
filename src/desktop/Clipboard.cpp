// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ControlFactory.h"

void putOnClipboard(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString copied = toQString(text);
    clipboard->setText(copied, QClipboard::Clipboard);
    if (clipboard->supportsSelection()) clipboard->setText(copied, QClipboard::Selection);
}

std::string clipboardText() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdString();
}
