// The core's own conversions between doubles and decimal digits against the standard library's
// std::to_chars and std::from_chars, which the native build has: the same digits and the same bits
// for random values of every kind, including exact ties and midpoints between two doubles.

#include "big_unsigned.h"
#include "decimal_conversion.h"
#include "row_names.h"
#include "test_scale.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>

namespace kantrix {
namespace {

using test::PrintTo;

std::string referenceDigits15(double magnitude, int& exponent)
{
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14)
            .ptr;
    std::from_chars(buffer + 17 + (buffer[17] == '+'), end, exponent);
    ++exponent;
    return std::string(1, buffer[0]) + std::string(buffer + 2, 14);
}

double referenceParse(const std::string& digits, std::int64_t exponent)
{
    const std::string text = digits + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return value == 0 ? 0 : INFINITY; // libstdc++ leaves the value; decide by the magnitude
    return value;
}

// The exact decimal digits of (2m + 1) x 2^(e - 1), the midpoint above the double m x 2^e.
std::string midpointDigits(double x, std::int64_t& exponent)
{
    int e = 0;
    const double m = std::frexp(x, &e); // x = m 2^e, m in [1/2, 1)
    BigUnsigned midpoint(static_cast<std::uint64_t>(std::ldexp(m, 53)) * 2 + 1);
    const int binary = e - 54;
    exponent = 0;
    if (binary >= 0) {
        midpoint.shiftLeft(binary);
    } else {
        midpoint.multiplyByPowerOf5(-binary);
        exponent = binary;
    }
    return midpoint.toDigits();
}

struct Family
{
    const char* name;
    int count; // the slow exact paths limit it
    std::function<double(std::mt19937_64&)> draw;
};

double anyDouble(std::mt19937_64& random)
{
    for (;;) {
        const double x = std::bit_cast<double>(random() >> 1);
        if (x > 0 && std::isfinite(x))
            return x;
    }
}

class DecimalConversion : public testing::TestWithParam<Family>
{};

TEST_P(DecimalConversion, MatchesTheStandardLibrary)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < test::scaledCount(GetParam().count); ++i) {
        const double x = GetParam().draw(random);
        int exponent = 0;
        const std::string expected = referenceDigits15(x, exponent);
        const Decimal15 decimal = toDecimal15(x);
        if (x <= 1.79769313486231e308) {
            ASSERT_EQ(std::string(decimal.digits, 15), expected) << std::hexfloat << x;
            ASSERT_EQ(decimal.exponent, exponent) << std::hexfloat << x;
        }

        // The 15 digits, the shortest round trip's 17 and the exact midpoint above x, with a
        // trailing 1 far out that decides the tie.
        const std::string& fifteen = expected;
        char buffer[64];
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 16);
        const std::string digits17 = std::string(1, buffer[0]) + std::string(buffer + 2, 16);
        std::int64_t midExponent = 0;
        const std::string midpoint = midpointDigits(x, midExponent);
        const struct
        {
            std::string digits;
            std::int64_t exponent;
        } texts[] = {{fifteen, exponent - 15},
                     {digits17, exponent - 17},
                     {midpoint, midExponent},
                     {midpoint + "0000000001", midExponent - 10},
                     // beyond the 800 digits that are read in full, for one value in 16
                     {midpoint + std::string(i % 16 == 0 ? 800 : 0, '0') + "1",
                      midExponent - (i % 16 == 0 ? 801 : 1)}};
        for (const auto& text : texts)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(decimalToDouble(text.digits, text.exponent)),
                      std::bit_cast<std::uint64_t>(referenceParse(text.digits, text.exponent)))
                << text.digits << "e" << text.exponent;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, DecimalConversion, testing::Values(
    Family{"AnyFiniteDouble", 10'000, anyDouble},
    Family{"Subnormal", 2'000, [](auto& random) { return std::bit_cast<double>(random() >> 12) + 0x1p-1074; }},
    Family{"FieldMagnitudes", 50'000, [](auto& random) {
        return std::exp(std::uniform_real_distribution<double>(-20, 36)(random)); }},
    Family{"TiesAtTheSixteenthDigit", 50'000, [](auto& random) { // 16-digit integers ending in 5
        return static_cast<double>((1'000'000'000'000'000 + random() % 8'000'000'000'000'000) / 10 * 10 + 5); }}),
    test::rowName<Family>);
