#include "bend_error.h"
#include "number_text.h"
#include "row_names.h"
#include "test_scale.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

namespace kantrix {
namespace {

using test::PrintTo;

struct ParseCase
{
    const char* text;
    double expected;
};

void PrintTo(const ParseCase& row, std::ostream* out)
{
    *out << '"' << row.text << '"';
}

class ParseNumberReads : public testing::TestWithParam<ParseCase>
{};

TEST_P(ParseNumberReads, TheLeadingNumber)
{
    // Bit for bit, so that a zero keeps its sign.
    const double actual = ParseNumber(GetParam().text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual),
              std::bit_cast<std::uint64_t>(GetParam().expected))
        << '"' << GetParam().text << "\" read as " << actual;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberReads, testing::Values(
    ParseCase{"4.16", 4.16},               ParseCase{" 4.16", 4.16},
    ParseCase{"4.16 mm", 4.16},            ParseCase{"", 0},
    ParseCase{"-3", -3},                   ParseCase{"+3", 3},
    ParseCase{"12 345.68", 12345.68},      ParseCase{"1234 567.00", 1234567},
    ParseCase{"1 234.5", 1234.5},          ParseCase{"\t1\n2 .\t5", 12.5},
    ParseCase{"- 7", -7},                  ParseCase{".5", 0.5},
    ParseCase{"-.5", -0.5},                ParseCase{"5.", 5},
    ParseCase{"12abc", 12},                ParseCase{"12,5", 12},
    ParseCase{"12:30", 12},
    ParseCase{",5", 0},                    ParseCase{"abc", 0},
    ParseCase{"-", 0},                     ParseCase{".", 0},
    ParseCase{"--5", 0},                   ParseCase{"1.2.3", 1.2},
    ParseCase{"0.00001", 0.00001},         ParseCase{"0.000001", 0.000001},
    ParseCase{"1E+15", 1e15},              ParseCase{"4E-06", 4e-6},
    ParseCase{"1.5e3", 1500},              ParseCase{"2 E 3", 2000},
    ParseCase{"2e", 2},                    ParseCase{"2e+", 2},
    ParseCase{"2 em", 2},                  ParseCase{"3e-x", 3},
    ParseCase{"0x10", 0},                  ParseCase{"inf", 0},
    ParseCase{"nan", 0},                   ParseCase{"1e-400", 0},
    ParseCase{"179.996", 179.996},         ParseCase{"1.7976931348623157e308", DBL_MAX},
    ParseCase{"0.1e-322", 1e-323},         ParseCase{"00000000000000000000000000012", 12}));
// clang-format on

TEST(ParseNumber, NumbersBeyondTheDoubleRangeOverflow)
{
    const std::string fourHundredDigits(400, '9');
    for (const std::string& text :
         {fourHundredDigits, std::string("1e400"), std::string("-1.8e308"),
          std::string("1e99999999999999999"), "1" + std::string(308, '0') + "0.5"}) {
        try {
            ParseNumber(text);
            ADD_FAILURE() << "no overflow for " << text.substr(0, 40);
        } catch (const BendError& error) {
            EXPECT_EQ(error.kind(), FaultKind::Overflow);
        }
    }
}

TEST(ParseNumber, TinyNumbersReadAsZeroNotAsOverflow)
{
    const std::string manyZeros = "0." + std::string(1000, '0') + "1";
    EXPECT_EQ(ParseNumber(manyZeros), 0);
    EXPECT_EQ(ParseNumber("1e-99999999999"), 0);
    EXPECT_EQ(ParseNumber("0e99999999999"), 0);
    EXPECT_TRUE(std::signbit(ParseNumber("-1e-400")));
}

struct FormatCase
{
    double value;
    std::string_view pattern;
    const char* expected;
};

void PrintTo(const FormatCase& row, std::ostream* out)
{
    *out << row.value << " by \"" << row.pattern << '"';
}

class FormatNumberRenders : public testing::TestWithParam<FormatCase>
{};

TEST_P(FormatNumberRenders, RoundedHalfAwayFromZeroWithTheBlankOfThePattern)
{
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().expected)
        << GetParam().value;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, FormatNumberRenders, testing::Values(
    FormatCase{2, twoDecimals, "2.00"},
    FormatCase{0, twoDecimals, "0.00"},
    FormatCase{-0.0, twoDecimals, "0.00"},
    FormatCase{90, twoDecimals, "90.00"},
    FormatCase{-3.83739, threeDecimals, "-3.837"},
    FormatCase{196.16261, threeDecimals, "196.163"},
    FormatCase{999.99, twoDecimals, "999.99"},
    FormatCase{999.995, twoDecimals, "1 000.00"},
    FormatCase{1234.5, twoDecimals, "1 234.50"},
    FormatCase{12345.678, twoDecimals, "12 345.68"},
    FormatCase{1234567, twoDecimals, "1234 567.00"},
    FormatCase{-1234567, threeDecimals, "-1234 567.000"},
    FormatCase{2.346, twoDecimals, "2.35"},
    FormatCase{2.345, twoDecimals, "2.35"},
    FormatCase{-2.345, twoDecimals, "-2.35"},
    FormatCase{0.125, twoDecimals, "0.13"},
    FormatCase{0.004, twoDecimals, "0.00"},
    FormatCase{0.005, twoDecimals, "0.01"},
    FormatCase{0.0005, threeDecimals, "0.001"},
    FormatCase{179.996, twoDecimals, "180.00"},
    FormatCase{-0.000236, threeDecimals, "-0.000"},
    FormatCase{0.00001, twoDecimals, "0.00"},
    FormatCase{1e-300, threeDecimals, "0.000"},
    FormatCase{123456789012345678.0, twoDecimals, "123456789012346 000.00"},
    FormatCase{1234567890123.45, twoDecimals, "1234567890 123.45"},
    // Other patterns: the leftmost "0" sets the integer digits always written.
    FormatCase{5, "0", "5"},                   FormatCase{5, "00", "05"},
    FormatCase{0.4, "#.00", ".40"},            FormatCase{5, "0.0", "5.0"},
    FormatCase{12, "# 0", "1 2"},              FormatCase{5, "0 ", "5"},
    FormatCase{1234567890123, "# ### ### ### ##0", "1 234 567 890 123"}));
