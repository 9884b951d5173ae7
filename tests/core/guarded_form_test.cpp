// The rules all-or-nothing, as the page runs them: a fault comes back as a value, and every field,
// value and colour is what the last completed rule left.

#include "form_description.h"
#include "guarded_form.h"
#include "memory_field_set.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <string>

namespace kantrix {
namespace {

using test::PrintTo;

struct Extreme
{
    const char* name;
    Field field;
    std::string typed;
    FaultKind fault;
};

class GuardedFormTest : public testing::TestWithParam<Extreme>
{};

TEST_P(GuardedFormTest, AFaultIsReturnedAndUndoneAndTheFormGoesOn)
{
    MemoryFieldSet fields;
    GuardedForm form(fields);
    ASSERT_EQ(form.Form_Load(), std::nullopt);
    const FormSnapshot before = form.form().snapshot();

    fields.setText(GetParam().field, GetParam().typed);
    EXPECT_EQ(form.leaveField(GetParam().field), GetParam().fault);
    const FormSnapshot after = form.form().snapshot();
    EXPECT_EQ(after.state, before.state);
    EXPECT_EQ(after.texts, before.texts);
    EXPECT_EQ(after.vBackColor, before.vBackColor);

    // Undone to a state that the next rule builds on.
    fields.setText(Field::Txt_Radius, "3");
    EXPECT_EQ(form.leaveField(Field::Txt_Radius), std::nullopt);
    EXPECT_EQ(form.form().state().r, 3);
    EXPECT_EQ(fields.text(Field::Txt_Radius), "3.00");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Extremes, GuardedFormTest, testing::Values(
    Extreme{"RadiusBeyondTheDoubles", Field::Txt_Radius, "1e308", FaultKind::Overflow},
    Extreme{"NumberOfFourHundredDigits", Field::Txt_l1, std::string(400, '9'), FaultKind::Overflow},
    Extreme{"ThicknessThatTakesRByS", Field::Txt_Dicke, "1e-320", FaultKind::Overflow}),
    test::rowName<Extreme>);
// clang-format on

struct Named
{
    const char* name;
    Field field;
    const char* accessibleName;
    const char* spoken; // with the text "2.00"
};

class AccessibleNames : public testing::TestWithParam<Named>
{};

TEST_P(AccessibleNames, AreTheCaptionUpToItsSignAndTheSpokenUnit)
{
    EXPECT_EQ(form::accessibleName(form::rowOf(GetParam().field)), GetParam().accessibleName);
    EXPECT_EQ(form::spokenQuantity(form::rowOf(GetParam().field), "2.00"), GetParam().spoken);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, AccessibleNames, testing::Values(
    Named{"Radius", Field::Txt_Radius, "Biegeradius r, Millimeter", "Biegeradius r: 2.00 Millimeter"},
    Named{"Alpha", Field::Txt_Alpha, "Biegewinkel a, Grad", "Biegewinkel a: 2.00 Grad"},
    Named{"NoUnit", Field::Txt_n, "Neutrale Faser n", "Neutrale Faser n: 2.00"}),
    test::rowName<Named>);
// clang-format on

} // namespace
} // namespace kantrix
