// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers become box text and box text becomes numbers.
#pragma once

#include <string>
#include <string_view>

namespace varnock {

// Box text reads at most this many characters, as through a 64-byte buffer.
inline constexpr std::size_t kMaxBoxText = 63;

// "%.15g" in the "C" locale: "0", "0.3", "1.23456789012346e+15", "inf", "-nan".
std::string formatDouble(double value);
// "%d".
std::string formatInt(int value);

// The longest leading number of the text's first 63 characters, by strtod;
// 0 when there is none.
double parseNumber(std::string_view text);

}  // namespace varnock
