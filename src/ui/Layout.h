// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: one table that the desktop window, the console
// and the tests all read. Rectangles are in dialog units of the window font.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace varnock {

enum class ControlKind {
    GroupBox,
    PushButton,
    RadioButton,
    CheckBox,
    Edit,
    MultiLineEdit,
    Label,
};

// Flags of a control, or-ed together.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDefaultButton = 1u << 0,  // Return presses it when no other push button has the focus
    kIconFace = 1u << 1,       // shows an icon instead of its caption
    kTabStop = 1u << 2,
    kHidden = 1u << 3,    // exists, never shown
    kPushLike = 1u << 4,  // radio drawn as a flat toggle button
    kNoMnemonic = 1u << 5,
    kChangingCaption = 1u << 6,  // a label whose caption the calculator changes
    kShowsUnit = 1u << 7,        // a label that gives the unit of its partner box
};

struct DialogRect {
    int x, y, width, height;
};

// An identifier of -1 marks a frame or label that no code addresses.
inline constexpr int kUnaddressed = -1;

struct ControlSpec {
    int id;
    ControlKind kind;
    std::string_view caption;  // as stored: "&" marks a mnemonic, "&&" a literal "&"
    DialogRect rect;
    int radioGroup;          // the radio group it belongs to, from 1; 0 for none
    std::string_view frame;  // caption of the frame or label that names this control
    unsigned flags;
    // A hidden key: the visible key whose operation it runs. A label: the box
    // it names, or whose unit it gives (kShowsUnit). 0 for none.
    int partner = 0;

    bool is(ControlFlag flag) const { return (flags & flag) != 0; }
    bool isVisible() const { return !is(kHidden); }
    // A hidden keypad twin, whose mnemonic is a keyboard shortcut.
    bool isHiddenTwin() const { return kind == ControlKind::PushButton && is(kHidden); }
    // A box only the calculator writes: every visible one-line box. The user
    // cannot type into it, and it gives the focus back when it receives it.
    bool isReadOnlyBox() const { return kind == ControlKind::Edit && isVisible(); }
};

struct DialogFrame {
    std::string_view title;
    int width, height;  // dialog units
    int fontPointSize;
};

const DialogFrame& mainWindowFrame();

// Every control of the main window, in creation (and tab) order.
std::span<const ControlSpec> controls();

// The control with this identifier, or nullptr.
const ControlSpec* findControl(int id);

// Radio groups by the radioGroup column, in the order of their numbers, which
// is the order the window sets them up. A group's members are in table order;
// the first is the one checked at start-up and by "CLEAR ALL".
struct RadioGroup {
    std::span<const int> members;
    int defaultMember() const { return members.front(); }
};
std::span<const RadioGroup> radioGroups();

// The group that holds this radio button, or nullptr.
const RadioGroup* radioGroupOf(int id);

// The default push button ("=").
int defaultButtonId();

// The hidden keypad twin whose mnemonic is this character, or 0.
int twinForKey(char key);

// The labels whose captions change, in table order.
std::span<const int> changingLabels();

// The label that names this box, or nullptr.
const ControlSpec* labelOf(int box);

// The label that gives the unit of this box's number, or nullptr.
const ControlSpec* unitLabelOf(int box);

// The caption a control has when the window opens ("CLEAR ALL" puts the
// changing labels back to it).
std::string_view startCaption(int id);

// The caption with mnemonic marks resolved: "&CLEAR ALL" gives "CLEAR ALL",
// "dBm && Watts" gives "dBm & Watts".
std::string plainCaption(std::string_view caption);

// The mnemonic character of a caption, or 0.
char mnemonicOf(std::string_view caption);

}  // namespace varnock
