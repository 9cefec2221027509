// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 checks and JSON strings: what makes the console's output and the
// page's events valid JSON whatever bytes came in.
#include <gtest/gtest.h>

#include <string>

#include "text/JsonString.h"
#include "text/Utf8.h"

namespace varnock::text {
namespace {

using namespace std::string_literals;

TEST(Utf8, AcceptsWellFormedTextOfEveryLength) {
    EXPECT_EQ(findInvalidUtf8(""), std::string::npos);
    EXPECT_EQ(findInvalidUtf8("a\x7f"), std::string::npos);
    EXPECT_EQ(findInvalidUtf8("\xc2\x80 \xdf\xbf"), std::string::npos);          // U+0080, U+07FF
    EXPECT_EQ(findInvalidUtf8("\xe0\xa0\x80 \xef\xbf\xbd"), std::string::npos);  // U+0800, U+FFFD
    EXPECT_EQ(findInvalidUtf8("\xf0\x90\x80\x80 \xf4\x8f\xbf\xbf"),
              std::string::npos);  // U+10000, U+10FFFF
}

TEST(Utf8, FindsTheFirstByteThatIsNotACharacter) {
    EXPECT_EQ(findInvalidUtf8("ab\x80"), 2u);            // lone continuation byte
    EXPECT_EQ(findInvalidUtf8("\xc0\x80"), 0u);          // overlong NUL
    EXPECT_EQ(findInvalidUtf8("\xc1\xbf"), 0u);          // overlong
    EXPECT_EQ(findInvalidUtf8("x\xe0\x9f\xbf"), 1u);     // overlong three-byte form
    EXPECT_EQ(findInvalidUtf8("\xed\xa0\x80"), 0u);      // surrogate U+D800
    EXPECT_EQ(findInvalidUtf8("\xf0\x8f\xbf\xbf"), 0u);  // overlong four-byte form
    EXPECT_EQ(findInvalidUtf8("\xf4\x90\x80\x80"), 0u);  // above U+10FFFF
    EXPECT_EQ(findInvalidUtf8("\xf5\x80\x80\x80"), 0u);
    EXPECT_EQ(findInvalidUtf8("\xff"), 0u);
    EXPECT_EQ(findInvalidUtf8("ok\xe2\x82"), 2u);    // cut short at the end
    EXPECT_EQ(findInvalidUtf8("\xe2\x28\xa1"), 0u);  // bad continuation
}

TEST(Utf8, RemovesWholeCharactersFromTheEnd) {
    std::string text = "a\xc3\xbc\xe2\x82\xac\xf0\x9f\x93\xbb\n";  // a ü € 📻 new line
    removeLastCharacter(text);
    EXPECT_EQ(text, "a\xc3\xbc\xe2\x82\xac\xf0\x9f\x93\xbb");
    removeLastCharacter(text);
    EXPECT_EQ(text, "a\xc3\xbc\xe2\x82\xac");
    removeLastCharacter(text);
    EXPECT_EQ(text, "a\xc3\xbc");
    removeLastCharacter(text);
    EXPECT_EQ(text, "a");
    removeLastCharacter(text);
    EXPECT_EQ(text, "");
    removeLastCharacter(text);
    EXPECT_EQ(text, "");
}

TEST(Utf8, CutsOnlyBetweenCharacters) {
    EXPECT_EQ(cutAtCharacter("abc", 5), "abc");
    EXPECT_EQ(cutAtCharacter("ab\xe2\x82\xac", 4), "ab");
    EXPECT_EQ(cutAtCharacter("ab\xe2\x82\xac", 5), "ab\xe2\x82\xac");
}

TEST(Json, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(jsonString(""), "\"\"");
    EXPECT_EQ(jsonString("say \"hi\" \\ bye"), R"("say \"hi\" \\ bye")");
    EXPECT_EQ(jsonString("a\nb\tc\rd"), R"("a\nb\tc\rd")");
    EXPECT_EQ(jsonString("\x01\x1b\x1f"), R"("\u0001\u001b\u001f")");
    EXPECT_EQ(jsonString("\0"s), R"("\u0000")");
    EXPECT_EQ(jsonString("\x7f"), R"("\u007f")");
    EXPECT_EQ(jsonString("\xc2\x85"), R"("\u0085")");  // C1 control NEL
}

TEST(Json, KeepsOtherCharactersAsTheyStand) {
    EXPECT_EQ(jsonString("Gr\xc3\xbc\xc3\x9f"
                         "e \xe2\x82\xac / \xf0\x9f\x93\xbb"),
              "\"Gr\xc3\xbc\xc3\x9f"
              "e \xe2\x82\xac / \xf0\x9f\x93\xbb\"");
    EXPECT_EQ(jsonString(" Invalid Input, Number must be greater than Zero."),
              "\" Invalid Input, Number must be greater than Zero.\"");
}

TEST(Json, ReplacesBytesThatAreNotUtf8) {
    const std::string quoted = jsonString(
        "a\xff"
        "b\xe2\x82");
    EXPECT_EQ(quoted,
              "\"a\xef\xbf\xbd"
              "b\xef\xbf\xbd\xef\xbf\xbd\"");
    EXPECT_EQ(findInvalidUtf8(quoted), std::string::npos);
}

TEST(Json, AppendsToWhatIsThere) {
    std::string out = "[";
    appendJsonString(out, "a\"b");
    EXPECT_EQ(out, R"(["a\"b")");
}

}  // namespace
}  // namespace varnock::text
