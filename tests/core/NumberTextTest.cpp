// SPDX-License-Identifier: GPL-3.0-or-later
// Box texts are what "%.15g" and "%d" print, for every value: the formatter
// is held to snprintf over the special values, the edges where the format
// changes, the halfway points of the 15th digit and many seeded values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "form/NumberText.h"

namespace varnock {
namespace {

std::string printed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

// Counts the values whose text differs, and reports the first few.
class Comparison {
public:
    void check(double value) {
        const std::string expected = printed(value);
        const std::string actual = formatDouble(value);
        if (actual == expected) return;
        if (++m_differences <= 5)
            ADD_FAILURE() << std::hexfloat << value << ": " << actual << " instead of " << expected;
    }
    // The value and its neighbours on both sides.
    void checkAround(double value) {
        check(value);
        check(std::nextafter(value, -INFINITY));
        check(std::nextafter(value, INFINITY));
    }
    int differences() const { return m_differences; }

private:
    int m_differences = 0;
};

TEST(NumberText, SpecialValuesPrintAsPrintfDoes) {
    using Limits = std::numeric_limits<double>;
    Comparison comparison;
    for (double value : {0.0, -0.0, Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN(),
                         -Limits::quiet_NaN(), Limits::denorm_min(), -Limits::denorm_min(),
                         Limits::min(), Limits::max(), -Limits::max(), Limits::epsilon()}) {
        comparison.check(value);
    }
    EXPECT_EQ(comparison.differences(), 0);
    EXPECT_EQ(formatDouble(0.0), "0");
    EXPECT_EQ(formatDouble(-0.0), "-0");
    EXPECT_EQ(formatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatDouble(1e15), "1e+15");
    EXPECT_EQ(formatDouble(123456789012345.0), "123456789012345");
}

// The switch to exponents at 1e-5 and 1e15, and every other power of ten.
TEST(NumberText, PowersOfTenAndTheirNeighbours) {
    Comparison comparison;
    for (int exponent = -324; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        comparison.checkAround(power);
        comparison.checkAround(-power);
        comparison.checkAround(power * 9.999999999999995);
    }
    EXPECT_EQ(comparison.differences(), 0);
}

// Values whose 16th significant digit is a 5: rounding decides the text.
TEST(NumberText, HalfwayPointsOfTheLastDigit) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::int64_t> digits(100'000'000'000'000, 999'999'999'999'999);
    std::uniform_int_distribution<int> exponents(-300, 290);
    Comparison comparison;
    for (int i = 0; i < 100'000; ++i) {
        const double halfway = (static_cast<double>(digits(random)) + 0.5) * 10.0;
        comparison.checkAround(halfway * std::pow(10.0, exponents(random) - 16));
        comparison.checkAround(static_cast<double>(digits(random)) + 0.5);
    }
    EXPECT_EQ(comparison.differences(), 0);
}

TEST(NumberText, SeededValuesOfEveryKind) {
    std::mt19937_64 random(7);
    Comparison comparison;
    for (int i = 0; i < 300'000; ++i) {
        // Any bit pattern: every exponent, subnormals, infinities and NaNs.
        comparison.check(std::bit_cast<double>(random()));
        // Short decimals as a person types them, and results of arithmetic.
        const auto whole = static_cast<std::int64_t>(random() % 2'000'000) - 1'000'000;
        const int places = static_cast<int>(random() % 12);
        comparison.check(static_cast<double>(whole) / std::pow(10.0, places));
        comparison.check(1.0 / static_cast<double>(random() % 100'000 + 1));
        comparison.check(static_cast<double>(static_cast<std::int64_t>(random() >> 9)));
    }
    EXPECT_EQ(comparison.differences(), 0);
}

// Box texts read back as strtod reads them, bit for bit: plain decimals at
// the edges of exactness, other texts, and many seeded decimals of up to 17
// digits with the point anywhere.
TEST(NumberText, TextsReadAsStrtodReadsThem) {
    const auto check = [](const std::string& text) {
        const double expected = std::strtod(text.substr(0, kMaxBoxText).c_str(), nullptr);
        const double actual = parseNumber(text);
        return std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected);
    };
    // Around 15 digits and 22 places, other texts, and 70 digits cut at 63.
    for (const std::string text :
         {"",
          "0",
          "-0",
          "+0.",
          "-.0",
          ".",
          "-",
          "007",
          "0.1",
          "0.3",
          "999999999999999",
          "9999999999999999",
          "9007199254740993",
          "0.123456789012346",
          "-12345678901234.5",
          "1.0000000000000000000001",
          "0.0000000000000000000001",
          "0.00000000000000000000001",
          "1111111111111111111111111111111111111111111111111111111111111111111111",
          "1e5",
          " 5",
          "5 ",
          "1.2.3",
          "inf",
          "-nan",
          "12abc"}) {
        EXPECT_TRUE(check(text)) << '"' << text << '"';
    }

    std::mt19937_64 random(11);
    int differences = 0;
    for (int i = 0; i < 200'000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int length = static_cast<int>(random() % 17) + 1;
        for (int d = 0; d < length; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 8 != 0) text.insert(text.size() - random() % (length + 1), ".");
        if (!check(text) && ++differences <= 5) ADD_FAILURE() << '"' << text << '"';
    }
    EXPECT_EQ(differences, 0);
}

TEST(NumberText, IntegersPrintAsPercentD) {
    for (int value : {0, 1, -1, 9, 10, -10, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(formatInt(value), std::to_string(value));
    }
}

}  // namespace
}  // namespace varnock
