// SPDX-License-Identifier: GPL-3.0-or-later
// How input lines become commands, and which lines are errors.
#include <gtest/gtest.h>

#include <string>

#include "console/Command.h"
#include "form/ControlIds.h"

namespace varnock::console {
namespace {

using namespace std::string_literals;

Command commandOf(std::string_view line) {
    ParsedLine parsed = parseLine(line);
    if (auto* error = std::get_if<LineError>(&parsed))
        ADD_FAILURE() << line << ": " << error->message;
    EXPECT_TRUE(std::holds_alternative<Command>(parsed)) << line;
    return std::holds_alternative<Command>(parsed) ? std::get<Command>(parsed) : Command{};
}

std::string errorOf(std::string_view line) {
    ParsedLine parsed = parseLine(line);
    EXPECT_TRUE(std::holds_alternative<LineError>(parsed)) << line;
    auto* error = std::get_if<LineError>(&parsed);
    return error != nullptr ? error->message : std::string();
}

std::string typedText(std::string_view line) {
    Command command = commandOf(line);
    EXPECT_TRUE(std::holds_alternative<TypeCommand>(command)) << line;
    auto* type = std::get_if<TypeCommand>(&command);
    return type != nullptr ? type->text : std::string("<not type>");
}

TEST(Command, SkipsBlankLinesAndComments) {
    for (std::string_view line : {"", "   ", "\t \t", "#", "  # click 999", "\t#x", "\r", " \r"}) {
        EXPECT_TRUE(std::holds_alternative<SkippedLine>(parseLine(line))) << '"' << line << '"';
    }
}

TEST(Command, WordsAreSeparatedByBlanksAndTabsOnly) {
    auto click = std::get<ClickCommand>(commandOf(" \tclick\t \t1152 \t\r"));
    EXPECT_EQ(click.control.value, kMathEquals);
    EXPECT_TRUE(std::holds_alternative<DumpCommand>(commandOf("dump\r")));
    // Other white space belongs to the word it stands in.
    EXPECT_EQ(errorOf("dump\r\r"),
              "unknown command \"dump\\r\" (click, focus, key, type, paste, copy, menu, dump)");
    EXPECT_EQ(
        errorOf("click\v1152"),
        "unknown command \"click\\u000b1152\" (click, focus, key, type, paste, copy, menu, dump)");
    EXPECT_EQ(errorOf("click 1152\f"), "\"1152\\u000c\" is not an identifier (a decimal number)");
}

TEST(Command, CommandWordsAndKeyNamesAreCaseSensitive) {
    EXPECT_EQ(errorOf("Dump"),
              "unknown command \"Dump\" (click, focus, key, type, paste, copy, menu, dump)");
    EXPECT_EQ(
        errorOf("key return"),
        "no key is named \"return\" (0 to 9, ., +, -, *, /, =, Return, Escape, Backspace, Delete)");
    EXPECT_EQ(errorOf("menu About"), "the system menu has no entry \"About\" (about or close)");
}

TEST(Command, AWordAfterACompleteCommandIsAnError) {
    EXPECT_EQ(errorOf("dump now"), "unexpected \"now\" after the command");
    EXPECT_EQ(errorOf("key 5 6"), "unexpected \"6\" after the command");
    EXPECT_EQ(errorOf("click 1152 1152"), "unexpected \"1152\" after the command");
    EXPECT_EQ(errorOf("menu close now"), "unexpected \"now\" after the command");
}

TEST(Command, MissingWordsAreNamed) {
    EXPECT_EQ(errorOf("click"), "click needs an identifier");
    EXPECT_EQ(errorOf("focus  "), "focus needs an identifier");
    EXPECT_EQ(errorOf("key"), "key needs a key name");
    EXPECT_EQ(errorOf("menu"), "menu needs an entry: about or close");
}

TEST(Command, IdentifiersAreDecimalNumbersOfAsciiDigits) {
    EXPECT_EQ(std::get<FocusCommand>(commandOf("focus 1221")).control.value, kScratchPad);
    EXPECT_EQ(std::get<ClickCommand>(commandOf("click 0058112")).control.value, kCloseButton);
    EXPECT_EQ(std::get<ClickCommand>(commandOf("click 2147483647")).control.value, 2147483647);
    for (std::string_view line : {"click -1", "click +1", "click 1e3", "click 0x10", "click 12a",
                                  "click \xd9\xa1"}) {  // ARABIC-INDIC DIGIT ONE
        EXPECT_NE(errorOf(line).find("is not an identifier"), std::string::npos) << line;
    }
}

TEST(Command, IdentifiersTooLargeForAnyControlKeepTheirDigits) {
    for (std::string_view digits :
         {"2147483648", "99999999999999999999", "184467440737095516161844674407370955161"}) {
        auto click = std::get<ClickCommand>(commandOf("click " + std::string(digits)));
        EXPECT_FALSE(click.control.value.has_value()) << digits;
        EXPECT_EQ(click.control.written, digits);
    }
}

TEST(Command, KeysOfTheProtocol) {
    for (char c : std::string("0123456789.+-*/=")) {
        Key key = std::get<KeyCommand>(commandOf("key "s + c)).key;
        EXPECT_EQ(key.kind, WindowKey::Character);
        EXPECT_EQ(key.character, c);
    }
    EXPECT_EQ(std::get<KeyCommand>(commandOf("key Return")).key.kind, WindowKey::Return);
    EXPECT_EQ(std::get<KeyCommand>(commandOf("key Escape")).key.kind, WindowKey::Escape);
    EXPECT_EQ(std::get<KeyCommand>(commandOf("key Backspace")).key.kind, WindowKey::Backspace);
    EXPECT_EQ(std::get<KeyCommand>(commandOf("key Delete")).key.kind, WindowKey::Delete);
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("key delete")));
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("key Del")));
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("key a")));
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("key 12")));
}

