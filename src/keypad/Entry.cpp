// SPDX-License-Identifier: GPL-3.0-or-later
// The keypad's number entry: digits, point, sign and the two clear keys.
#include "app/CalcDlg.h"
#include "form/ControlIds.h"
#include "form/NumberText.h"
#include "keypad/PastedNumber.h"
#include "ui/Layout.h"

namespace varnock {

// After a result, the first key of a new number clears the display to 0.
bool CCalcDlg::StartFreshEntry() {
    if (m_freshEntry != 1) return false;
    m_display = 0;
    ShowAllFields();
    m_freshEntry = 0;
    return true;
}

// Whether the number being typed can take one more character. The text holds
// at most 63 characters. From sixteen integer digits on, the display turns to
// exponent notation ("1.23456789012346e+15"); a character appended there would
// land in the exponent and make the number wildly larger, so the entry is full.
static bool acceptsAnotherCharacter(const std::string& text) {
    return text.size() < kMaxBoxText && text.find('e') == std::string::npos;
}

void CCalcDlg::TypeDigit(char digit) {
    m_typingNumber = true;
    StartFreshEntry();
    std::string text = BoxText(kDisplay);
    if (!acceptsAnotherCharacter(text)) {
        Beep();
        FocusMainWindow();
        return;
    }
    text += digit;
    SetBoxText(kDisplay, text);
    m_display = parseNumber(text);
    ShowAllFields();
    FocusMainWindow();
}

void CCalcDlg::OnDigit1() { TypeDigit('1'); }
void CCalcDlg::OnDigit2() { TypeDigit('2'); }
void CCalcDlg::OnDigit3() { TypeDigit('3'); }
void CCalcDlg::OnDigit4() { TypeDigit('4'); }
void CCalcDlg::OnDigit5() { TypeDigit('5'); }
void CCalcDlg::OnDigit6() { TypeDigit('6'); }
void CCalcDlg::OnDigit7() { TypeDigit('7'); }
void CCalcDlg::OnDigit8() { TypeDigit('8'); }
void CCalcDlg::OnDigit9() { TypeDigit('9'); }

// The zero key appends to the text without showing the record, so that typed
// zeros ("1.0", "000") stay visible; the record still takes the typed value,
// so a later show writes back the number the user typed.
void CCalcDlg::OnDigit0() {
    m_typingNumber = true;
    if (StartFreshEntry()) return;
    std::string text = BoxText(kDisplay);
    if (!acceptsAnotherCharacter(text)) {
        Beep();
        return;
    }
    text += '0';
    SetBoxText(kDisplay, text);
    m_display = parseNumber(text);
}

void CCalcDlg::OnPoint() {
    m_typingNumber = true;
    StartFreshEntry();
    std::string text = BoxText(kDisplay);
    if (m_pointAllowed == 0.0 || !acceptsAnotherCharacter(text)) {
        Beep();
        FocusMainWindow();
        return;
    }
    m_pointAllowed = 0.0;
    SetBoxText(kDisplay, text + '.');
    FocusMainWindow();
}

void CCalcDlg::OnChangeSign() {
    StartFreshEntry();
    m_display = ReadDisplay() * -1.0;
    ShowAllFields();
    FocusMainWindow();
}

void CCalcDlg::OnClearEntry() {
    m_display = 0;
    m_pointAllowed = 1.0;
    m_freshEntry = 0;
    ShowAllFields();
}

void CCalcDlg::OnClearAll() {
    m_display = 0;
    m_pointAllowed = 1.0;
    m_freshEntry = 0;
    ShowAllFields();

    FormRecord& fields = *this;
    fields = FormRecord{};
    ShowAllFields();

    for (const RadioGroup& group : radioGroups()) {
        for (int member : group.members) SetCheck(member, member == group.defaultMember());
    }
    SetCheck(kCutFringing, false);

    for (int label : changingLabels()) SetCaption(label, startCaption(label));
}

// Backspace edits only a number that is being typed and reads as its plain
// characters: a result, or a text in exponent notation, "inf" or "nan", is
// no typing that one character less could correct.
bool CCalcDlg::TypingPlainNumber(const std::string& text) const {
    return m_typingNumber && !text.empty() &&
           text.find_first_not_of("+-.0123456789") == std::string::npos;
}

// Like the "0" key, Backspace changes the display's text and the record's
// number behind it, and shows nothing else.
void CCalcDlg::OnBackspace() {
    const ActScope act(*this);
    std::string text = BoxText(kDisplay);
    if (!TypingPlainNumber(text)) {
        Beep();
        return;
    }
    if (text.back() == '.') m_pointAllowed = 1.0;
    text.pop_back();
    // Nothing but a sign left reads "0", as the display does after "CL&R".
    const bool signOnly = text.find_first_not_of("+-") == std::string::npos;
    const std::string_view shown = signOnly ? std::string_view("0") : std::string_view(text);
    SetBoxText(kDisplay, shown);
    m_display = parseNumber(shown);
}

void CCalcDlg::OnDelete() {
    const ActScope act(*this);
    FinishTyping();
    OnClearEntry();
}

// The pasted text stands in the display as typed from a fresh start: its
// point, if any, uses up the entry's point, and typing may go on.
void CCalcDlg::OnPaste(std::string_view clipboard) {
    const ActScope act(*this);
    const std::optional<PastedNumber> number = parsePastedNumber(clipboard);
    if (!number) {
        Beep();
        return;
    }
    SetBoxText(kDisplay, number->text);
    m_display = number->value;
    m_pointAllowed = number->hasPoint ? 0.0 : 1.0;
    m_freshEntry = 0;
    m_typingNumber = true;
}

void CCalcDlg::OnOtherAct() {
    const ActScope act(*this);
    FinishTyping();
}

}  // namespace varnock
