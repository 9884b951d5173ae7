#include "bend_error.h"
#include "bend_formulas.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace kantrix {
namespace {

using test::PrintTo;

constexpr double notGiven = std::numeric_limits<double>::quiet_NaN();

BendState bend(double r, double s, double beta, double a = 100, double b = 100)
{
    return bendOf(r, s, beta, a, b);
}

void calculate(BendState& state)
{
    k_wert(state);
    v_wert(state);
    derivedLengths(state);
}

struct WorkedExample
{
    const char* name;
    double r, s, beta;
    double k, n, v, z, aPrime, bPrime, L; // notGiven where the example states no figure
    int decimals;                         // how many decimals the figures are given to
};

class WorkedExamples : public testing::TestWithParam<WorkedExample>
{};

TEST_P(WorkedExamples, MatchToTheStatedDecimals)
{
    const WorkedExample& example = GetParam();
    BendState state = bend(example.r, example.s, example.beta);
    calculate(state);

    const double tolerance = 0.5 * std::pow(10.0, -example.decimals) * (1 + 1e-9);
    const auto expectNear = [&](const char* what, double actual, double expected) {
        if (!std::isnan(expected)) {
            EXPECT_NEAR(actual, expected, tolerance) << what;
        }
    };
    expectNear("k", state.k, example.k);
    expectNear("n", state.n, example.n);
    expectNear("v", state.v, example.v);
    expectNear("z", state.z, example.z);
    expectNear("a'", state.l(3), example.aPrime);
    expectNear("b'", state.l(4), example.bPrime);
    expectNear("L", state.l(5), example.L);
    EXPECT_EQ(state.n, state.k / 2);
    EXPECT_EQ(state.l(3) + state.l(4), state.l(5)) << "a' and b' add up to L";
    EXPECT_EQ(state.l(0), 0) << "l(0) is never written";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DinExamples, WorkedExamples, testing::Values(
    WorkedExample{"StartUp",         2, 2, 90,       0.65, 0.325, -3.83739, 4.16261, 98.081305, 98.081305, 196.16261, 5},
    WorkedExample{"TangentRange",    2, 2, 120,      notGiven, notGiven, -1.843729, 2.775074, 99.078136, 99.078136, 198.156271, 6},
    WorkedExample{"RatioFive",       10, 2, 90,      1, 0.5, -6.72124, 17.27876, notGiven, notGiven, notGiven, 5},
    WorkedExample{"JustBelowFive",   9.999, 2, 90,   0.999463, notGiven, notGiven, notGiven, notGiven, notGiven, notGiven, 6},
    WorkedExample{"JustAbove90",     2, 2, 90.0001,  notGiven, notGiven, -3.83738, notGiven, notGiven, notGiven, notGiven, 5},
    WorkedExample{"TinyRadius",      0.00001, 2, 90, -2.000515, -1.000257, -7.142406, -3.142386, notGiven, notGiven, notGiven, 6},
    WorkedExample{"SharpFold",       2, 2, 1,        notGiven, notGiven, 0.278969, notGiven, notGiven, notGiven, 200.278969, 6},
    WorkedExample{"AlmostFlat",      1, 1, 179,      notGiven, notGiven, -0.011782, 0.023126, notGiven, notGiven, notGiven, 6},
    WorkedExample{"NearlyStraight",  2, 2, 179.99,   notGiven, notGiven, -0.000236, notGiven, notGiven, notGiven, notGiven, 6}),
    test::rowName<WorkedExample>);
// clang-format on

TEST(BendFormulas, PiIsTheFourteenDecimalConstant)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(pi), 0x400921FB54442D11u);
}

TEST(BendFormulas, KJumpsUpToOneAtRatioFive)
{
    BendState below = bend(9.999999, 2, 90);
    BendState at = bend(10, 2, 90);
    k_wert(below);
    k_wert(at);
    EXPECT_LT(below.k, 1);
    EXPECT_EQ(at.k, 1);
    EXPECT_EQ(at.n, 0.5);
}

TEST(BendFormulas, BothRangesMeetAtNinetyDegrees)
{
    BendState at = bend(2, 2, 90);
    BendState above = bend(2, 2, std::nextafter(90.0, 180.0));
    calculate(at);
    calculate(above);
    EXPECT_NEAR(at.v, above.v, 1e-12);
}

TEST(BendFormulas, DeductionIsExactlyZeroForSomeAngleNearItsSignChange)
{
    // Between beta = 1 (v > 0) and beta = 90 (v < 0) the deduction crosses zero; near the
    // crossing the arc and the outer lengths cancel exactly for some angles.
    double positive = 1, negative = 90;
    for (int i = 0; i < 200; ++i) {
        const double middle = (positive + negative) / 2;
        BendState state = bend(2, 2, middle);
        calculate(state);
        (state.v >= 0 ? positive : negative) = middle;
    }
    bool foundExactZero = false;
    double beta = positive;
    for (int step = 0; step < 64 && !foundExactZero; ++step) {
        BendState state = bend(2, 2, beta);
        calculate(state);
        foundExactZero = state.v == 0;
        beta = std::nextafter(beta, 0.0);
    }
    EXPECT_TRUE(foundExactZero) << "no angle near " << positive << " gives v == 0";
}

struct FaultCase
{
    const char* name;
    BendState state;
    FaultKind expected;
};

class FormulaFaults : public testing::TestWithParam<FaultCase>
{};

