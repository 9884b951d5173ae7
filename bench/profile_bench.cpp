// The arithmetic of a profile with 10 bends, as a face runs it after each change: the bends of
// the window one by one, the straight parts, L, the bend lines and the notes; and the same part
// at the press brake, with a material of 5 test bends and a die.

#include "material_catalog.h"
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

// S235JR with five test bends at r / s from 0.8 to 4, two of them with a set angle, on a V 12
// die under a press limit.
Profile tenBendPartAtThePress()
{
    Profile profile = tenBendPart();
    profile.material = kantrix::press::requireMaterial(kantrix::press::materialCatalog(), "S235JR");
    for (int i = 0; i < 5; ++i) {
        const double r = 1.2 + 1.2 * i;
        const double legs = 2 * 50 + 2 * (r + 1.5) - (1.5 / 2 * 0.8 + r) * 1.5707963;
        profile.material->testBends.push_back(
            {1.5, r, std::nullopt, 90, i % 2 == 0 ? std::optional<double>(88) : std::nullopt, 100,
             legs / 2, legs / 2});
    }
    profile.die = 12;
    profile.pressLimit = 200;
    followDie(profile);
    return profile;
}

void BM_ComputeProfileTenBendsAtThePress(benchmark::State& state)
{
    const Profile profile = tenBendPartAtThePress();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeProfile(profile));
}
BENCHMARK(BM_ComputeProfileTenBendsAtThePress);

} // namespace
