// The arithmetic of a profile with 10 bends, as a face runs it after each change: the bends of
// the window one by one, the straight parts, L, the bend lines and the notes.

#include "profile_calculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kantrix::profile;

// Mixed opening angles, own radii, inner legs and both directions, so that every path of the
// calculation is taken.
Profile tenBendPart()
{
    Profile profile;
    profile.thickness = 1.5;
    profile.radius = 2;
    profile.width = 1000;
    for (int i = 0; i < 11; ++i)
        profile.legs.push_back({40.0 + 5 * i, i % 3 == 0 ? Measure::Innen : Measure::Aussen});
    for (int i = 0; i < 10; ++i)
        profile.bends.push_back({i % 3 == 0 ? 135.0 : 90.0,
                                 i % 4 == 0 ? std::optional<double>(4) : std::nullopt,
                                 i % 2 == 0 ? Direction::Plus : Direction::Minus});
    return profile;
}

void BM_ComputeProfileTenBends(benchmark::State& state)
{
    const Profile profile = tenBendPart();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeProfile(profile));
}
BENCHMARK(BM_ComputeProfileTenBends);

} // namespace