TEST(Command, MenuEntries) {
    EXPECT_EQ(std::get<MenuCommand>(commandOf("menu about")).entry, MenuChoice::About);
    EXPECT_EQ(std::get<MenuCommand>(commandOf("menu close")).entry, MenuChoice::Close);
}

TEST(Command, TypeTakesTheRestOfTheLineAfterOneBlank) {
    EXPECT_EQ(typedText("type hello"), "hello");
    EXPECT_EQ(typedText("  type   two  blanks  "), "  two  blanks  ");
    EXPECT_EQ(typedText("type\tafter a tab"), "after a tab");
    EXPECT_EQ(typedText("type a\tb"), "a\tb");
    EXPECT_EQ(typedText("type # not a comment"), "# not a comment");
    EXPECT_EQ(typedText("type dump now\r"), "dump now");
    EXPECT_EQ(typedText("type"), "");
    EXPECT_EQ(typedText("type "), "");
    EXPECT_EQ(typedText("\ttype \xe2\x82\xac 5"), "\xe2\x82\xac 5");
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("typed text")));
}

TEST(Command, CopyTakesAnOptionalIdentifier) {
    EXPECT_FALSE(std::get<CopyCommand>(commandOf("copy")).box.has_value());
    EXPECT_FALSE(std::get<CopyCommand>(commandOf(" copy \t")).box.has_value());
    const auto box = std::get<CopyCommand>(commandOf("copy 1195")).box;
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->value, kVswrReturnLossBox);
    EXPECT_EQ(errorOf("copy all"), "\"all\" is not an identifier (a decimal number)");
    EXPECT_EQ(errorOf("copy 1195 1190"), "unexpected \"1190\" after the command");
    EXPECT_EQ(errorOf("Copy"),
              "unknown command \"Copy\" (click, focus, key, type, paste, copy, menu, dump)");
}

std::string pastedText(std::string_view line) {
    Command command = commandOf(line);
    auto* paste = std::get_if<PasteCommand>(&command);
    EXPECT_NE(paste, nullptr) << line;
    return paste != nullptr ? paste->text : std::string("<not paste>");
}

TEST(Command, PasteTakesTheRestOfTheLineAsTypeDoes) {
    EXPECT_EQ(pastedText("paste 12.5"), "12.5");
    EXPECT_EQ(pastedText("  paste  -3 "), " -3 ");
    EXPECT_EQ(pastedText("paste\t1\t2"), "1\t2");
    EXPECT_EQ(pastedText("paste 1,5 # not a comment\r"), "1,5 # not a comment");
    EXPECT_EQ(pastedText("paste"), "");
    EXPECT_EQ(pastedText("paste \xe2\x88\x92"
                         "5"),
              "\xe2\x88\x92"
              "5");
    EXPECT_EQ(errorOf("paste 1\x1b"), "paste cannot paste the control character U+001B");
    EXPECT_EQ(errorOf("paste \xef\xbf\xbf"), "paste cannot paste the noncharacter U+FFFF");
    EXPECT_FALSE(std::holds_alternative<Command>(parseLine("pasted 5")));
}

TEST(Command, TypeRefusesControlCharactersOtherThanTab) {
    EXPECT_EQ(errorOf("type a\x1b[31mred"), "type cannot type the control character U+001B");
    EXPECT_EQ(errorOf("type a\rb"), "type cannot type the control character U+000D");
    EXPECT_EQ(errorOf("type \x7f"), "type cannot type the control character U+007F");
    EXPECT_EQ(errorOf("type \xc2\x9b"), "type cannot type the control character U+009B");
}

TEST(Command, TypeRefusesNoncharactersAndTakesTheirNeighbours) {
    EXPECT_EQ(errorOf("type \xef\xb7\x90"), "type cannot type the noncharacter U+FDD0");
    EXPECT_EQ(errorOf("type a\xef\xb7\xaf"), "type cannot type the noncharacter U+FDEF");
    EXPECT_EQ(errorOf("type \xef\xbf\xbe"), "type cannot type the noncharacter U+FFFE");
    EXPECT_EQ(errorOf("type \xf4\x8f\xbf\xbf"), "type cannot type the noncharacter U+10FFFF");
    EXPECT_EQ(
        typedText("type \xef\xb7\x8f\xef\xb7\xb0\xef\xbf\xbd\xf0\x9f\xbf\xbd"),
        "\xef\xb7\x8f\xef\xb7\xb0\xef\xbf\xbd\xf0\x9f\xbf\xbd");  // U+FDCF U+FDF0 U+FFFD U+1FFFD
}

TEST(Command, NulBytesAndInvalidUtf8MakeAnyLineAnError) {
    EXPECT_EQ(errorOf("dump\0"s), "the line holds a NUL byte (byte 5)");
    EXPECT_EQ(errorOf("type a\0b"s), "the line holds a NUL byte (byte 7)");
    EXPECT_EQ(errorOf("# comment\0"s), "the line holds a NUL byte (byte 10)");
    EXPECT_EQ(errorOf("type Gr\xfc\xdf"
                      "e"),
              "the line is not valid UTF-8 (byte 8)");
    EXPECT_EQ(errorOf("# Gr\xfc\xdf"
                      "e"),
              "the line is not valid UTF-8 (byte 5)");
    EXPECT_EQ(errorOf("click \xc0\xb1"), "the line is not valid UTF-8 (byte 7)");
}

}  // namespace
}  // namespace varnock::console
