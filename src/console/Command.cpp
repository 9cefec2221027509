// SPDX-License-Identifier: GPL-3.0-or-later
#include "console/Command.h"

#include <array>
#include <limits>

#include "console/Json.h"
#include "text/Utf8.h"

namespace varnock::console {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The words of a line: no command takes more than two, so the first three
// are kept (a third one is an error), and all of them are counted.
class Words {
public:
    explicit Words(std::string_view line) {
        std::size_t pos = 0;
        while (pos < line.size()) {
            while (pos < line.size() && isBlank(line[pos])) ++pos;
            const std::size_t start = pos;
            while (pos < line.size() && !isBlank(line[pos])) ++pos;
            if (pos == start) continue;
            if (m_count < m_first.size()) m_first[m_count] = line.substr(start, pos - start);
            ++m_count;
        }
    }

    std::size_t size() const { return m_count; }
    std::string_view front() const { return m_first[0]; }
    // One of the first three words.
    std::string_view operator[](std::size_t index) const { return m_first.at(index); }

private:
    std::array<std::string_view, 3> m_first;
    std::size_t m_count = 0;
};

bool isBlankOrComment(std::string_view line) {
    for (char c : line) {
        if (isBlank(c)) continue;
        return c == '#';
    }
    return true;
}

// Whether the line holds a byte or character that no command may contain.
std::optional<LineError> checkCharacters(std::string_view line) {
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) {
        return LineError{"the line holds a NUL byte (byte " + std::to_string(nul + 1) + ")"};
    }
    if (const std::size_t bad = text::findInvalidUtf8(line); bad != std::string_view::npos) {
        return LineError{"the line is not valid UTF-8 (byte " + std::to_string(bad + 1) + ")"};
    }
    return std::nullopt;
}

std::variant<Identifier, LineError> parseIdentifier(std::string_view word) {
    Identifier id{std::string(word), 0};
    for (char c : word) {
        if (c < '0' || c > '9') {
            return LineError{quotedWord(word) + " is not an identifier (a decimal number)"};
        }
        if (id.value) {
            const long long next = *id.value * 10LL + (c - '0');
            if (next > std::numeric_limits<int>::max()) {
                id.value.reset();  // too large for any control: kept as written
            } else {
                id.value = static_cast<int>(next);
            }
        }
    }
    return id;
}

struct KeyName {
    std::string_view name;
    Key key;
};

// The keys of the protocol: the printable ones are the keypad's characters.
constexpr std::array kKeyNames = {
    KeyName{"0", {WindowKey::Character, '0'}},    KeyName{"1", {WindowKey::Character, '1'}},
    KeyName{"2", {WindowKey::Character, '2'}},    KeyName{"3", {WindowKey::Character, '3'}},
    KeyName{"4", {WindowKey::Character, '4'}},    KeyName{"5", {WindowKey::Character, '5'}},
    KeyName{"6", {WindowKey::Character, '6'}},    KeyName{"7", {WindowKey::Character, '7'}},
    KeyName{"8", {WindowKey::Character, '8'}},    KeyName{"9", {WindowKey::Character, '9'}},
    KeyName{".", {WindowKey::Character, '.'}},    KeyName{"+", {WindowKey::Character, '+'}},
    KeyName{"-", {WindowKey::Character, '-'}},    KeyName{"*", {WindowKey::Character, '*'}},
    KeyName{"/", {WindowKey::Character, '/'}},    KeyName{"=", {WindowKey::Character, '='}},
    KeyName{"Return", {WindowKey::Return}},       KeyName{"Escape", {WindowKey::Escape}},
    KeyName{"Backspace", {WindowKey::Backspace}}, KeyName{"Delete", {WindowKey::Delete}},
};

std::optional<Key> findKey(std::string_view name) {
    for (const KeyName& entry : kKeyNames) {
        if (entry.name == name) return entry.key;
    }
    return std::nullopt;
}

