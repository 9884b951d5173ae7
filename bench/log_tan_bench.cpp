// The core's own logarithm and tangent beside the C library's, on the arguments the formulas give
// them: ratios r / s below 5 and alpha pi / 360 below pi / 4.

#include "natural_log.h"
#include "tangent.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <random>

namespace kantrix {
namespace {

template <double (*draw)(std::mt19937_64&)> const std::array<double, 1024>& arguments()
{
    static const std::array<double, 1024> values = [] {
        std::mt19937_64 random(20261208);
        std::array<double, 1024> drawn{};
        for (double& value : drawn)
            value = draw(random);
        return drawn;
    }();
    return values;
}

double ratio(std::mt19937_64& random)
{
    return std::uniform_real_distribution<double>(0.01, 5)(random);
}

double halfAlpha(std::mt19937_64& random)
{
    return std::uniform_real_distribution<double>(0, 90)(random) * 3.14159265358979 / 360;
}

template <double (*function)(double), double (*draw)(std::mt19937_64&)>
void BM_Function(benchmark::State& state)
{
    const std::array<double, 1024>& values = arguments<draw>();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(function(values[i++ % values.size()]));
}

double libraryLog(double x)
{
    return std::log(x);
}

double libraryTan(double x)
{
    return std::tan(x);
}

BENCHMARK(BM_Function<libraryLog, ratio>)->Name("BM_LibraryLog");
BENCHMARK(BM_Function<naturalLog, ratio>)->Name("BM_NaturalLog");
BENCHMARK(BM_Function<libraryTan, halfAlpha>)->Name("BM_LibraryTan");
BENCHMARK(BM_Function<tangent, halfAlpha>)->Name("BM_Tangent");

} // namespace
} // namespace kantrix
