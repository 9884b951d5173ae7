// The number conversions: ParseNumber over long texts, to show that its time grows linearly with
// the length, and the two writers on the values the window shows.

#include "bend_error.h"
#include "number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kantrix {
namespace {

// Parses the text over and over. A digits-only text overflows, and the BendError that reports it
// is part of what is measured.
void parseRepeatedly(benchmark::State& benchmarkState, const std::string& text)
{
    for (auto _ : benchmarkState) {
        try {
            benchmark::DoNotOptimize(ParseNumber(text));
        } catch (const BendError& error) {
            benchmark::DoNotOptimize(error.kind());
        }
    }
    const auto size = static_cast<std::int64_t>(text.size());
    benchmarkState.SetComplexityN(size);
    benchmarkState.SetBytesProcessed(benchmarkState.iterations() * size);
}

std::size_t textLength(const benchmark::State& benchmarkState)
{
    return static_cast<std::size_t>(benchmarkState.range(0));
}

// 1 KiB, 64 KiB and 1 MiB, with a linear fit over them.
void textLengths(benchmark::internal::Benchmark* family)
{
    family->Arg(1 << 10)
        ->Arg(1 << 16)
        ->Arg(1 << 20)
        ->Unit(benchmark::kMicrosecond)
        ->Complexity(benchmark::oN);
}

// Digits only: the whole text is one number far beyond the double range.
void BM_ParseNumber_Overflow(benchmark::State& benchmarkState)
{
    parseRepeatedly(benchmarkState, std::string(textLength(benchmarkState), '7'));
}
BENCHMARK(BM_ParseNumber_Overflow)->Apply(textLengths);

// "0.000…0001": every digit is read, and the value is too small for a double.
void BM_ParseNumber_TinyFraction(benchmark::State& benchmarkState)
{
    std::string text(textLength(benchmarkState), '0');
    text[1] = '.';
    text.back() = '1';
    parseRepeatedly(benchmarkState, text);
}
BENCHMARK(BM_ParseNumber_TinyFraction)->Apply(textLengths);

// Blanks are skipped wherever they stand; here they all come before a short number.
void BM_ParseNumber_BlanksThenNumber(benchmark::State& benchmarkState)
{
    std::string text(textLength(benchmarkState), ' ');
    text.replace(text.size() - 8, 8, "1 234.50");
    parseRepeatedly(benchmarkState, text);
}
BENCHMARK(BM_ParseNumber_BlanksThenNumber)->Apply(textLengths);

// Values as the result fields show them: small, negative, grouped, rounding up.
constexpr std::array<double, 8> shownValues = {2,         -3.83739, 196.16261, 0.325,
                                               1234.5678, 90,       999.995,   123456.789};

void BM_FormatNumber(benchmark::State& benchmarkState)
{
    std::size_t i = 0;
    for (auto _ : benchmarkState)
        benchmark::DoNotOptimize(
            FormatNumber(shownValues[i++ % shownValues.size()], threeDecimals));
}
BENCHMARK(BM_FormatNumber);

// Values as the start-up and the corrections write them, and a few that need the exponent form.
constexpr std::array<double, 8> writtenValues = {2, 90, 100, 0.00001, 1.25, 1.0 / 3, 4e-06, 1.5e20};

void BM_NumberToText(benchmark::State& benchmarkState)
{
    std::size_t i = 0;
    for (auto _ : benchmarkState)
        benchmark::DoNotOptimize(NumberToText(writtenValues[i++ % writtenValues.size()]));
}
BENCHMARK(BM_NumberToText);

} // namespace
} // namespace kantrix