// clang-format on

TEST(FormatNumber, LargestDoubleHasAllItsIntegerDigitsAndReadsBack)
{
    const std::string text = FormatNumber(DBL_MAX, threeDecimals);
    EXPECT_EQ(text.size(), 309u + 1u + 4u);
    EXPECT_EQ(text.substr(0, 15), "179769313486231") << "cut, not rounded beyond the range";
    EXPECT_NO_THROW(ParseNumber(text));
    EXPECT_EQ(text.substr(text.size() - 11), "000 000.000");
}

TEST(FormatNumber, NonFiniteValuesAreAnInvalidOperationAndUnknownPatternsAreRefused)
{
    for (double value : {INFINITY, -INFINITY, NAN}) {
        EXPECT_THROW(FormatNumber(value, twoDecimals), BendError);
        EXPECT_THROW(NumberToText(value), BendError);
    }
    for (std::string_view pattern : {"#,##0", "0.0#", "# # # # # #0"})
        EXPECT_THROW(FormatNumber(1, pattern), std::invalid_argument) << pattern;
}

struct TextCase
{
    double value;
    const char* expected;
};

void PrintTo(const TextCase& row, std::ostream* out)
{
    *out << row.value;
}

class NumberToTextWrites : public testing::TestWithParam<TextCase>
{};

TEST_P(NumberToTextWrites, FifteenSignificantDigits)
{
    EXPECT_EQ(NumberToText(GetParam().value), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, NumberToTextWrites, testing::Values(
    TextCase{2, "2"},            TextCase{90, "90"},            TextCase{100, "100"},
    TextCase{179, "179"},        TextCase{8, "8"},              TextCase{1.2, "1.2"},
    TextCase{0, "0"},            TextCase{-0.0, "0"},           TextCase{-3.5, "-3.5"},
    TextCase{0.1 + 0.2, "0.3"},  TextCase{0.3 * 4, "1.2"},      TextCase{1.0 / 3, "0.333333333333333"},
    TextCase{2.0 / 3, "0.666666666666667"},
    TextCase{0.00001, "0.00001"},                               TextCase{0.000004, "4E-06"},
    TextCase{123456789012345, "123456789012345"},               TextCase{1e15, "1E+15"},
    TextCase{123456789012345.5, "123456789012346"}, // an exact tie: half to even
    TextCase{9.999999999999999e20, "1E+21"},        // fifteen nines carry into a new digit
    TextCase{1234567890123456789.0, "1.23456789012346E+18"},    TextCase{-2.5e-100, "-2.5E-100"},
    TextCase{4.4942328371557893e307 * 4, "1.79769313486231E+308"},
    TextCase{DBL_MAX, "1.79769313486231E+308"},                 TextCase{5e-324, "4.94065645841247E-324"},
    TextCase{1e-10, "1E-10"}));
// clang-format on

double randomFiniteDouble(std::mt19937_64& random)
{
    for (;;) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            return value;
    }
}

TEST(NumberTextRoundTrip, EveryTextNumberToTextWritesReadsBack)
{
    // Random bit patterns cover every magnitude from subnormals to the largest double.
    std::mt19937_64 random(20261208);
    for (int i = 0; i < test::scaledCount(200000); ++i) {
        const double value = randomFiniteDouble(random);
        const std::string text = NumberToText(value);
        double back = 0;
        ASSERT_NO_THROW(back = ParseNumber(text)) << text;
        if (std::fabs(value) >= DBL_MIN) {
            ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.2e-15) << text;
        }
        ASSERT_EQ(NumberToText(back), text) << "15 digits survive a second trip";
        ASSERT_EQ(text.find(','), std::string::npos);
    }
}

TEST(NumberTextRoundTrip, FormattedValuesReadBackRounded)
{
    std::mt19937_64 random(8122026);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-8, 12);
    for (int i = 0; i < test::scaledCount(100000); ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (auto [pattern, unit] :
             {std::pair{twoDecimals, 0.01}, std::pair{threeDecimals, 0.001}}) {
            const std::string text = FormatNumber(value, pattern);
            const double back = ParseNumber(text);
            ASSERT_LE(std::fabs(back - value), unit / 2 + std::fabs(value) * 1e-14) << text;
            ASSERT_EQ(std::count(text.begin(), text.end(), ' '), std::fabs(back) >= 1000 ? 1 : 0)
                << text;
        }
    }
}

TEST(CharacterCount, CountsCharactersNotBytes)
{
    EXPECT_EQ(characterCount(""), 0u);
    EXPECT_EQ(characterCount("2.00"), 4u);
    EXPECT_EQ(characterCount("Schenkellänge"), 13u);
    EXPECT_EQ(characterCount("90 °"), 4u);
    EXPECT_EQ(characterCount("Maß"), 3u);
}

} // namespace
} // namespace kantrix
