#include "bend_form.h"
#include "memory_field_set.h"
#include "row_names.h"
#include "sheet_content.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kantrix {
namespace {

using test::PrintTo;

struct SheetCase
{
    const char* name;
    std::vector<std::pair<Field, const char*>> typed; // entered and left in this order
    std::vector<std::string> notePrefixes;            // the notes expected, by their opening words
    const char* fileName;
};

class SheetContent : public testing::TestWithParam<SheetCase>
{};

// State: start-up bend. Action: type the entries. Expected: exactly the notes that apply, in
// order, and the proposed file name.
TEST_P(SheetContent, NotesAndFileNameFollowTheBend)
{
    MemoryFieldSet fields;
    BendForm form{fields};
    form.Form_Load();
    for (const auto& [field, text] : GetParam().typed) {
        form.enterField(field);
        fields.setText(field, text);
        form.leaveField(field);
    }
    const std::vector<std::string> notes = sheetNotes(form);
    ASSERT_EQ(notes.size(), GetParam().notePrefixes.size());
    for (std::size_t i = 0; i < notes.size(); ++i)
        EXPECT_EQ(notes[i].rfind(GetParam().notePrefixes[i], 0), 0u) << notes[i];
    EXPECT_EQ(sheetFileName(form.state()), GetParam().fileName);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bends, SheetContent, testing::Values(
    SheetCase{"StartUp",         {},                                        {},                      "Biegung r2 s2 b90.pdf"},
    SheetCase{"KJustAboveZero",  {{Field::Txt_Radius, "0.101"}},            {},                      "Biegung r0.101 s2 b90.pdf"},
    SheetCase{"KBelowZero",      {{Field::Txt_Radius, "0.1"}},              {"k ≤ 0"},               "Biegung r0.1 s2 b90.pdf"},
    SheetCase{"RatioJustBelow5", {{Field::Txt_Radius, "9.999"}},            {},                      "Biegung r9.999 s2 b90.pdf"},
    SheetCase{"RatioFive",       {{Field::Txt_Radius, "10"}},               {"k = 1"},               "Biegung r10 s2 b90.pdf"},
    SheetCase{"Beta165",         {{Field::Txt_Beta, "165"}},                {},                      "Biegung r2 s2 b165.pdf"},
    SheetCase{"BetaAbove165",    {{Field::Txt_Beta, "165.5"}},              {"β > 165°"},            "Biegung r2 s2 b165.5.pdf"},
    SheetCase{"Corrected",       {{Field::Txt_Beta, "200"}, {Field::Txt_l2, "5"}},
                                 {"β > 165°", "β auf 179 korrigiert", "b auf 8 korrigiert"},       "Biegung r2 s2 b179.pdf"},
    SheetCase{"TinyRadius",      {{Field::Txt_Radius, "-1"}},
                                 {"k ≤ 0", "r auf 0.00001 korrigiert"},                           "Biegung r0.00001 s2 b90.pdf"}),
    test::rowName<SheetCase>);
// clang-format on

} // namespace
} // namespace kantrix
