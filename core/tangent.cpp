// tan x for |x| <= pi/4 directly; a larger x is first reduced to r = x - k pi/2 with |r| <= pi/4
// (Cody and Waite, pi/2 in four pieces, r in double-double), and tan x = tan r for even k,
// -1 / tan r for odd k. A quick evaluation from a table of tan(j / 32), good to 2^-63, decides
// the rounding for about 99 % of arguments; the rest take sin r / cos r from their Taylor series,
// good to 2^-100, which also fills the table at compile time.

#include "tangent.h"

#include "double_double.h"

#include <array>
#include <cmath>
#include <limits>

namespace kantrix {

namespace {

using dd::DoubleDouble;

constexpr std::size_t seriesLength = 15;

// (-1)^k / (2k + 1)! and (-1)^k / (2k)!, the coefficients of sin r / r and cos r over r^2.
struct SeriesCoefficients
{
    std::array<DoubleDouble, seriesLength> sine{};
    std::array<DoubleDouble, seriesLength> cosine{};
};

constexpr SeriesCoefficients coefficients = [] {
    SeriesCoefficients series;
    DoubleDouble reciprocalFactorial{1, 0}; // 1 / n!
    for (std::size_t n = 0; n < 2 * seriesLength; ++n) {
        if (n > 0)
            reciprocalFactorial = reciprocalFactorial / DoubleDouble{static_cast<double>(n), 0};
        const DoubleDouble term = (n / 2) % 2 == 0 ? reciprocalFactorial : -reciprocalFactorial;
        (n % 2 == 0 ? series.cosine : series.sine)[n / 2] = term;
    }
    return series;
}();

// pi/2 = piOver2[0] + piOver2[1] + piOver2[2] + piOver2[3] to 2^-150; the first three have 33
// significant bits, so that k times each is exact for k < 2^20.
constexpr std::array<double, 4> piOver2{0x1.921fb544p+0, 0x1.0b4611a6p-34, 0x1.3198a2ep-69,
                                        0x1.b839a252049c1p-104};

template <std::size_t leadingTerms>
constexpr DoubleDouble series(const std::array<DoubleDouble, seriesLength>& terms, DoubleDouble r2,
                              std::size_t termCount)
{
    double tail = 0;
    for (std::size_t k = termCount; k-- > leadingTerms;)
        tail = tail * r2.hi + terms[k].hi;
    DoubleDouble sum{tail, 0};
    for (std::size_t k = leadingTerms; k-- > 0;)
        sum = sum * r2 + terms[k];
    return sum;
}

// tan r, or -1 / tan r when odd, to 2^-100: sin r / cos r, the terms up to r^17 in double-double,
// the rest up to r^29 in double.
constexpr DoubleDouble seriesTangent(DoubleDouble r, bool odd)
{
    const DoubleDouble r2 = r * r;
    const DoubleDouble sine = r * series<8>(coefficients.sine, r2, seriesLength);
    const DoubleDouble cosine = series<9>(coefficients.cosine, r2, seriesLength);
    return odd ? -(cosine / sine) : sine / cosine;
}

// tan(j / 32) for j = 0 ... 26, which covers [0, pi/4 + 1/64].
constexpr auto tangentsOfSteps = [] {
    std::array<DoubleDouble, 27> table{};
    for (std::size_t j = 0; j < table.size(); ++j)
        table[j] = seriesTangent({static_cast<double>(j) / 32, 0}, false);
    return table;
}();

// tan r, or -1 / tan r when odd, for 0 <= r <= pi/4 + 2^-40, to 2^-63 or better:
// tan(a + b) = (tan a + tan b) / (1 - tan a tan b) with a = j / 32 nearest to r, |b| <= 1/64, and
// tan b = b + b^3 (1/3 + 2 b^2 / 15 + ...) with the cube term in double.
} // namespace

DoubleDouble detail::quickTangent(DoubleDouble r, bool odd)
{
    const double step = static_cast<double>(static_cast<int>(r.hi * 32 + 0.5));
    // r.hi - step / 32 is exact: both lie within a factor of two of each other, or step is 0.
    const DoubleDouble b = dd::twoSum(r.hi - step / 32, r.lo);
    const double b2 = b.hi * b.hi;
    constexpr std::array<double, 5> series{1.0 / 3, 2.0 / 15, 17.0 / 315, 62.0 / 2835,
                                           1382.0 / 155925};
    double cubic = 0;
    for (std::size_t k = series.size(); k-- > 0;)
        cubic = cubic * b2 + series[k];
    const DoubleDouble tanB = dd::fastTwoSum(b.hi, b.lo + b.hi * b2 * cubic);
    const DoubleDouble tanA = tangentsOfSteps[static_cast<std::size_t>(step)];
    const DoubleDouble numerator = tanA + tanB;
    const DoubleDouble denominator = -(tanA * tanB) + 1;
    return odd ? -(denominator / numerator) : numerator / denominator;
}

DoubleDouble detail::accurateTangent(DoubleDouble r, bool odd)
{
    return seriesTangent(r, odd);
}

double tangent(double x)
{
    const double magnitude = std::fabs(x);
    if (!(magnitude <= maxTangentArgument))
        return std::numeric_limits<double>::quiet_NaN();
    if (magnitude < 0x1p-27) // tan x = x (1 + x^2 / 3 + ...) rounds to x
        return x;

    DoubleDouble r{magnitude, 0};
    bool odd = false;
    if (magnitude > 0x1.921fb54442d18p-1) {                                // pi/4
        const double k = std::nearbyint(magnitude * 0x1.45f306dc9c883p-1); // x * 2/pi
        // x - k piOver2[0] is exact (the two lie within a factor of two), so are the next two
        // products; the last one is kept exactly as a pair.
        r = dd::twoSum(magnitude - k * piOver2[0], -(k * piOver2[1]));
        r = r + -(k * piOver2[2]);
        r = r - dd::twoProduct(k, piOver2[3]);
        odd = static_cast<long>(k) % 2 != 0;
    }

    // tan and -1 / tan are odd functions: work on |r|.
    const bool negative = (x < 0) != (r.hi < 0);
    if (r.hi < 0)
        r = -r;
    DoubleDouble result = detail::quickTangent(r, odd);
    if (!dd::roundsSafely(result, 0x1p-60))
        result = seriesTangent(r, odd);
    return negative ? -result.hi : result.hi;
}

} // namespace kantrix
