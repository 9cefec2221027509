// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutLayout.h"

#include "ui/Strings.h"

namespace varnock {
namespace {

using K = AboutItemKind;
constexpr int X = kUnaddressed;

constexpr DialogFrame kAboutFrame{kAboutTitle, 248, 137, 8};

constexpr std::string_view kAcknowledgements =
    "Thanks to the radio amateurs, broadcast engineers and two-way radio shops whose "
    "rules of thumb, worked examples and patient questions shaped these calculators. "
    "Check every result against your own measurements before you cut, climb or key up.";

// clang-format off
constexpr AboutItem kItems[] = {
    {X, K::Picture, "", {7, 7, 47, 123}, kNoFlags},
    {X, K::Label, kAboutProduct, {61, 10, 119, 8}, kNoMnemonic},
    {kAboutOkButton, K::DefaultButton, "OK", {191, 7, 50, 14}, kNoFlags},
    {X, K::Label, kAboutDedication, {61, 33, 180, 26}, kNoFlags},
    {X, K::Label, kAcknowledgements, {61, 60, 180, 61}, kNoFlags},
};
// clang-format on

}  // namespace

const DialogFrame& aboutBoxFrame() { return kAboutFrame; }

std::span<const AboutItem> aboutBoxItems() { return kItems; }

}  // namespace varnock
