// SPDX-License-Identifier: GPL-3.0-or-later
// The context menu of the boxes that only the calculator writes (the
// display and the result and input boxes): "Copy" takes the box's whole
// text, "Copy All Results" one line per box of its panel, and on the display
// "Paste" puts a number from the clipboard into it.
//
// A right click must not give the box the focus: the box would hand it back
// with a beep. The focus stays where it was.
#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <string_view>

#include "ui/Strings.h"

class CalcWindow;
class QAction;
class QMenu;
class QPoint;

namespace varnock {
class CCalcDlg;
}

class BoxMenu : public QObject {
    Q_OBJECT

public:
    static constexpr std::string_view kCopy = varnock::kCopyMenuEntry;
    static constexpr std::string_view kCopyAllResults = varnock::kCopyAllResultsMenuEntry;
    static constexpr std::string_view kPaste = varnock::kPasteMenuEntry;

    BoxMenu(CalcWindow& window, varnock::CCalcDlg& calc);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popUp(int box, const QPoint& globalPos);
    void buildMenu();
    // A right click gave the box the focus: back to where it was.
    void keepFocusWhereItWas();

    CalcWindow& m_window;
    varnock::CCalcDlg& m_calc;
    std::map<QObject*, int> m_boxes;
    QPointer<QWidget> m_focusBefore;  // the focus outside the boxes
    int m_menuBox = 0;                // the box the menu was opened on
    QMenu* m_menu = nullptr;          // "boxMenu", built when a box first asks for it
    QAction* m_paste = nullptr;
};
