#include "decimal_conversion.h"

#include "big_unsigned.h"
#include "float_bits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace kantrix {

namespace {

// The exact decimal digits of a positive finite double, m x 2^e = m x 5^-e x 10^e: the digits of
// the integer and the power of ten of its last digit.
std::string exactDigits(double magnitude, int& lastDigitExponent)
{
    const std::uint64_t bits = bitsOf(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biasedExponent - 1075;
    }
    BigUnsigned integer(mantissa);
    lastDigitExponent = 0;
    if (exponent >= 0) {
        integer.shiftLeft(exponent);
    } else {
        integer.multiplyByPowerOf5(-exponent);
        lastDigitExponent = exponent;
    }
    return integer.toDigits();
}

// Rounds a 53-or-more-bit significand q x 2^binaryExponent, plus a fraction below one unit of q
// when `sticky`, to the nearest double, half to even, subnormals and infinity included.
double roundToDouble(std::uint64_t q, int binaryExponent, bool sticky)
{
    int length = 0;
    for (std::uint64_t rest = q; rest != 0; rest >>= 1)
        ++length;
    const int topExponent = binaryExponent + length - 1;
    if (topExponent > 1023)
        return std::numeric_limits<double>::infinity();
    int unitExponent = std::max(topExponent - 52, -1074);
    const int shift = unitExponent - binaryExponent;
    std::uint64_t mantissa = 0;
    if (shift <= 0) {
        mantissa = q << -shift;
    } else if (shift <= 64) {
        mantissa = shift == 64 ? 0 : q >> shift;
        const std::uint64_t rest = shift == 64 ? q : q & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (sticky || mantissa % 2 == 1)))
            ++mantissa;
    } // else below half the smallest subnormal: 0
    if (mantissa == std::uint64_t{1} << 53) {
        mantissa >>= 1;
        ++unitExponent;
    }
    if (mantissa < std::uint64_t{1} << 52) // subnormal or zero
        return doubleFromBits(mantissa);
    const int biased = unitExponent + 1075;
    if (biased >= 2047)
        return std::numeric_limits<double>::infinity();
    return doubleFromBits(static_cast<std::uint64_t>(biased) << 52 |
                          (mantissa & ((std::uint64_t{1} << 52) - 1)));
}

} // namespace