TEST_P(FormulaFaults, RaiseABendErrorOfTheirKind)
{
    BendState state = GetParam().state;
    try {
        calculate(state);
        FAIL() << "no fault raised";
    } catch (const BendError& error) {
        EXPECT_EQ(error.kind(), GetParam().expected) << error.what();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExtremeInputs, FormulaFaults, testing::Values(
    FaultCase{"RadiusBeyondAQuarterOfTheRange", bend(1e308, 2, 90),                    FaultKind::Overflow},
    FaultCase{"FlangesNearTheLargestDouble",    bend(2, 2, 90, 1.7e308, 1.7e308),      FaultKind::Overflow},
    FaultCase{"RatioUnderflowsToZero",          bend(1e-300, 1e300, 90),               FaultKind::InvalidArgument},
    FaultCase{"NegativeRatio",                  bend(-2, 2, 90),                       FaultKind::InvalidArgument},
    FaultCase{"ZeroThickness",                  bend(2, 0, 90),                        FaultKind::DivisionByZero},
    FaultCase{"InfiniteRadiusAndThickness",     bend(INFINITY, INFINITY, 90),          FaultKind::InvalidOperation},
    FaultCase{"InfiniteAngleOverflowsTheTangent", bend(2, 2, INFINITY),                  FaultKind::Overflow},
    // v overflows, and L would add it to flanges that overflow the other way: not NaN.
    FaultCase{"DeductionOverflowsBeforeL",      bend(1e307, 1e308, 179, 1e308, 1e308), FaultKind::Overflow},
    FaultCase{"BendZoneAloneOverflows",         bend(8.3e306, 1.67e306, 1, 4e307, 4e307), FaultKind::Overflow}),
    test::rowName<FaultCase>);
// clang-format on

TEST(BendError, NamesEveryFaultKindByADistinctText)
{
    std::set<std::string> texts;
    for (FaultKind kind :
         {FaultKind::InvalidOperation, FaultKind::DivisionByZero, FaultKind::Overflow,
          FaultKind::InvalidArgument, FaultKind::SubscriptOutOfRange}) {
        const BendError error(kind);
        EXPECT_EQ(error.what(), faultMessage(kind));
        EXPECT_FALSE(faultMessage(kind).empty());
        texts.emplace(faultMessage(kind));
    }
    EXPECT_EQ(texts.size(), 5u);
}

TEST(BendFormulas, ResultsStoredBeforeAFaultStayStored)
{
    BendState state = bend(2, 2, 90, 1.7e308, 1.7e308);
    EXPECT_THROW(calculate(state), BendError);
    EXPECT_NEAR(state.z, 4.16261, 1e-5) << "z is stored before L overflows";
    EXPECT_EQ(state.l(3), 0) << "a' comes after L and is not reached";
}

TEST(BendState, LengthsHaveTheBoundsZeroToFive)
{
    BendState state;
    for (std::int16_t index : {std::int16_t{-1}, std::int16_t{6}, std::int16_t{32767}})
        EXPECT_THROW(state.l(index), BendError) << index;
    EXPECT_NO_THROW(state.l(0));
    EXPECT_NO_THROW(state.l(5));
}

// The exact bits of a few results. They pin the order of evaluation and the compiler settings:
// every build, with or without sanitizers, must reproduce them.
struct ExactBits
{
    double r, s, beta;
    std::uint64_t k, v, z, L;
};

void PrintTo(const ExactBits& row, std::ostream* out)
{
    *out << "r=" << row.r << " s=" << row.s << " beta=" << row.beta;
}

class BitExactResults : public testing::TestWithParam<ExactBits>
{};

TEST_P(BitExactResults, HaveThePinnedBitsInEveryBuild)
{
    const ExactBits& expected = GetParam();
    BendState state = bend(expected.r, expected.s, expected.beta);
    calculate(state);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.k), expected.k);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.v), expected.v);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.z), expected.z);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.l(5)), expected.L);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pinned, BitExactResults, testing::Values(
    ExactBits{2, 2, 90, 0x3FE4CCCCCCCCCCCDu, 0xC00EB2F9638C1116u, 0x4010A6834E39F775u, 0x406885341A71CFBCu},
    ExactBits{2, 2, 120, 0x3FE4CCCCCCCCCCCDu, 0xBFFD7FE99AFB8DCAu, 0x40063359BDA29F46u, 0x4068C5002CCA08E4u},
    ExactBits{10, 2, 90, 0x3FF0000000000000u, 0xC01AE28CD8448410u, 0x4031475CC9EEDEFCu, 0x406828EB993DDBE0u},
    ExactBits{9.999, 2, 90, 0x3FEFFB9A6E0EBE70u, 0xC01AE2F956385EC4u, 0x403146BE980350C3u, 0x406828E8354E3D0Au},
    ExactBits{0.00001, 2, 90, 0xC000010E01D6C46Du, 0xC01C91D2DA550C16u, 0xC009239B384F53B9u, 0x40681B71692D579Fu},
    ExactBits{2, 2, 1, 0x3FE4CCCCCCCCCCCDu, 0x3FD1DAA2145C7300u, 0x40208ED510A2E397u, 0x406908ED510A2E3Au},
    ExactBits{1, 1, 179, 0x3FE4CCCCCCCCCCCDu, 0xBF8821164A185F78u, 0x3F97AE3D9713DD18u, 0x4068FF9F7BA6D79Fu},
    ExactBits{2.346, 1.5, 135.25, 0x3FE7E864CB0400E3u, 0xBFECB06C554B9694u, 0x400228DC835C010Bu, 0x4068E34F93AAB469u},
    ExactBits{0.7, 3, 45.5, 0x3FD56010D9EA7ADBu, 0xC01252AB6838F2F5u, 0x40068DDC62C14D4Au, 0x40686D6AA4BE3868u},
    ExactBits{123.456, 7.89, 170, 0x3FF0000000000000u, 0xBFE7E6A0B10F3220u, 0x40363C54D120FD45u, 0x4068E8195F4EF0CEu}));
// clang-format on

} // namespace
} // namespace kantrix
