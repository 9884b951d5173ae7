// ln x = e ln 2 + ln m with x = 2^e m and m in [sqrt(1/2), sqrt(2)].
//
// Quick evaluation, good to 2^-60: ln m = -ln c + ln(1 + r) with c a short approximation of 1 / m
// from a table that also holds -ln c, so that r = m c - 1 is small (|r| < 2^-7) and exact as a
// pair; ln(1 + r) = r - r^2 / 2 + r^3 (1/3 - r/4 + ...), the cube term in double. Where that
// cannot decide the rounding (about one argument in a hundred), or to fill the table:
// ln m = 2 atanh f = 2 (f + f^3 / 3 + f^5 / 5 + ...) with f = (m - 1) / (m + 1), |f| <= 0.1716,
// ten terms in double-double and the rest in double, good to 2^-100.

#include "natural_log.h"

#include "double_double.h"
#include "float_bits.h"

#include <array>
#include <limits>

namespace kantrix {

namespace {

using dd::DoubleDouble;

// ln 2 with its upper part cut to 42 bits, so that e times it is exact for every exponent e.
constexpr double ln2Upper = 0x1.62e42fefa38p-1;
constexpr double ln2Lower = 0x1.ef35793c7673p-45;

// 1 / (2k + 1), the coefficients of the atanh series over f^2.
constexpr auto oddReciprocals = [] {
    std::array<DoubleDouble, 24> terms{};
    for (std::size_t k = 0; k < terms.size(); ++k)
        terms[k] = dd::reciprocal(static_cast<double>(2 * k + 1));
    return terms;
}();

// ln m for m in [1/2, 2] to 2^-100: 2 atanh f, the terms up to f^20 in double-double, those up to
// f^42 (below 2^-110) in double.
constexpr DoubleDouble seriesLog(double m)
{
    constexpr std::size_t leadingTerms = 10;
    // m - 1 is exact for m in [1/2, 2]; m + 1 is kept exactly as a pair.
    const DoubleDouble f = DoubleDouble{m - 1, 0} / dd::twoSum(m, 1);
    const DoubleDouble f2 = f * f;
    double tail = 0;
    for (std::size_t k = oddReciprocals.size(); k-- > leadingTerms;)
        tail = tail * f2.hi + oddReciprocals[k].hi;
    DoubleDouble sum{tail, 0};
    for (std::size_t k = leadingTerms; k-- > 0;)
        sum = sum * f2 + oddReciprocals[k];
    return f * sum * 2.0;
}

// For m near i / 128, i = 90 ... 182: c, 1 / (i / 128) cut to 24 bits, and -ln c.
struct Reciprocal
{
    double c;
    DoubleDouble minusLnC;
};

constexpr int firstIndex = 90;

constexpr auto reciprocals = [] {
    std::array<Reciprocal, 93> table{};
    for (std::size_t j = 0; j < table.size(); ++j) {
        const double exact = 128.0 / static_cast<double>(firstIndex + static_cast<int>(j));
        const double c = static_cast<double>(static_cast<long>(exact * 0x1p23 + 0.5)) * 0x1p-23;
        table[j] = {c, -seriesLog(c)};
    }
    return table;
}();

} // namespace

// ln m = -ln c + ln(1 + r), r = m c - 1, to 2^-66 or better.
DoubleDouble detail::quickLog(double m)
{
    const Reciprocal& entry =
        reciprocals[static_cast<std::size_t>(static_cast<int>(m * 128 + 0.5) - firstIndex)];
    // m = mh + ml with 26-bit halves and c has 24 bits: both products are exact, and
    // mh c - 1 is exact because mh c lies within 2^-6 of 1.
    const DoubleDouble ms = dd::split(m);
    const DoubleDouble r = dd::twoSum(ms.hi * entry.c - 1, ms.lo * entry.c);

    // ln(1 + r) = r - r^2 / 2 + r^3 (1/3 - r / 4 + r^2 / 5 - ...)
    constexpr std::array<double, 9> series{1.0 / 3,  -1.0 / 4, 1.0 / 5,   -1.0 / 6, 1.0 / 7,
                                           -1.0 / 8, 1.0 / 9,  -1.0 / 10, 1.0 / 11};
    double cubic = 0;
    for (std::size_t k = series.size(); k-- > 0;)
        cubic = cubic * r.hi + series[k];
    cubic *= r.hi * r.hi * r.hi;
    const DoubleDouble square = dd::twoProduct(r.hi, r.hi);
    const DoubleDouble leading = dd::twoSum(r.hi, -square.hi / 2);
    const double small = r.lo - r.hi * r.lo - square.lo / 2 + cubic;
    return entry.minusLnC + dd::fastTwoSum(leading.hi, leading.lo + small);
}

DoubleDouble detail::accurateLog(double m)
{
    return seriesLog(m);
}

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
    const double e = exponent;
    const DoubleDouble scaledLn2 = dd::fastTwoSum(e * ln2Upper, e * ln2Lower);

    const DoubleDouble quick = scaledLn2 + detail::quickLog(m);
    if (dd::roundsSafely(quick, 0x1p-60))
        return quick.hi;
    return (scaledLn2 + seriesLog(m)).hi;
}

} // namespace kantrix
