// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/Json.h"

#include "text/Utf8.h"

namespace varnock::console {
namespace {

constexpr std::size_t kQuotedWordBytes = 40;

}  // namespace

std::string quotedWord(std::string_view word) {
    const std::string_view shown = text::cutAtCharacter(word, kQuotedWordBytes);
    return jsonString(shown) + (shown.size() < word.size() ? "..." : "");
}

std::string shownWord(std::string_view word) {
    const std::string_view shown = text::cutAtCharacter(word, kQuotedWordBytes);
    return std::string(shown) + (shown.size() < word.size() ? "..." : "");
}

}  // namespace varnock::console
