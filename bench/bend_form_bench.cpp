// The cost of what the window does on every leave of a field: the whole recalculation with its
// eleven formatted field writes, and a complete leave rule around it.

#include "bend_form.h"
#include "memory_field_set.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>

namespace kantrix {
namespace {

// A few radii, so that successive recalculations do not format the very same digits; both
// ranges of r / s (below and above 5) are among them.
constexpr std::array<double, 4> radii = {2, 2.5, 0.8, 12};

void BM_Berechnung(benchmark::State& benchmarkState)
{
    MemoryFieldSet fields;
    BendForm form(fields);
    form.Form_Load();
    std::size_t i = 0;
    for (auto _ : benchmarkState) {
        form.state().r = radii[i++ % radii.size()];
        form.Berechnung();
    }
    benchmark::DoNotOptimize(fields.text(Field::Txt_l5));
}
BENCHMARK(BM_Berechnung);

// The same with beta = 120, where v takes the tangent.
void BM_BerechnungTangentRange(benchmark::State& benchmarkState)
{
    MemoryFieldSet fields;
    BendForm form(fields);
    form.Form_Load();
    form.state().beta = 120;
    form.state().alpha = 60;
    std::size_t i = 0;
    for (auto _ : benchmarkState) {
        form.state().r = radii[i++ % radii.size()];
        form.Berechnung();
    }
    benchmark::DoNotOptimize(fields.text(Field::Txt_l5));
}
BENCHMARK(BM_BerechnungTangentRange);

// Typing a radius and leaving the field: the replaced text, the parse, the recalculation.
void BM_Txt_Radius_LostFocus(benchmark::State& benchmarkState)
{
    constexpr std::array<std::string_view, 4> typed = {"2", "2.5", "0.8", "12"};
    MemoryFieldSet fields;
    BendForm form(fields);
    form.Form_Load();
    std::size_t i = 0;
    for (auto _ : benchmarkState) {
        fields.setText(Field::Txt_Radius, typed[i++ % typed.size()]);
        form.Txt_Radius_LostFocus();
    }
    benchmark::DoNotOptimize(form.state().l(5));
}
BENCHMARK(BM_Txt_Radius_LostFocus);

} // namespace
} // namespace kantrix
