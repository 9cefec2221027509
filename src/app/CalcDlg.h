// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's logic: the form record, what the window shows, and one
// handler per control notification. Each act of the user comes in through one
// of the public entry points below, changes the state, and ends with one
// notification of what changed; the window draws that and nothing else.
#pragma once

#include <string>
#include <string_view>

#include "app/CalcState.h"
#include "form/FormRecord.h"
#include "form/WindowOps.h"
#include "ui/BoxNames.h"

namespace varnock {

// The panels' own types, which some of their helpers below take.
struct InPlaceOutcome;
enum class MathKey;
enum class PowerUnknown;

class CCalcDlg : protected FormRecord {
public:
    explicit CCalcDlg(WindowOps& window);

    // The window has been created: show every field and check the default
    // radio buttons.
    void OnInitDialog();

    // A button-clicked or set-focus notification from control id. Returns
    // false when no operation is routed for it.
    bool OnClicked(int id);
    bool OnSetFocus(int id);

    // The system menu's command; 16 opens the About box.
    static constexpr unsigned kAboutCommand = 0x0010;
    void OnSysCommand(unsigned nID);

    // "CLOSE", Escape and the window manager's close.
    void OnCancel();

    const FormRecord& record() const { return *this; }
    // What the window shows: every box's text, caption and mark.
    const CalcState& state() const { return m_state; }

    // Window lifecycle
    void OnFocusBounce();

    // Data Input Module: entry
    void OnDigit0();
    void OnDigit1();
    void OnDigit2();
    void OnDigit3();
    void OnDigit4();
    void OnDigit5();
    void OnDigit6();
    void OnDigit7();
    void OnDigit8();
    void OnDigit9();
    void OnPoint();
    void OnChangeSign();
    void OnClearEntry();
    void OnClearAll();

    // Data Input Module: editing the number being typed. Backspace removes
    // its last character; Delete clears the entry as "CL&R" does; a paste
    // puts a number from the clipboard's text into the display as if it had
    // been typed. A refusal beeps and changes nothing. None moves the focus.
    void OnBackspace();
    void OnDelete();
    void OnPaste(std::string_view clipboard);

    // Copies: the whole text of a box, and one line per box of its panel
    // ("Copy All Results"). An identifier that is no copyable box gives "".
    std::string OnCopy(int box);
    std::string OnCopyAllResults(int box);

    // Any act of the user that reaches no other handler (the focus moving to
    // a control without a set-focus operation, typing into the scratch pad, a
    // menu opened): the number being typed is finished.
    void OnOtherAct();

    // The user edited the scratch pad: its whole text now, text typed at its
    // end, or bytes erased from its end. Each is another act as above.
    void OnPadEdited(std::string_view text);
    void OnPadTyped(std::string_view text);
    void OnPadErased(std::size_t bytes);

    // Data Input Module: arithmetic chain
    void OnAdd();
    void OnSubtract();
    void OnMultiply();
    void OnDivide();
    void OnEquals();

    // Math functions
    void OnSin();
    void OnCos();
    void OnTan();
    void OnArcSin();
    void OnArcCos();
    void OnArcTan();
    void OnLog();
    void OnLn();
    void OnTenToX();
    void OnExp();
    void OnInverse();
    void OnSquare();

    // dB level conversions
    void OnMwToDbm();
    void OnDbmToMw();
    void OnWToDbm();
    void OnDbmToW();
    void OnUvToDbmv();
    void OnDbmvToUv();
    void OnMvToDbmv();
    void OnDbmvToMv();
    void OnVToDbmv();
    void OnDbmvToV();

    // Temperature conversions
    void OnCelsiusToFahrenheit();
    void OnFahrenheitToCelsius();
    void OnKelvinToFahrenheit();
    void OnFahrenheitToKelvin();
    void OnCelsiusToKelvin();
    void OnKelvinToCelsius();

    // Wavelength, frequency and length conversions
    void OnWavelengthFrequency();
    void OnHertzSeconds();
    void OnHertzToMhz();
    void OnHertzToKhz();
    void OnMilesToKm();
    void OnKmToMiles();
    void OnMeterToFeet();
    void OnFeetToMeter();
    void OnMeterToMiles();
    void OnMilesToMeter();

    // Free space path loss
    void OnFsplEnterFrequency();
    void OnFsplEnterDistance();
    void OnFsplLoss();
    void OnFsplHelpFrequency();
    void OnFsplHelpDistance();
    void OnFsplKms();
    void OnFsplMiles();

    // Line of sight
    void OnLosEnter();
    void OnLosHelp();
    void OnLosMetric();
    void OnLosStandard();

