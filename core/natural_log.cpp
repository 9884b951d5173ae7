// ln x = e ln 2 + ln m with x = 2^e m and m in [sqrt(1/2), sqrt(2)], and
// ln m = 2 atanh f = 2 (f + f^3 / 3 + f^5 / 5 + ...) with f = (m - 1) / (m + 1), |f| <= 0.1716.
// f and the leading terms are carried in double-double, the small trailing terms in double. A
// first evaluation with two leading terms in double-double is good to 2^-60; where that cannot
// decide the rounding (about one argument in a hundred) ten terms give 2^-100.

#include "natural_log.h"

#include "double_double.h"
#include "float_bits.h"

#include <array>
#include <limits>

namespace kantrix {

namespace {

using dd::DoubleDouble;

constexpr DoubleDouble ln2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};

// 1 / (2k + 1), the coefficients of the atanh series over f^2.
constexpr auto oddReciprocals = [] {
    std::array<DoubleDouble, 24> terms{};
    for (std::size_t k = 0; k < terms.size(); ++k)
        terms[k] = dd::reciprocal(static_cast<double>(2 * k + 1));
    return terms;
}();

// 2 atanh f = ln m. Terms below leadingTerms are summed in double-double, the others (smaller
// than f^(2 leadingTerms)) in double, up to the term f^(2 termCount - 2).
template <std::size_t leadingTerms, std::size_t termCount> DoubleDouble twiceAtanh(DoubleDouble f)
{
    static_assert(leadingTerms <= termCount && termCount <= oddReciprocals.size());
    const DoubleDouble f2 = f * f;
    double tail = 0;
    for (std::size_t k = termCount; k-- > leadingTerms;)
        tail = tail * f2.hi + oddReciprocals[k].hi;
    DoubleDouble sum{tail, 0};
    for (std::size_t k = leadingTerms; k-- > 0;)
        sum = sum * f2 + oddReciprocals[k];
    return f * sum * 2.0;
}

} // namespace

double naturalLog(double x)
{
    if (!(x > 0))
        return x == 0 ? -std::numeric_limits<double>::infinity()
                      : std::numeric_limits<double>::quiet_NaN();
    if (x == 1)
        return 0;
    if (x == std::numeric_limits<double>::infinity())
        return x;

    int exponent = 0;
    std::uint64_t bits = bitsOf(x);
    if (bits >> 52 == 0) { // subnormal: scale into the normal range, exactly
        bits = bitsOf(x * 0x1p54);
        exponent = -54;
    }
    exponent += static_cast<int>(bits >> 52) - 1023;
    double m = doubleFromBits((bits & 0x000F'FFFF'FFFF'FFFFu) | 0x3FF0'0000'0000'0000u);
    if (m > 0x1.6a09e667f3bcdp+0) { // sqrt(2)
        m /= 2;
        ++exponent;
    }
    // m - 1 is exact for m in [1/2, 2]; m + 1 is kept exactly as a pair.
    const DoubleDouble f = DoubleDouble{m - 1, 0} / dd::twoSum(m, 1);
    const DoubleDouble scaledLn2 = ln2 * static_cast<double>(exponent);

    const DoubleDouble quick = scaledLn2 + twiceAtanh<2, 14>(f);
    if (dd::roundsSafely(quick, 0x1p-60))
        return quick.hi;
    return (scaledLn2 + twiceAtanh<10, 22>(f)).hi;
}

} // namespace kantrix
