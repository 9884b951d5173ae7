// naturalLog and tangent against MPFR over the arguments the bend formulas give them: every ratio
// r / s below 5 (subnormals included) and 10 for the logarithm, alpha pi / 360 for 0 < alpha < 90
// for the tangent, with dense runs where an approximation is most likely to slip. Each row prints
// its largest error in ulps and the share of correctly rounded results. The number of arguments
// (10^7 by default) can be lowered with KANTRIX_ACCURACY_ARGUMENTS.

#include "bend_formulas.h"
#include "natural_log.h"
#include "row_names.h"
#include "tangent.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mpfr.h>
#include <random>

namespace kantrix {
namespace {

using test::PrintTo;

double argumentCount()
{
    const char* count = std::getenv("KANTRIX_ACCURACY_ARGUMENTS");
    return count ? std::strtod(count, nullptr) : 1e7;
}

double fromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

using Generator = std::function<double(std::mt19937_64&, std::uint64_t i)>;

struct Family
{
    const char* name;
    bool logarithm; // else the tangent
    double share;   // of all arguments
    Generator next;
};

// Error of a result in ulps of the exact value, which MPFR holds to 160 bits.
class Reference
{
public:
    Reference()
    {
        mpfr_inits2(160, m_exact, m_difference, static_cast<mpfr_ptr>(nullptr));
        mpfr_init2(m_argument, 53);
    }
    ~Reference() { mpfr_clears(m_exact, m_difference, m_argument, static_cast<mpfr_ptr>(nullptr)); }

