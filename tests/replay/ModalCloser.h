// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the boxes that the window opens while commands are played: each
// message box and the About box is written as its event line when it
// shows, and closed as a user would close it, with a click on its OK button.
#pragma once

#include <QObject>
#include <ostream>

class QDialog;

class ModalCloser : public QObject {
    Q_OBJECT

public:
    // Watches every widget of the application from now on; lines go to out.
    explicit ModalCloser(std::ostream& out);
    ~ModalCloser() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void record(const QDialog& box);
    void closeWithOk(QDialog* box);

    std::ostream& m_out;
};
