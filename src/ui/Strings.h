// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that more than one part of the program shows.
#pragma once

#include <string_view>

namespace varnock {

// The application's name: the message boxes' caption.
inline constexpr std::string_view kAppName = "Varnock";
inline constexpr std::string_view kVersion = "1.0.0.1";

// The system-menu entry that opens the About box.
inline constexpr std::string_view kAboutMenuEntry = "&About Varnock...";
// A box's context menu: Copy and Copy All Results, and on the display Paste.
inline constexpr std::string_view kCopyMenuEntry = "&Copy";
inline constexpr std::string_view kCopyAllResultsMenuEntry = "Copy &All Results";
inline constexpr std::string_view kPasteMenuEntry = "&Paste";
inline constexpr std::string_view kAboutTitle = "About Varnock";
inline constexpr std::string_view kAboutProduct = "Tolvane Calculator Version 1.00";
inline constexpr std::string_view kAboutDedication =
    "Designed with the bench technician in mind, this calculator is dedicated to all "
    "those who sniff solder fumes all day with little or no recognition.   ";

// The refusal of every key that needs a number above zero.
inline constexpr std::string_view kMustBeGreaterThanZero =
    " Invalid Input, Number must be greater than Zero.";

}  // namespace varnock
