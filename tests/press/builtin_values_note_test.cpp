// The note that a material of a built-in name computes with values of its own.

#include "builtin_materials.h"
#include "builtin_values_note.h"
#include "material_catalog.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <functional>

namespace kantrix::press {
namespace {

using test::PrintTo;

struct NoteCase
{
    const char* name;
    std::function<void(Material&)> change; // applied to the built-in S235JR
    const char* note;                      // "" for none
};

class BuiltinValues : public testing::TestWithParam<NoteCase>
{};

TEST_P(BuiltinValues, AreNamedWhereTheyDiffer)
{
    Material material = *findMaterial(materialCatalog(), "S235JR");
    GetParam().change(material);
    EXPECT_EQ(builtinValuesNote(material).value_or(""), GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    S235JR, BuiltinValues,
    testing::Values(
        NoteCase{"AsBuiltIn", [](Material&) {}, ""},
        NoteCase{"TestBendsAreNoValues", [](Material& m) { m.testBends.resize(1); }, ""},
        NoteCase{"OwnMaterialOfAnotherName",
                 [](Material& m) {
                     m.name = "Hausstahl";
                     m.radiusFactor = 0.2;
                 },
                 ""},
        NoteCase{"RadiusFactorInAnotherCase",
                 [](Material& m) {
                     m.name = "s235jr";
                     m.radiusFactor = 0.17;
                 },
                 "Die Werte von s235jr weichen von den eingebauten ab (Radiusfaktor f)."},
        NoteCase{"EveryValue",
                 [](Material& m) {
                     m.number.reset();
                     m.strength.front().max += 1;
                     m.radiusFactor = 0.17;
                     m.minimumRadius = MinimumRadiusFactor{1, 2};
                 },
                 "Die Werte von S235JR weichen von den eingebauten ab (Werkstoffnummer, "
                 "Zugfestigkeit Rm, Radiusfaktor f und Mindestradius)."}),
    test::rowName<NoteCase>);

} // namespace
} // namespace kantrix::press
