// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's main window: a fixed dialog built from the control table,
// which draws the calculator's (CCalcDlg's) state as it changes and passes
// the user's clicks, focus changes, keys and pad edits back to it.
#pragma once

#include <QDialog>
#include <map>
#include <string_view>
#include <vector>

#include "KeyboardClicks.h"
#include "app/CalcDlg.h"
#include "form/WindowOps.h"
#include "ui/Layout.h"

class DialogUnits;
struct Placement;
class QAbstractButton;
class QLabel;
class QMenu;

class CalcWindow : public QDialog, public varnock::WindowOps {
    Q_OBJECT

public:
    explicit CalcWindow(QWidget* parent = nullptr);
    ~CalcWindow() override;

    // The widget of a control of the table (hidden ones included), or nullptr.
    QWidget* controlWidget(int id) const;

    // What the calculator holds the window shows.
    const varnock::CalcState& calculatorState() const { return m_calc.state(); }

    // The context menu that stands in for the system menu.
    QMenu* systemMenu() const { return m_systemMenu; }

    // Runs a button's operation at once, as its keyboard shortcut: the mark
    // of a radio button or the check box moves first, the focus stays where
    // it is, and a shown button looks pressed for a moment. Keys run their
    // controls through here so that they act in the order they were typed.
    void runControlNow(int id);

    // What a control's widget shows, and drawing one control: a box's text,
    // a mark (radio partners are left alone) and a label's caption.
    std::string boxText(int id) const;
    void setBoxText(int id, std::string_view text);
    int checkState(int id) const;
    void setCheckState(int id, int state);
    void setCaption(int id, std::string_view text);

    // WindowOps
    void stateChanged(const varnock::StateChange& change) override;
    void messageBox(std::string_view text, varnock::MessageIcon icon) override;
    void beep() override;
    void focusMainWindow() override;
    void endDialog() override;
    void runAboutBox() override;

public slots:
    // Escape and the window manager's close arrive here.
    void reject() override;

signals:
    // Every beep, for whoever wants to see it (the speaker may be silent).
    void beeped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    // The units of the largest window font, up to the desktop's, at which the
    // window fits the screen it opens on; the window takes that font.
    DialogUnits unitsFittingTheScreen(const std::vector<Placement>& placements);
    void wireControl(const varnock::ControlSpec& row, QWidget* widget);
    void linkLabelsToBoxes(const std::vector<std::pair<QLabel*, int>>& labelsOfBoxes);
    void tintReadOnlyBoxes();
    void createRadioGroups();
    void createSystemMenu();
    // "checked" is the check mark of an entry that is an option.
    void runSystemCommand(unsigned command, bool checked);
    void popUpSystemMenu(const QPoint& globalPos);
    QPoint keyboardMenuPosition() const;
    void runTwin(char key);
    QAbstractButton* checkable(int id) const;

    varnock::CCalcDlg m_calc{*this};
    std::map<int, QWidget*> m_controls;
    std::map<QObject*, int> m_focusRoutedBoxes;
    KeyboardClicks m_keyboardClicks;
    QMenu* m_systemMenu = nullptr;
};