    // Antenna length cutting
    void OnCutEnter();
    void OnCutHelp();
    void OnCutQuarter();
    void OnCutThreeEighths();
    void OnCutHalf();
    void OnCutFiveEighths();
    void OnCutThreeQuarters();
    void OnCutFull();
    void OnCutMetric();
    void OnCutStandard();
    void OnCutFringing();

    // Beam tilt
    void OnTiltEnterHaat();
    void OnTiltEnterBeamwidth();
    void OnTiltEnterDowntilt();
    void OnTiltCalculate();
    void OnTiltMetric();
    void OnTiltStandard();

    // Power ratio
    void OnPowerEnterIn();
    void OnPowerEnterOut();
    void OnPowerEquals();
    void OnPowerHelp();
    void OnPowerModeDb();
    void OnPowerModePin();
    void OnPowerModePout();

    // VSWR
    void OnVswrEnterForward();
    void OnVswrEnterReflected();
    void OnVswrCalculate();
    void OnVswrHelpForward();
    void OnVswrHelpReflected();

    // Scratch pad
    void OnPadClear();

protected:
    // Writes every number of the record, as it is now, into its box. The
    // texts are formatted once, when a box is next read or written or the act
    // ends, so an act pays for one showing however often it shows.
    void ShowAllFields();
    // A box's text as read through a 64-byte buffer: at most 63 characters.
    std::string BoxText(int id);
    // The number in a box's text, read through a 64-byte buffer.
    double ReadBox(int id);
    // The number in the display's text.
    double ReadDisplay();
    // Makes the box show exactly this text.
    void SetBoxText(int id, std::string_view text);
    // The state as tests and tools set it up directly.
    CalcState& MutableState() { return m_state; }
    // The next digit starts a new number, and a point may be typed again.
    void EntryReset();

    // An in-place key's result: into the display, shown, entry reset.
    void PutResult(double value);
    // An "Enter" key's accepted value: into its field, display cleared,
    // entry reset.
    void TakeInput(double& field, double value);
    // A refused in-place or "Enter" key: the message, then the display
    // cleared; the entry flags stay as they were.
    void RefuseInput(std::string_view message);

    void ShowExclamation(std::string_view message);
    void ShowHelp(std::string_view text);
    void Beep();
    void FocusMainWindow();
    bool IsChecked(int id) const;
    void SetCheck(int id, bool checked);
    void SetCaption(int id, std::string_view caption);

private:
    // The fields shown last are written into their boxes, if not yet.
    void WritePendingFields();
    // The window is told what changed since it was last told.
    void PublishChanges();
    // Ends an act when it goes out of scope: pending fields written, the
    // window told. Every public entry point opens one first thing.
    class ActScope {
    public:
        explicit ActScope(CCalcDlg& dialog) : m_dialog(dialog) {}
        ~ActScope() { m_dialog.PublishChanges(); }
        ActScope(const ActScope&) = delete;
        ActScope& operator=(const ActScope&) = delete;

    private:
        CCalcDlg& m_dialog;
    };
    bool StartFreshEntry();
    // Every handler but the typing keys finishes the number being typed.
    void FinishTyping() { m_typingNumber = false; }
    bool TypingPlainNumber(const std::string& text) const;
    std::string ResultLine(const ControlSpec& box);
    void TypeDigit(char digit);
    void OperatorKey(int code);
    // An in-place key's result into the display, or its refusal.
    void PutOutcome(const InPlaceOutcome& outcome);
    void MathKeyPressed(MathKey key);
    void RecomputePathLoss(bool standard);
    void SetLosUnits(bool standard);
    double CutFraction() const;
    bool CutStandard() const;
    bool CutFringing() const;
    void RecomputeCutLength(double fraction, bool standard);
    void SetTiltUnits(bool standard);
    void ComputeBeamTilt(double h, double w, double t, bool standard);
    PowerUnknown PowerMode() const;
    void SetPowerMode(PowerUnknown mode);

    WindowOps& m_window;
    CalcState m_state;
    FieldTexts m_fieldTexts;
    // The record as the last ShowAllFields saw it, while its texts are not
    // yet written.
    FormRecord m_shownRecord;
    bool m_showPending = false;
    // The changes the window is being told of; drawing them may report
    // another act, whose changes follow once these are drawn.
    ChangedControls m_published;
    bool m_publishing = false;
    // The last act was a digit, point, Backspace or paste: Backspace may edit
    // the display's text.
    bool m_typingNumber = false;
};

}  // namespace varnock
