// SPDX-License-Identifier: GPL-3.0-or-later
// A frame around a group of controls: an etched line with an optional title
// on its top edge, the line running through the middle of the title. It only
// decorates, and draws itself with a few fills and one line of text, which
// keeps a window of many frames quick to show. Screen readers see it as a
// grouping named by its title.
#pragma once

#include <QString>
#include <QWidget>

class FrameBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    // The title is plain text, shown as it is.
    explicit FrameBox(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);

    // Where the title is drawn, in the frame's own pixels; empty when the
    // frame has no title.
    QRect titleRect() const;

    // The width the frame needs to show its whole title.
    int requiredWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int titleIndent() const;
    int titleRoom() const;
    int titleTextWidth() const;

    QString m_title;
    // The title's width in the font it was measured in.
    mutable QFont m_titleFont;
    mutable int m_titleWidth = -1;
};
