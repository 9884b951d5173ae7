// The three drawings of a profile with 10 bends, as a face asks for them after each change.

#include "profile_calculation.h"
#include "profile_drawing.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kantrix::profile;

Profile tenBends()
{
    Profile profile;
    profile.width = 1000;
    for (int i = 0; i < 11; ++i)
        profile.legs.push_back({30.0 + i, i % 3 == 0 ? Measure::Innen : Measure::Aussen});
    for (int i = 0; i < 10; ++i)
        profile.bends.push_back({i % 4 == 0 ? 120.0 : 90.0, std::nullopt,
                                 i % 2 == 0 ? Direction::Plus : Direction::Minus});
    return profile;
}

void BM_ProfileDrawings(benchmark::State& state)
{
    const Profile profile = tenBends();
    const ProfileResult result = computeProfile(profile);
    for (auto _ : state) {
        benchmark::DoNotOptimize(blankDxf(profile, result));
        benchmark::DoNotOptimize(blankSvg(profile, result));
        benchmark::DoNotOptimize(sectionSvg(profile, result));
    }
}
BENCHMARK(BM_ProfileDrawings);

template <std::string (*drawing)(const Profile&, const ProfileResult&)>
void BM_ProfileDrawing(benchmark::State& state)
{
    const Profile profile = tenBends();
    const ProfileResult result = computeProfile(profile);
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing(profile, result));
}
BENCHMARK(BM_ProfileDrawing<blankDxf>)->Name("BM_ProfileDrawing/blankDxf");
BENCHMARK(BM_ProfileDrawing<blankSvg>)->Name("BM_ProfileDrawing/blankSvg");
BENCHMARK(BM_ProfileDrawing<sectionSvg>)->Name("BM_ProfileDrawing/sectionSvg");

} // namespace
