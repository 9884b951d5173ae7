#include "big_unsigned.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kantrix {
namespace {

using test::PrintTo;

// The edges of the big integers under the exact conversions, which random doubles seldom reach.
struct BigCase
{
    const char* name;
    std::function<std::string()> result;
    const char* expected;
};

class BigUnsignedEdges : public testing::TestWithParam<BigCase>
{};

TEST_P(BigUnsignedEdges, GiveTheExactResult)
{
    EXPECT_EQ(GetParam().result(), GetParam().expected);
}

std::string digitsAfter(std::uint64_t value, const std::function<void(BigUnsigned&)>& change)
{
    BigUnsigned number(value);
    change(number);
    return number.toDigits();
}

std::string lowBitSet(std::uint64_t value, int bits)
{
    return BigUnsigned(value).anyLowBitSet(bits) ? "set" : "clear";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, BigUnsignedEdges, testing::Values(
    BigCase{"ZeroHasOneDigit",         [] { return BigUnsigned(0).toDigits(); }, "0"},
    BigCase{"ZeroShiftedLeftIsZero",   [] { return digitsAfter(0, [](auto& n) { n.shiftLeft(64); }); }, "0"},
    BigCase{"NegativeShiftLeftKeeps",  [] { return digitsAfter(5, [](auto& n) { n.shiftLeft(-3); }); }, "5"},
    BigCase{"ShiftRightPastTheTop",    [] { return digitsAfter(5, [](auto& n) { n.shiftRight(40); }); }, "0"},
    BigCase{"TimesZeroIsZero",         [] { return digitsAfter(12345, [](auto& n) { n.multiply(0); }); }, "0"},
    BigCase{"BitLengthOfZero",         [] { return std::to_string(BigUnsigned(0).bitLength()); }, "0"},
    BigCase{"Low64OfOneWord",          [] { return std::to_string(BigUnsigned(5).low64()); }, "5"},
    BigCase{"EqualNumbersCompareZero", [] { return std::to_string(compare(BigUnsigned(7), BigUnsigned(7))); }, "0"},
    BigCase{"LowestBit",               [] { return lowBitSet(1, 1); }, "set"},
    BigCase{"BitZeroUnderAMask",       [] { return lowBitSet(1, 5); }, "set"},
    BigCase{"BitZeroInAFullWord",      [] { return lowBitSet(1, 32); }, "set"},
    BigCase{"TopBitOfAFullWord",       [] { return lowBitSet(std::uint64_t{1} << 31, 32); }, "set"},
    BigCase{"BitInTheSecondWord",      [] { return lowBitSet(std::uint64_t{1} << 38, 39); }, "set"},
    BigCase{"BitJustAboveTheMask",     [] { return lowBitSet(2, 1); }, "clear"},
    BigCase{"BitAtTheMaskLength",      [] { return lowBitSet(32, 5); }, "clear"}),
    test::rowName<BigCase>);
// clang-format on

} // namespace
} // namespace kantrix
