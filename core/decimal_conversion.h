#pragma once

// Exact conversions between doubles and decimal digits, in integer arithmetic only, so that they
// need nothing of the standard library's number conversions and give the same digits and bits
// everywhere.

#include <cstdint>
#include <string_view>

namespace kantrix {

inline constexpr int significantDigits = 15;

// A finite value's magnitude as 15 significant decimal digits: |value| = 0.digits x 10^exponent.
struct Decimal15
{
    char digits[significantDigits];
    int exponent;
};

// A positive finite magnitude rounded to 15 significant digits, half to even. Above
// 1.79769313486231E+308 the digits are cut to that value, so that they still read back as a
// double.
Decimal15 toDecimal15(double magnitude);

// digits x 10^exponent rounded to the nearest double, half to even, for decimal digits without a
// sign; infinity beyond the double range, 0 below it.
double decimalToDouble(std::string_view digits, std::int64_t exponent);

namespace detail {

// The quick paths of the two conversions, for the values a calculation gives: toDecimal15 of a
// magnitude from 2^-26 (about 1.5E-08) to below 1E+15, decimalToDouble of up to 15 digits times
// 10^-22 to 10^22. The exact conversion would take most of a recalculation's time. Each answers
// false where it does not apply, and the exact conversion takes over.
bool toDecimal15Quickly(double magnitude, Decimal15& decimal);
bool decimalToDoubleQuickly(std::string_view digits, std::int64_t exponent, double& value);

} // namespace detail

} // namespace kantrix