#if defined(__SIZEOF_INT128__)
namespace {

__extension__ using Unsigned128 = unsigned __int128;

// 10^0 to 10^22: the factors that bring a magnitude from 2^-26 up to fifteen integer digits.
constexpr auto powersOfTen = [] {
    std::array<Unsigned128, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

} // namespace

// In plain integer arithmetic: |value| = m x 2^-s, so the fifteen digits are m x 10^k / 2^s for
// the k that leaves fifteen integer digits, rounded half to even as the exact conversion rounds;
// the product stays below 2^127.
bool detail::toDecimal15Quickly(double magnitude, Decimal15& decimal)
{
    constexpr std::uint64_t fifteenDigits = 100'000'000'000'000; // 10^14
    const auto bits = bitsOf(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0)
        return false; // subnormal
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    const int shift = 1075 - biasedExponent; // magnitude = mantissa / 2^shift
    if (shift < 1 || shift > 127)
        return false;

    // log10(2) is a little more than 1233 / 4096: a first guess of the power of ten, off by one
    // at most, that the bounds on the digits then correct.
    const int power2 = 52 - shift;          // 2^power2 <= magnitude < 2^(power2 + 1)
    int exponent10 = (power2 * 1233) >> 12; // floor, also for negative values
    Unsigned128 scaled = 0;
    std::uint64_t digits = 0;
    for (;;) {
        const int k = 14 - exponent10;
        if (k < 0 || k >= static_cast<int>(powersOfTen.size()))
            return false;
        scaled = Unsigned128{mantissa} * powersOfTen[static_cast<std::size_t>(k)];
        digits = static_cast<std::uint64_t>(scaled >> shift);
        if (digits < fifteenDigits)
            --exponent10;
        else if (digits >= 10 * fifteenDigits)
            ++exponent10;
        else
            break;
    }
    const Unsigned128 remainder = scaled & ((Unsigned128{1} << shift) - 1);
    const Unsigned128 half = Unsigned128{1} << (shift - 1);
    if (remainder > half || (remainder == half && digits % 2 == 1))
        ++digits;
    if (digits == 10 * fifteenDigits) {
        digits = fifteenDigits;
        ++exponent10;
    }
    for (int i = significantDigits - 1; i >= 0; --i) {
        decimal.digits[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    decimal.exponent = exponent10 + 1;
    return true;
}
#else
bool detail::toDecimal15Quickly(double, Decimal15&)
{
    return false;
}
#endif

Decimal15 toDecimal15(double magnitude)
{
    Decimal15 decimal{};
    if (detail::toDecimal15Quickly(magnitude, decimal))
        return decimal;
    // The largest 15-digit decimal that is still a double. Above it, rounding to nearest would
    // give digits beyond the double range, a text that could not be read back; they are cut.
    constexpr double largestFifteenDigitDouble = 1.79769313486231e308;
    if (magnitude > largestFifteenDigitDouble) {
        std::copy_n("179769313486231", significantDigits, decimal.digits);
        decimal.exponent = 309;
        return decimal;
    }
    int lastDigitExponent = 0;
    std::string digits = exactDigits(magnitude, lastDigitExponent);
    decimal.exponent = static_cast<int>(digits.size()) + lastDigitExponent;
    if (digits.size() > significantDigits) {
        const std::string_view dropped = std::string_view(digits).substr(significantDigits + 1);
        const char first = digits[significantDigits];
        const bool beyondHalf = dropped.find_first_not_of('0') != std::string_view::npos;
        const bool odd = (digits[significantDigits - 1] - '0') % 2 == 1;
        digits.resize(significantDigits);
        if (first > '5' || (first == '5' && (beyondHalf || odd))) {
            auto digit = digits.rbegin();
            for (; digit != digits.rend() && *digit == '9'; ++digit)
                *digit = '0';
            if (digit == digits.rend()) {
                digits.front() = '1';
                ++decimal.exponent;
            } else {
                ++*digit;
            }
        }
    }
    digits.resize(significantDigits, '0');
    std::copy_n(digits.begin(), significantDigits, decimal.digits);
    return decimal;
}

// Both factors are exact in a double, so there is one rounding, the correct one.
bool detail::decimalToDoubleQuickly(std::string_view digits, std::int64_t exponent, double& value)
{
    constexpr std::array<double, 23> powersOf10{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits.size() > 15 || exponent < -22 || exponent > 22)
        return false;
    std::uint64_t integer = 0;
    for (char digit : digits)
        integer = integer * 10 + static_cast<std::uint64_t>(digit - '0');
    const auto significand = static_cast<double>(integer);
    const double power = powersOf10[static_cast<std::size_t>(exponent < 0 ? -exponent : exponent)];
    value = exponent < 0 ? significand / power : significand * power;
    return true;
}

double decimalToDouble(std::string_view digits, std::int64_t exponent)
{
    digits = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.empty())
        return 0;
    // digits x 10^exponent lies in [10^(magnitude - 1), 10^magnitude).
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) + exponent;
    if (magnitude > 309)
        return std::numeric_limits<double>::infinity();
    if (magnitude < -324) // below 1E-324, less than half the smallest subnormal
        return 0;

    if (double value = 0; detail::decimalToDoubleQuickly(digits, exponent, value))
        return value;

    // More than 800 digits only decide between two doubles when the first 800 are exactly half
    // way (such a midpoint has at most 767 significant digits); the last one is not zero.
    constexpr std::size_t keptDigits = 800;
    bool sticky = false;
    if (digits.size() > keptDigits) {
        exponent += static_cast<std::int64_t>(digits.size() - keptDigits);
        digits = digits.substr(0, keptDigits);
        sticky = true;
    }
    BigUnsigned numerator = BigUnsigned::fromDigits(digits);
    std::uint64_t q = 0;
    int binaryExponent = 0;
    if (exponent >= 0) {
        numerator.multiplyByPowerOf10(static_cast<int>(exponent));
        const int excess = std::max(numerator.bitLength() - 64, 0);
        sticky = sticky || numerator.anyLowBitSet(excess);
        numerator.shiftRight(excess);
        q = numerator.low64();
        binaryExponent = excess;
    } else {
        // q = floor(numerator x 2^shift / 10^-exponent) with 63 or 64 bits, by long division.
        BigUnsigned denominator(1);
        denominator.multiplyByPowerOf10(static_cast<int>(-exponent));
        const int shift = 63 + denominator.bitLength() - numerator.bitLength();
        if (shift >= 0)
            numerator.shiftLeft(shift);
        else
            denominator.shiftLeft(-shift);
        denominator.shiftLeft(63);
        for (int bit = 63; bit >= 0; --bit) {
            if (compare(numerator, denominator) >= 0) {
                numerator.subtract(denominator);
                q |= std::uint64_t{1} << bit;
            }
            denominator.shiftRight(1);
        }
        sticky = sticky || !numerator.isZero();
        binaryExponent = -shift;
    }
    return roundToDouble(q, binaryExponent, sticky);
}

} // namespace kantrix