// clang-format on

// Corners of the exact reading: a power of two and a 53-bit integer that fill the significand
// exactly, ties to even with and without a carry into the next binade, a rounding that the lowest
// bit decides, a tie above 2^64 that only a dropped low bit decides, the ties above the largest
// double and around the smallest subnormal, leading zeros.
TEST(DecimalToDouble, CornersOfTheExactReadingMatchTheStandardLibrary)
{
    const std::pair<std::string, std::int64_t> texts[] = {{"4503599627370496", 0},
                                                          {"9007199254740991", 0},
                                                          {"9007199254740993", 0},
                                                          {"18014398509481983", 0},
                                                          {"9223372036854776833", 0},
                                                          {"36893488147419107329", 0},
                                                          {"17976931348623157", 292},
                                                          {"17976931348623158", 292},
                                                          {"24703282292062328", -340},
                                                          {"24703282292062327", -340},
                                                          {"3", -324},
                                                          {"2", -324},
                                                          {"1", -324},
                                                          {std::string(400, '0') + "5", 0}};
    for (const auto& [digits, exponent] : texts)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(decimalToDouble(digits, exponent)),
                  std::bit_cast<std::uint64_t>(referenceParse(digits, exponent)))
            << digits.substr(0, 20) << "e" << exponent;
}

// The quick paths take every value of their ranges, with the digits and bits of the exact
// conversion, and decline just outside them.
TEST(DecimalConversionQuickPaths, TakeTheirWholeRangeAndAgreeWithTheStandardLibrary)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> logMagnitude(std::log(0x1p-26), std::log(1e15));
    for (int i = 0; i < test::scaledCount(20'000); ++i) {
        const double x = std::exp(logMagnitude(random));
        Decimal15 decimal{};
        ASSERT_TRUE(detail::toDecimal15Quickly(x, decimal)) << std::hexfloat << x;
        int exponent = 0;
        ASSERT_EQ(std::string(decimal.digits, 15), referenceDigits15(x, exponent)) << x;
        ASSERT_EQ(decimal.exponent, exponent) << x;

        const std::uint64_t limit = std::uint64_t{10} << (random() % 15 * 10 / 3); // 2 to 15 digits
        const std::string digits = std::to_string(random() % limit);
        const auto power = static_cast<std::int64_t>(random() % 45) - 22;
        double value = 0;
        ASSERT_TRUE(detail::decimalToDoubleQuickly(digits, power, value)) << digits << "e" << power;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(value),
                  std::bit_cast<std::uint64_t>(referenceParse(digits, power)))
            << digits << "e" << power;
    }

    Decimal15 decimal{};
    double value = 0;
    // Both ends, and fifteen nines that carry into a new digit.
    for (const double inside : {0x1p-26, std::nextafter(1e15, 0.0), std::nextafter(1.0, 0.0)}) {
        int exponent = 0;
        ASSERT_TRUE(detail::toDecimal15Quickly(inside, decimal)) << inside;
        EXPECT_EQ(std::string(decimal.digits, 15), referenceDigits15(inside, exponent)) << inside;
        EXPECT_EQ(decimal.exponent, exponent) << inside;
    }
    for (const double outside : {std::nextafter(0x1p-26, 0.0), 1e15, 0x1p-1074})
        EXPECT_FALSE(detail::toDecimal15Quickly(outside, decimal)) << outside;
    EXPECT_TRUE(detail::decimalToDoubleQuickly("999999999999999", 22, value));
    EXPECT_TRUE(detail::decimalToDoubleQuickly("1", -22, value));
    EXPECT_FALSE(detail::decimalToDoubleQuickly("1000000000000000", 0, value));
    EXPECT_FALSE(detail::decimalToDoubleQuickly("1", 23, value));
    EXPECT_FALSE(detail::decimalToDoubleQuickly("1", -23, value));
}

} // namespace
} // namespace kantrix
