// SPDX-License-Identifier: GPL-3.0-or-later
#include "Announcements.h"

#include <QAccessible>
#include <QWidget>

void announceRefusal(QWidget& window) {
    QAccessibleEvent refusal(&window, QAccessible::Alert);
    QAccessible::updateAccessibility(&refusal);
}
