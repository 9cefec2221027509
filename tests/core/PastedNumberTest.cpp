// SPDX-License-Identifier: GPL-3.0-or-later
// Which clipboard texts the display takes as a number, and which it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "keypad/PastedNumber.h"

namespace varnock {
namespace {

using namespace std::string_literals;

struct Accepted {
    std::string clipboard;
    std::string shown;
    double value;
    bool hasPoint;
};

void PrintTo(const Accepted& c, std::ostream* out) { *out << '"' << c.clipboard << '"'; }

class AcceptedPaste : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedPaste, ShowsTheTrimmedTextAndReadsItsNumber) {
    const auto number = parsePastedNumber(GetParam().clipboard);
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->text, GetParam().shown);
    EXPECT_EQ(number->value, GetParam().value);
    EXPECT_EQ(std::signbit(number->value), std::signbit(GetParam().value));
    EXPECT_EQ(number->hasPoint, GetParam().hasPoint);
}

const double kInfinity = std::numeric_limits<double>::infinity();
const std::string kTenToThe62 = "1" + std::string(62, '0');
const std::string kZeroWithSixtyOneZeros = "0." + std::string(61, '0');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Clipboard, AcceptedPaste, ::testing::Values(
    Accepted{"5", "5", 5, false},
    Accepted{"12.5", "12.5", 12.5, true},
    Accepted{"+7", "+7", 7, false},
    Accepted{"-0", "-0", -0.0, false},
    Accepted{"-0.0", "-0.0", -0.0, true},
    Accepted{".5", ".5", 0.5, true},
    Accepted{"5.", "5.", 5, true},
    Accepted{"007", "007", 7, false},
    Accepted{"1e5", "1e5", 1e5, false},
    Accepted{"2.5E-3", "2.5E-3", 0.0025, true},
    Accepted{"-1e+300", "-1e+300", -1e300, false},
    Accepted{"1e999", "1e999", kInfinity, false},  // strtod's overflow
    Accepted{"  42\t", "42", 42, false},
    Accepted{"42\n", "42", 42, false},
    Accepted{"42\r\n", "42", 42, false},
    Accepted{"42\r", "42", 42, false},
    Accepted{" 3.25 \n", "3.25", 3.25, true},
    Accepted{"\t-8\t\n\t", "-8", -8, false},
    // As long as the display may be; blanks around it do not count.
    Accepted{kTenToThe62, kTenToThe62, 1e62, false},
    Accepted{" " + kZeroWithSixtyOneZeros + " \n", kZeroWithSixtyOneZeros, 0, true}));

class RefusedPaste : public ::testing::TestWithParam<std::string> {};

TEST_P(RefusedPaste, IsNoNumber) { EXPECT_FALSE(parsePastedNumber(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Clipboard, RefusedPaste, ::testing::Values(
    ""s, " "s, "\n"s, "\t\n"s,                     // nothing
    "abc"s, "5 V"s, "V 5"s, "1 2"s, "4\n2"s, "42\n7"s, // words, two numbers
    "1,5"s, "1,000"s, "1 000"s, "1'000"s,            // decimal comma, thousands separators
    "1.2.3"s, "1..2"s, "."s, "-"s, "+"s, "-."s, "+-1"s, "--1"s,
    "e5"s, "1e"s, "1e+"s, "1e5.5"s, "1e5e5"s, "0x10"s,
    "inf"s, "-inf"s, "nan"s, "INF"s,
    "42\n\n"s, "\n42"s,                              // one trailing line break only
    "1\xc2\xa0"s,                                    // a no-break space after it
    "5\xe2\x80\xaf"s,                                // a narrow no-break space after it
    "\xe2\x88\x92" "5"s,                             // MINUS SIGN U+2212
    "\xef\xb9\xa3" "5"s,                             // SMALL HYPHEN-MINUS
    "\xef\xbc\x95"s,                                 // FULLWIDTH DIGIT FIVE
    "\xd9\xa3"s,                                     // ARABIC-INDIC DIGIT THREE
    "1\0" "2"s,                                      // a NUL inside
    std::string(64, '9'), "0." + std::string(62, '0')));  // one character too many
// clang-format on

}  // namespace
}  // namespace varnock
