// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: names the calculator and its version. Built from the About
// layout table; it exchanges nothing with the main window.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// The About box's picture, drawn to whatever size it is given.
class AboutPicture : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
