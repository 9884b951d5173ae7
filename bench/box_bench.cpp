// The arithmetic of a box as a face runs it after each change: four walls on S235JR with five
// test bends and a die, round reliefs at the corners, the two sections, the blank's pieces and
// its exact area. Beside BM_ComputeProfileTenBendsAtThePress in the same run, so that the two can
// be compared. Then the answer as the page and the command line's --json take it.

#include "box_answer.h"
#include "box_calculation.h"
#include "material_catalog.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kantrix::box;

Box fourWallsAtThePress()
{
    Box box;
    box.thickness = 1.5;
    box.length = 300;
    box.width = 200;
    box.walls = {Wall{50}, Wall{40}, Wall{50}, Wall{40, Measure::Innen}};
    box.corners = CornerStyle::Stumpf;
    box.relief = Relief::Rund;
    box.reliefDiameter = 6;
    // The same five test bends as the profile's benchmark.
    box.material = kantrix::press::requireMaterial(kantrix::press::materialCatalog(), "S235JR");
    for (int i = 0; i < 5; ++i) {
        const double r = 1.2 + 1.2 * i;
        const double legs = 2 * 50 + 2 * (r + 1.5) - (1.5 / 2 * 0.8 + r) * 1.5707963;
        box.material->testBends.push_back({1.5, r, std::nullopt, 90,
                                           i % 2 == 0 ? std::optional<double>(88) : std::nullopt,
                                           100, legs / 2, legs / 2});
    }
    box.die = 12;
    box.pressLimit = 200;
    followDie(box);
    return box;
}

void BM_ComputeBox(benchmark::State& state)
{
    const Box box = fourWallsAtThePress();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeBox(box));
}
BENCHMARK(BM_ComputeBox);

void BM_BoxAnswerJson(benchmark::State& state)
{
    const Box box = fourWallsAtThePress();
    const BoxResult result = computeBox(box);
    for (auto _ : state)
        benchmark::DoNotOptimize(answerJson(box, result));
}
BENCHMARK(BM_BoxAnswerJson);

} // namespace
