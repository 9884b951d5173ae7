#pragma once

// Double-double arithmetic: a value held as the unevaluated sum hi + lo of two doubles with
// |lo| <= ulp(hi) / 2, good for about 106 bits. It is built from IEEE addition, subtraction,
// multiplication and division in round-to-nearest only, which every platform performs alike;
// products are split by Dekker's method, so no fused multiply-add is needed (and none may be
// contracted in: the core is compiled with -ffp-contract=off). The splitting overflows beyond
// about 1e300, far above the magnitudes the logarithm and the tangent work with.

#include "float_bits.h"

#include <cmath>

namespace kantrix::dd {

struct DoubleDouble
{
    double hi = 0;
    double lo = 0;
};

// a + b exactly, for any a and b (Knuth).
constexpr DoubleDouble twoSum(double a, double b)
{
    const double sum = a + b;
    const double bVirtual = sum - a;
    const double aVirtual = sum - bVirtual;
    return {sum, (a - aVirtual) + (b - bVirtual)};
}

// a + b exactly, where |a| >= |b| or a is zero (Dekker).
constexpr DoubleDouble fastTwoSum(double a, double b)
{
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a = hi + lo with hi holding the upper 26 bits of the significand, lo the rest.
constexpr DoubleDouble split(double a)
{
    const double t = 134217729.0 * a; // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (Dekker).
constexpr DoubleDouble twoProduct(double a, double b)
{
    const double product = a * b;
    const DoubleDouble as = split(a);
    const DoubleDouble bs = split(b);
    const double error =
        ((as.hi * bs.hi - product) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return {product, error};
}

constexpr DoubleDouble operator-(DoubleDouble a)
{
    return {-a.hi, -a.lo};
}

constexpr DoubleDouble operator+(DoubleDouble a, DoubleDouble b)
{
    DoubleDouble sum = twoSum(a.hi, b.hi);
    const DoubleDouble low = twoSum(a.lo, b.lo);
    sum = fastTwoSum(sum.hi, sum.lo + low.hi);
    return fastTwoSum(sum.hi, sum.lo + low.lo);
}

constexpr DoubleDouble operator+(DoubleDouble a, double b)
{
    const DoubleDouble sum = twoSum(a.hi, b);
    return fastTwoSum(sum.hi, sum.lo + a.lo);
}

constexpr DoubleDouble operator-(DoubleDouble a, DoubleDouble b)
{
    return a + -b;
}

constexpr DoubleDouble operator*(DoubleDouble a, DoubleDouble b)
{
    const DoubleDouble product = twoProduct(a.hi, b.hi);
    return fastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DoubleDouble operator*(DoubleDouble a, double b)
{
    const DoubleDouble product = twoProduct(a.hi, b);
    return fastTwoSum(product.hi, product.lo + a.lo * b);
}

// Long division in two steps: each quotient digit is corrected by the exact remainder.
constexpr DoubleDouble operator/(DoubleDouble a, DoubleDouble b)
{
    const double first = a.hi / b.hi;
    const DoubleDouble remainder = a - b * first;
    const double second = remainder.hi / b.hi;
    const DoubleDouble rest = remainder - b * second;
    const double third = rest.hi / b.hi;
    const DoubleDouble quotient = fastTwoSum(first, second);
    return quotient + third;
}

// 1 / n for a small positive integer n, to double-double precision.
constexpr DoubleDouble reciprocal(double n)
{
    return DoubleDouble{1, 0} / DoubleDouble{n, 0};
}

// Whether rounding hi + lo to the nearest double certainly gives the double nearest to a value y
// known to lie within relativeError * |hi| of hi + lo. Then that double is hi itself (hi + lo is
// normalized). It holds when y lies closer to hi than half the smaller of the gaps to hi's two
// neighbours, which is the gap towards zero.
inline bool roundsSafely(DoubleDouble value, double relativeError)
{
    const double magnitude = std::fabs(value.hi);
    const double gapTowardsZero = magnitude - doubleFromBits(bitsOf(magnitude) - 1);
    const double margin = 1 + 0x1p-48; // covers the rounding of the bound itself
    return (std::fabs(value.lo) + relativeError * magnitude) * margin < gapTowardsZero / 2;
}

} // namespace kantrix::dd