    // Returns the error in ulps; sets correctlyRounded.
    double error(bool logarithm, double x, double result, bool& correctlyRounded)
    {
        mpfr_set_d(m_argument, x, MPFR_RNDN);
        if (logarithm)
            mpfr_log(m_exact, m_argument, MPFR_RNDN);
        else
            mpfr_tan(m_exact, m_argument, MPFR_RNDN);
        correctlyRounded = result == mpfr_get_d(m_exact, MPFR_RNDN);
        // ulp of a double in the binade of the exact value: 2^(exponent - 53), MPFR's exponent
        // counting from 0.5 <= |m| < 1.
        const long exponent = std::max<long>(mpfr_get_exp(m_exact), -1021);
        mpfr_sub_d(m_difference, m_exact, result, MPFR_RNDN);
        mpfr_mul_2si(m_difference, m_difference, 53 - exponent, MPFR_RNDN);
        return std::fabs(mpfr_get_d(m_difference, MPFR_RNDN));
    }

private:
    mpfr_t m_exact, m_difference, m_argument;
};

class LogAndTangent : public testing::TestWithParam<Family>
{};

TEST_P(LogAndTangent, AreWithinOneUlpOfMpfr)
{
    const Family& family = GetParam();
    const auto count = static_cast<std::uint64_t>(argumentCount() * family.share);
    std::mt19937_64 random(20261208);
    Reference reference;
    double maxError = 0, worstArgument = 0;
    std::uint64_t correctlyRounded = 0;
    for (std::uint64_t i = 0; i < count; ++i) {
        const double x = family.next(random, i);
        const double result = family.logarithm ? naturalLog(x) : tangent(x);
        bool exact = false;
        const double error = reference.error(family.logarithm, x, result, exact);
        correctlyRounded += exact;
        if (error > maxError) {
            maxError = error;
            worstArgument = x;
        }
    }
    std::printf("%-28s %9llu arguments, max error %.4f ulp (at %a), correctly rounded %.7f %%\n",
                family.name, static_cast<unsigned long long>(count), maxError, worstArgument,
                count ? 100.0 * static_cast<double>(correctlyRounded) / static_cast<double>(count)
                      : 100.0);
    EXPECT_LE(maxError, 1.0) << "at " << worstArgument;
    // The second evaluation decides every rounding the first leaves open.
    EXPECT_EQ(correctlyRounded, count) << "results not correctly rounded";
}

double uniform(std::mt19937_64& random, double low, double high)
{
    return std::uniform_real_distribution<double>(low, high)(random);
}

// A positive double with random bits below 5, the exponents evenly spread (subnormals included).
double anyRatio(std::mt19937_64& random)
{
    for (;;) {
        const double x = fromBits(random() & 0x401F'FFFF'FFFF'FFFFu);
        if (x > 0 && x < 5)
            return x;
    }
}

// The double nearest to k pi/2 for a random k up to 10^6 / (pi/2), a few ulps either way: the
// reduction cancels almost every bit there.
double nearMultipleOfPiOverTwo(std::mt19937_64& random)
{
    mpfr_t multiple;
    mpfr_init2(multiple, 200);
    mpfr_const_pi(multiple, MPFR_RNDN);
    mpfr_mul_ui(multiple, multiple, 1 + random() % 636'619, MPFR_RNDN);
    mpfr_div_2ui(multiple, multiple, 1, MPFR_RNDN);
    const double x = mpfr_get_d(multiple, MPFR_RNDN);
    mpfr_clear(multiple);
    const std::uint64_t ulps = random() % 5;
    return fromBits(std::bit_cast<std::uint64_t>(x) + ulps - 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FormulaArguments, LogAndTangent, testing::Values(
    Family{"LogAnyRatio", true, 0.15, [](auto& random, auto) { return anyRatio(random); }},
    Family{"LogRatioOfInputs", true, 0.1, [](auto& random, auto) {
        return std::exp(uniform(random, -12, 10)) / std::exp(uniform(random, -12, 10)); }},
    Family{"LogRatioUpToFive", true, 0.1, [](auto& random, auto) { return uniform(random, 0, 5); }},
    Family{"LogNearOne", true, 0.1, [](auto& random, auto) {
        return 1 + std::ldexp(uniform(random, -1, 1), -static_cast<int>(random() % 50)); }},
    Family{"LogUlpsAroundOne", true, 0.01, [](auto&, std::uint64_t i) {
        return fromBits(0x3FF0'0000'0000'0000u + (i % 2 ? i / 2 : -(i / 2) - 1)); }},
    Family{"LogSubnormal", true, 0.02, [](auto& random, auto) {
        return fromBits(random() & 0x000F'FFFF'FFFF'FFFFu) + 0x1p-1074; }},
    Family{"LogNearSqrtTwoAndPowers", true, 0.02, [](auto& random, auto) {
        const double base = random() % 2 ? 0x1.6a09e667f3bcdp+0 : 1.0;
        return std::ldexp(fromBits(std::bit_cast<std::uint64_t>(base) + random() % 2001 - 1000),
                          static_cast<int>(random() % 20) - 10); }},
    Family{"TanOfAlphaPiOver360", false, 0.2, [](auto& random, auto) {
        return uniform(random, 0, 90) * pi / 360; }},
    Family{"TanUpToPiOverFour", false, 0.1, [](auto& random, auto) {
        return uniform(random, 0, 0.7853981633974483); }},
    Family{"TanNearZero", false, 0.05, [](auto& random, auto) {
        return std::ldexp(uniform(random, 0.5, 1), -static_cast<int>(random() % 60)); }},
    Family{"TanUlpsBelowPiOverFour", false, 0.05, [](auto&, std::uint64_t i) {
        return fromBits(0x3FE9'21FB'5444'2D18u - i); }},
    Family{"TanReducedArguments", false, 0.1, [](auto& random, auto) {
        const double x = std::ldexp(uniform(random, 0.5, 1), static_cast<int>(random() % 20));
        return random() % 2 ? -x : x; }},
    Family{"TanNearMultiplesOfPiOverTwo", false, 0.01, [](auto& random, auto) {
        return nearMultipleOfPiOverTwo(random); }}),
    test::rowName<Family>);
// clang-format on

// The two evaluations behind each function: the quick one within its bound of the accurate one
// and deciding nearly every rounding, the accurate one within 2^-100 of MPFR.
struct Evaluation
{
    const char* name;
    double low, high; // of the arguments, spread evenly
    double quickBound;
    std::function<dd::DoubleDouble(double)> quick, accurate;
    std::function<void(mpfr_t exact, const mpfr_t argument)> reference;
};

class Evaluations : public testing::TestWithParam<Evaluation>
{};

double relativeDifference(dd::DoubleDouble value, dd::DoubleDouble exact)
{
    return std::fabs((value - exact).hi / exact.hi);
}

TEST_P(Evaluations, QuickOneKeepsItsBoundAndLeavesFewRoundingsOpen)
{
    const Evaluation& evaluation = GetParam();
    std::mt19937_64 random(20261208);
    constexpr int count = 100'000;
    double worst = 0;
    int open = 0;
    for (int i = 0; i < count; ++i) {
        const double x = uniform(random, evaluation.low, evaluation.high);
        const dd::DoubleDouble quick = evaluation.quick(x);
        worst = std::max(worst, relativeDifference(quick, evaluation.accurate(x)));
        open += !dd::roundsSafely(quick, 0x1p-60);
    }
    std::printf("%-15s quick: largest error 2^%.2f, %d of %d roundings left open\n",
                evaluation.name, std::log2(worst), open, count);
    EXPECT_LE(worst, evaluation.quickBound);
    // About one rounding in a hundred is left to the accurate evaluation.
    EXPECT_LT(open, count / 50);
}

TEST_P(Evaluations, AccurateOneIsWithinTwoToTheMinus100OfMpfr)
{
    const Evaluation& evaluation = GetParam();
    std::mt19937_64 random(20261208);
    mpfr_t argument, exact, value;
    mpfr_init2(argument, 53);
    mpfr_inits2(200, exact, value, static_cast<mpfr_ptr>(nullptr));
    double worst = 0;
    for (int i = 0; i < 10'000; ++i) {
        const double x = uniform(random, evaluation.low, evaluation.high);
        const dd::DoubleDouble accurate = evaluation.accurate(x);
        mpfr_set_d(argument, x, MPFR_RNDN);
        evaluation.reference(exact, argument);
        mpfr_set_d(value, accurate.hi, MPFR_RNDN);
        mpfr_add_d(value, value, accurate.lo, MPFR_RNDN);
        mpfr_sub(value, value, exact, MPFR_RNDN);
        mpfr_div(value, value, exact, MPFR_RNDN);
        worst = std::max(worst, std::fabs(mpfr_get_d(value, MPFR_RNDN)));
    }
    mpfr_clears(argument, exact, value, static_cast<mpfr_ptr>(nullptr));
    std::printf("%-15s accurate: largest error 2^%.2f\n", evaluation.name, std::log2(worst));
    EXPECT_LE(worst, 0x1p-100);
}

void minusCotangent(mpfr_t exact, const mpfr_t argument)
{
    mpfr_cot(exact, argument, MPFR_RNDN);
    mpfr_neg(exact, exact, MPFR_RNDN);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(QuickAndAccurate, Evaluations, testing::Values(
    Evaluation{"Log", 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp+0, 0x1p-66,
               detail::quickLog, detail::accurateLog,
               [](mpfr_t exact, const mpfr_t x) { mpfr_log(exact, x, MPFR_RNDN); }},
    Evaluation{"Tangent", 0x1p-27, 0.7853981633974483, 0x1p-63,
               [](double r) { return detail::quickTangent({r, 0}, false); },
               [](double r) { return detail::accurateTangent({r, 0}, false); },
               [](mpfr_t exact, const mpfr_t x) { mpfr_tan(exact, x, MPFR_RNDN); }},
    Evaluation{"MinusCotangent", 0x1p-27, 0.7853981633974483, 0x1p-63,
               [](double r) { return detail::quickTangent({r, 0}, true); },
               [](double r) { return detail::accurateTangent({r, 0}, true); }, minusCotangent}),
    test::rowName<Evaluation>);
// clang-format on

// Arguments a search found where the quick evaluation alone rounds the last bit the wrong way,
// powers of two, where the logarithm is e ln 2 alone, and the largest argument of the tangent.
TEST(LogAndTangent, HardRoundingsAndPowersOfTwoAreCorrectlyRounded)
{
    Reference reference;
    for (const double x : {0x1.00fa63889c288p+0, 2.0, 0.5, 0x1p-1074, 0x1p1023}) {
        bool exact = false;
        reference.error(true, x, naturalLog(x), exact);
        EXPECT_TRUE(exact) << "log of " << std::hexfloat << x;
    }
    for (const double x :
         {0x1.3d7696708ec9bp-4, 0x1.705398b360d8ap-5, 0x1.469edf8808d36p-7, 0x1.d20705b2fa912p-2,
          0x1.57e7fb23cd87ep-1, -0x1.5645203cf8997p-1, 0x1.cdd42cc250ed5p+19, 0x1.dde2def05ab78p+19,
          -0x1.d48afd8a43029p+19, 0x1.981ccfc461da3p+17, maxTangentArgument}) {
        bool exact = false;
        reference.error(false, x, tangent(x), exact);
        EXPECT_TRUE(exact) << "tan of " << std::hexfloat << x;
    }
}

TEST(NaturalLog, EdgesOfItsDomain)
{
    EXPECT_EQ(naturalLog(0), -INFINITY);
    EXPECT_TRUE(std::isnan(naturalLog(-1)));
    EXPECT_TRUE(std::isnan(naturalLog(NAN)));
    EXPECT_EQ(naturalLog(INFINITY), INFINITY);
    EXPECT_EQ(naturalLog(1), 0);
}

TEST(Tangent, EdgesOfItsDomain)
{
    EXPECT_TRUE(std::isnan(tangent(INFINITY)));
    EXPECT_TRUE(std::isnan(tangent(std::nextafter(maxTangentArgument, INFINITY))));
    EXPECT_EQ(std::signbit(tangent(-0.0)), true);
}

} // namespace
} // namespace kantrix
