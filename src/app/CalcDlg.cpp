#include "app/CalcDlg.h"

#include "app/Routing.h"
#include "form/NumberText.h"
#include "ui/Layout.h"
#include "ui/Strings.h"

namespace varnock {

CCalcDlg::CCalcDlg(WindowOps& window) : m_window(window) {}

void CCalcDlg::OnInitDialog() {
    ShowAllFields();
    for (const RadioGroup& group : radioGroups()) SetCheck(group.defaultMember(), true);
}

bool CCalcDlg::OnClicked(int id) {
    FinishTyping();
    ClickHandler handler = findClickHandler(id);
    if (handler == nullptr) return false;
    (this->*handler)();
    return true;
}

bool CCalcDlg::OnSetFocus(int id) {
    FinishTyping();
    ClickHandler handler = findFocusHandler(id);
    if (handler == nullptr) return false;
    (this->*handler)();
    return true;
}

void CCalcDlg::OnSysCommand(unsigned nID) {
    FinishTyping();
    if ((nID & 0xFFF0) == kAboutCommand) m_window.runAboutBox();
}

void CCalcDlg::OnCancel() { m_window.endDialog(); }

// A box that received the focus hands it back: the user cannot type into it.
void CCalcDlg::OnFocusBounce() {
    FocusMainWindow();
    Beep();
}

void CCalcDlg::ShowAllFields() {
    const auto fields = formFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        m_window.setBoxText(fields[i].box, m_fieldTexts.text(i, fields[i], record()));
    }
}

std::string CCalcDlg::BoxText(int id) const { return m_window.boxText(id).substr(0, kMaxBoxText); }

double CCalcDlg::ReadBox(int id) const { return parseNumber(m_window.boxText(id)); }

double CCalcDlg::ReadDisplay() const { return ReadBox(1007); }

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

void CCalcDlg::ConvertDisplay(double (*convert)(double)) { PutResult(convert(ReadDisplay())); }

void CCalcDlg::ConvertPositiveDisplay(double (*convert)(double)) {
    const double x = ReadDisplay();
    if (!(x > 0)) {
        RefuseInput(kMustBeGreaterThanZero);
        return;
    }
    PutResult(convert(x));
}

void CCalcDlg::ShowExclamation(std::string_view message) {
    m_window.messageBox(message, MessageIcon::Exclamation);
}

void CCalcDlg::ShowHelp(std::string_view text) { m_window.messageBox(text, MessageIcon::Question); }

void CCalcDlg::Beep() { m_window.beep(); }

void CCalcDlg::FocusMainWindow() { m_window.focusMainWindow(); }

bool CCalcDlg::IsChecked(int id) const { return m_window.checkState(id) == 1; }

void CCalcDlg::SetCheck(int id, bool checked) { m_window.setCheckState(id, checked ? 1 : 0); }

void CCalcDlg::SetCaption(int id, std::string_view caption) {
    m_captions.set(id, caption);
    m_window.setCaption(id, caption);
}

}  // namespace varnock
