// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CalcDlg.h"

#include "app/Routing.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

namespace varnock {

CCalcDlg::CCalcDlg(WindowOps& window) : m_window(window) {}

void CCalcDlg::OnInitDialog() {
    const ActScope act(*this);
    ShowAllFields();
    for (const RadioGroup& group : radioGroups()) SetCheck(group.defaultMember(), true);
}

// The click's marks move first, as the window system moves them, then the
// control's operation runs.
bool CCalcDlg::OnClicked(int id) {
    const ActScope act(*this);
    FinishTyping();
    applyClickMarks(m_state, id);
    ClickHandler handler = findClickHandler(id);
    if (handler == nullptr) return false;
    (this->*handler)();
    return true;
}

bool CCalcDlg::OnSetFocus(int id) {
    const ActScope act(*this);
    FinishTyping();
    ClickHandler handler = findFocusHandler(id);
    if (handler == nullptr) return false;
    (this->*handler)();
    return true;
}

void CCalcDlg::OnSysCommand(unsigned nID) {
    const ActScope act(*this);
    FinishTyping();
    if ((nID & 0xFFF0) == kAboutCommand) m_window.runAboutBox();
}

void CCalcDlg::OnCancel() { m_window.endDialog(); }

void CCalcDlg::OnPadEdited(std::string_view text) {
    const ActScope act(*this);
    m_state.setText(kScratchPad, text);
    OnOtherAct();
}

void CCalcDlg::OnPadTyped(std::string_view text) {
    const ActScope act(*this);
    m_state.appendText(kScratchPad, text);
    OnOtherAct();
}

void CCalcDlg::OnPadErased(std::size_t bytes) {
    const ActScope act(*this);
    m_state.eraseTextEnd(kScratchPad, bytes);
    OnOtherAct();
}

// A box that received the focus hands it back: the user cannot type into it.
void CCalcDlg::OnFocusBounce() {
    FocusMainWindow();
    Beep();
}

void CCalcDlg::ShowAllFields() {
    m_shownRecord = record();
    m_showPending = true;
}

void CCalcDlg::WritePendingFields() {
    if (!m_showPending) return;
    m_showPending = false;
    const auto fields = formFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int box = fields[i].box;
        const std::string* text =
            m_fieldTexts.textToWrite(i, fields[i], m_shownRecord, m_state.textVersion(box));
        if (text == nullptr) continue;
        m_state.setText(box, *text);
        m_fieldTexts.written(i, m_state.textVersion(box));
    }
}

void CCalcDlg::PublishChanges() {
    WritePendingFields();
    if (m_publishing) return;
    m_publishing = true;
    while (m_state.hasChanges()) {
        m_state.takeChanges(m_published);
        m_window.stateChanged(m_published.view());
    }
    m_publishing = false;
}

std::string CCalcDlg::BoxText(int id) {
    WritePendingFields();
    return m_state.text(id).substr(0, kMaxBoxText);
}

double CCalcDlg::ReadBox(int id) {
    WritePendingFields();
    return parseNumber(m_state.text(id));
}

double CCalcDlg::ReadDisplay() { return ReadBox(kDisplay); }

void CCalcDlg::SetBoxText(int id, std::string_view text) {
    WritePendingFields();
    m_state.setText(id, text);
}

void CCalcDlg::EntryReset() {
    m_pointAllowed = 1.0;
    m_freshEntry = 1;
}

void CCalcDlg::PutResult(double value) {
    m_display = value;
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::TakeInput(double& field, double value) {
    field = value;
    ShowAllFields();
    m_display = 0;
    ShowAllFields();
    EntryReset();
}

void CCalcDlg::RefuseInput(std::string_view message) {
    ShowExclamation(message);
    m_display = 0.0;
    ShowAllFields();
}

void CCalcDlg::ShowExclamation(std::string_view message) {
    PublishChanges();
    m_window.messageBox(message, MessageIcon::Exclamation);
}

void CCalcDlg::ShowHelp(std::string_view text) {
    PublishChanges();
    m_window.messageBox(text, MessageIcon::Question);
}

void CCalcDlg::Beep() { m_window.beep(); }

void CCalcDlg::FocusMainWindow() { m_window.focusMainWindow(); }

bool CCalcDlg::IsChecked(int id) const { return m_state.check(id) == 1; }

void CCalcDlg::SetCheck(int id, bool checked) { m_state.setCheck(id, checked ? 1 : 0); }

void CCalcDlg::SetCaption(int id, std::string_view caption) { m_state.setCaption(id, caption); }

}  // namespace varnock
