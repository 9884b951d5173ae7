// tan x for |x| <= pi/4 as sin x / cos x from their Taylor series; a larger x is first reduced to
// r = x - k pi/2 with |r| <= pi/4 (Cody and Waite, pi/2 in four pieces, r in double-double), and
// tan x = tan r for even k, -cos r / sin r for odd k. The leading terms of both series are carried
// in double-double, the trailing ones in double. A first evaluation with three leading terms is
// good to 2^-60; where that cannot decide the rounding, eight or nine terms give 2^-100.

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
DoubleDouble series(const std::array<DoubleDouble, seriesLength>& terms, DoubleDouble r2,
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

template <std::size_t sineLeading, std::size_t cosineLeading>
DoubleDouble reducedTangent(DoubleDouble r, bool odd, std::size_t termCount)
{
    const DoubleDouble r2 = r * r;
    const DoubleDouble sine = r * series<sineLeading>(coefficients.sine, r2, termCount);
    const DoubleDouble cosine = series<cosineLeading>(coefficients.cosine, r2, termCount);
    return odd ? -(cosine / sine) : sine / cosine;
}

} // namespace

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

    DoubleDouble result = reducedTangent<3, 3>(r, odd, 10);
    if (!dd::roundsSafely(result, 0x1p-60))
        result = reducedTangent<8, 9>(r, odd, seriesLength);
    return x < 0 ? -result.hi : result.hi;
}

} // namespace kantrix
