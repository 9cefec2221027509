// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDlg.h"

#include <QLabel>
#include <QPainter>

#include <QPushButton>
#include "Glyphs.h"

#include "ControlFactory.h"
#include "DialogUnits.h"
#include "ui/AboutLayout.h"

using varnock::AboutItem;
using varnock::AboutItemKind;

namespace {

QWidget* createItem(const AboutItem& item, QDialog* box) {
    switch (item.kind) {
        case AboutItemKind::Picture:
            return new AboutPicture(box);
        case AboutItemKind::Label: {
            auto* label = new QLabel(labelText(item.text, item.is(varnock::kNoMnemonic)), box);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case AboutItemKind::DefaultButton: {
            auto* button = new QPushButton(toQString(item.text), box);
            button->setDefault(true);
            QObject::connect(button, &QPushButton::clicked, box, &QDialog::accept);
            return button;
        }
    }
    return nullptr;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const varnock::DialogFrame& frame = varnock::aboutBoxFrame();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(toQString(frame.title));
    setModal(true);

    std::vector<Placement> placements;
    for (const AboutItem& item : varnock::aboutBoxItems()) {
        QWidget* widget = createItem(item, this);
        if (item.id != varnock::kUnaddressed) {
            widget->setObjectName(QStringLiteral("control%1").arg(item.id));
        }
        placements.push_back({widget, item.rect});
    }
    const DialogUnits units = fittingUnits(font(), placements);
    place(units, placements);
    setFixedSize(units.toPixels(frame.width, frame.height));
}

void AboutPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintAboutPicture(painter, rect());
}