// The text of a command that takes the rest of its line: what follows the
// command word and the one blank or tab after it. It must be characters a
// keyboard types into a box; verb says what the command does with them.
std::variant<std::string, LineError> restOfLine(std::string_view line, std::string_view word,
                                                std::string_view verb) {
    const std::size_t afterWord = line.find_first_not_of(" \t") + word.size();
    const std::string_view typed =
        afterWord < line.size() ? line.substr(afterWord + 1) : std::string_view();
    const std::string refusal = std::string(word) + " cannot " + std::string(verb) + " the ";
    for (std::size_t i = 0; i < typed.size();) {
        const text::Utf8Step step = text::decodeUtf8(typed, i);
        if (text::isControlCharacter(step.codePoint) && step.codePoint != '\t') {
            return LineError{refusal + "control character " + text::codePointName(step.codePoint)};
        }
        if (text::isNoncharacter(step.codePoint)) {
            return LineError{refusal + "noncharacter " + text::codePointName(step.codePoint)};
        }
        i += step.length;
    }
    return std::string(typed);
}

// A command made of its word and the rest of the line.
template <typename CommandType>
ParsedLine parseWithText(std::string_view line, std::string_view word, std::string_view verb) {
    auto text = restOfLine(line, word, verb);
    if (auto* error = std::get_if<LineError>(&text)) return *error;
    return Command{CommandType{std::get<std::string>(std::move(text))}};
}

// A command that takes one identifier.
template <typename CommandType>
ParsedLine parseWithIdentifier(const Words& words) {
    if (words.size() < 2) return LineError{std::string(words[0]) + " needs an identifier"};
    auto id = parseIdentifier(words[1]);
    if (auto* error = std::get_if<LineError>(&id)) return *error;
    return Command{CommandType{std::get<Identifier>(std::move(id))}};
}

ParsedLine parseKey(const Words& words) {
    if (words.size() < 2) return LineError{"key needs a key name"};
    if (auto key = findKey(words[1])) return Command{KeyCommand{*key}};
    return LineError{"no key is named " + quotedWord(words[1]) +
                     " (0 to 9, ., +, -, *, /, =, Return, Escape, Backspace, Delete)"};
}

// "copy" alone is Ctrl+C; "copy ID" copies one box.
ParsedLine parseCopy(const Words& words) {
    if (words.size() < 2) return Command{CopyCommand{}};
    auto id = parseIdentifier(words[1]);
    if (auto* error = std::get_if<LineError>(&id)) return *error;
    return Command{CopyCommand{std::get<Identifier>(std::move(id))}};
}

ParsedLine parseMenu(const Words& words) {
    if (words.size() < 2) return LineError{"menu needs an entry: about or close"};
    if (words[1] == "about") return Command{MenuCommand{MenuChoice::About}};
    if (words[1] == "close") return Command{MenuCommand{MenuChoice::Close}};
    return LineError{"the system menu has no entry " + quotedWord(words[1]) + " (about or close)"};
}

ParsedLine parseDump(const Words&) { return Command{DumpCommand{}}; }

// The commands made of words; "type" and "paste" take the rest of their line
// instead.
struct CommandSyntax {
    std::string_view name;
    std::size_t words;  // its own name included
    ParsedLine (*parse)(const Words&);
};

constexpr CommandSyntax kCommands[] = {
    {"click", 2, parseWithIdentifier<ClickCommand>},
    {"focus", 2, parseWithIdentifier<FocusCommand>},
    {"key", 2, parseKey},
    {"menu", 2, parseMenu},
    {"dump", 1, parseDump},
    {"copy", 2, parseCopy},
};

const CommandSyntax* findCommand(std::string_view name) {
    for (const CommandSyntax& syntax : kCommands) {
        if (syntax.name == name) return &syntax;
    }
    return nullptr;
}

}  // namespace

ParsedLine parseLine(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (auto error = checkCharacters(line)) return *error;
    if (isBlankOrComment(line)) return SkippedLine{};

    const Words words(line);
    if (words.front() == "type") return parseWithText<TypeCommand>(line, "type", "type");
    if (words.front() == "paste") return parseWithText<PasteCommand>(line, "paste", "paste");
    const CommandSyntax* syntax = findCommand(words.front());
    if (syntax == nullptr) {
        return LineError{"unknown command " + quotedWord(words.front()) +
                         " (click, focus, key, type, paste, copy, menu, dump)"};
    }
    ParsedLine parsed = syntax->parse(words);
    if (std::holds_alternative<Command>(parsed) && words.size() > syntax->words) {
        return LineError{"unexpected " + quotedWord(words[syntax->words]) + " after the command"};
    }
    return parsed;
}

}  // namespace varnock::console
