#include "bend_error.h"
#include "bend_form.h"
#include "memory_field_set.h"
#include "quantity_lines.h"
#include "row_names.h"
#include "stored_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace kantrix {
namespace {

using test::PrintTo;

class BendFormTest : public testing::Test
{
protected:
    void SetUp() override { form.Form_Load(); }

    // What the user does: enter the field, replace its text, leave it.
    void type(Field field, const std::string& text)
    {
        enter(field);
        fields.setText(field, text);
        leave(field);
    }
    void enter(Field field) { form.enterField(field); }
    void leave(Field field) { form.leaveField(field); }

    MemoryFieldSet fields;
    BendForm form{fields};
};

TEST_F(BendFormTest, StartUpShowsTheDefaultBend)
{
    const std::vector<std::pair<Field, std::string>> expected = {
        {Field::Txt_Radius, "2.00"}, {Field::Txt_Dicke, "2.00"}, {Field::Txt_Beta, "90.00"},
        {Field::Txt_Alpha, "90.00"}, {Field::Txt_k, "0.650"},    {Field::Txt_n, "0.325"},
        {Field::Txt_v, "-3.837"},    {Field::Txt_z, "4.163"},    {Field::Txt_l1, "100"},
        {Field::Txt_l2, "100"},      {Field::Txt_l3, "98.081"},  {Field::Txt_l4, "98.081"},
        {Field::Txt_l5, "196.163"},
    };
    for (const auto& [field, text] : expected)
        EXPECT_EQ(fields.text(field), text) << controlName(field);
    EXPECT_EQ(fields.backColor(Field::Txt_v), lightOrange);
    EXPECT_EQ(form.state().r, 2);
    EXPECT_EQ(form.state().l(1), 100);
    EXPECT_EQ(form.state().l(0), 0);
}

TEST_F(BendFormTest, QuantityLinesAlignCaptionsValuesAndUnits)
{
    type(Field::Txt_l1, "12345.678");
    EXPECT_EQ(quantityLines(fields), "Biegeradius r =                 2.00 mm\n"
                                     "Blechdicke s =                  2.00 mm\n"
                                     "Öffnungswinkel b =             90.00 °\n"
                                     "Biegewinkel a = 180 - b =      90.00 °\n"
                                     "Schenkellänge a =          12345.678 mm\n"
                                     "Schenkellänge b =                100 mm\n"
                                     "Gerade a' =               12 343.759 mm\n"
                                     "Gerade b' =                   98.081 mm\n"
                                     "Gestreckte Länge L =      12 441.841 mm\n"
                                     "Korrekturwert k =              0.650\n"
                                     "Neutrale Faser n = k/2 =       0.325\n"
                                     "Biegezone bz =                 4.163 mm\n"
                                     "Verdano v =                   -3.837 mm\n");
}

TEST_F(BendFormTest, EnteringAFieldSelectsItsWholeText)
{
    fields.setText(Field::Txt_l1, "Schenkellänge");
    form.Txt_l_GotFocus(1);
    EXPECT_EQ(fields.selection(Field::Txt_l1), (MemoryFieldSet::Selection{0, 13}));
    fields.setText(Field::Txt_Dicke, "");
    form.Txt_Dicke_GotFocus();
    EXPECT_EQ(fields.selection(Field::Txt_Dicke), (MemoryFieldSet::Selection{0, 0}));
}

TEST_F(BendFormTest, EnteringEachInputFieldSelectsThatFieldsText)
{
    for (Field field : inputFields) {
        fields.setText(field, controlName(field));
        enter(field);
        const int length = static_cast<int>(controlName(field).size());
        EXPECT_EQ(fields.selection(field), (MemoryFieldSet::Selection{0, length}))
            << controlName(field);
    }
}

TEST(FieldSet, ControlNamesAreDistinctAndIndexTheTxtLArray)
{
    std::set<std::string_view> names;
    for (Field field : allFields)
        EXPECT_TRUE(names.insert(controlName(field)).second) << controlName(field);
    for (std::int16_t index = 1; index <= 5; ++index)
        EXPECT_EQ(controlName(Txt_l(index)), "Txt_l(" + std::to_string(index) + ")");
    EXPECT_EQ(names.count(""), 0u);
    EXPECT_EQ(names.count("Txt_Radius") + names.count("Txt_Dicke") + names.count("Txt_Beta") +
                  names.count("Txt_Alpha") + names.count("Txt_k") + names.count("Txt_n") +
                  names.count("Txt_v") + names.count("Txt_z"),
              8u);
}

TEST(FieldSet, InputFieldsAreExactlyTheFiveInTabOrder)
{
    for (Field field : allFields)
        EXPECT_EQ(isInputField(field),
                  std::find(inputFields.begin(), inputFields.end(), field) != inputFields.end())
            << controlName(field);
}

// Like a text box: writing puts the caret after the text, and a selection stays inside it.
TEST(MemoryFieldSet, KeepsTheSelectionInsideTheText)
{
    using Selection = MemoryFieldSet::Selection;
    MemoryFieldSet fields;
    fields.setText(Field::Txt_Beta, "12345");
    EXPECT_EQ(fields.selection(Field::Txt_Beta), (Selection{5, 0}));
    fields.setSelectionStart(Field::Txt_Beta, 9);
    EXPECT_EQ(fields.selection(Field::Txt_Beta), (Selection{5, 0}));
    fields.setSelectionStart(Field::Txt_Beta, 2);
    fields.setSelectionLength(Field::Txt_Beta, 10);
    EXPECT_EQ(fields.selection(Field::Txt_Beta), (Selection{2, 3}));
    fields.setSelectionLength(Field::Txt_Beta, 0);
    EXPECT_EQ(fields.selection(Field::Txt_Beta), (Selection{2, 0}));
}

struct EntryCase
{
    const char* name;
    double radius; // set first through the radius field
    Field field;
    const char* typed;
    const char* shown; // the field's text after the rule and the recalculation
    double stored;
};

class EntryRules : public BendFormTest, public testing::WithParamInterface<EntryCase>
{};

TEST_P(EntryRules, CorrectOutOfRangeTextThenStoreItsParseAndShowIt)
{
    const EntryCase& entry = GetParam();
    type(Field::Txt_Radius, std::to_string(entry.radius));
    type(entry.field, entry.typed);
    EXPECT_EQ(fields.text(entry.field), entry.shown);
    EXPECT_EQ(storedValue(form.state(), entry.field), entry.stored);
    EXPECT_EQ(form.state().alpha, 180 - form.state().beta);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Corrections, EntryRules, testing::Values(
    EntryCase{"RadiusZero",          2, Field::Txt_Radius, "0",        "0.00",   0.00001},
    EntryCase{"RadiusNegative",      2, Field::Txt_Radius, "-2",       "0.00",   0.00001},
    EntryCase{"RadiusEmpty",         2, Field::Txt_Radius, "",         "0.00",   0.00001},
    EntryCase{"RadiusNotANumber",    2, Field::Txt_Radius, "abc",      "0.00",   0.00001},
    EntryCase{"RadiusBelowReplacement", 2, Field::Txt_Radius, "0.000001", "0.00", 0.000001},
    EntryCase{"RadiusKeptWithAllDecimals", 2, Field::Txt_Radius, "2.346", "2.35", 2.346},
    EntryCase{"RadiusWithUnit",      2, Field::Txt_Radius, "2.5 mm",   "2.50",   2.5},
    EntryCase{"ThicknessZero",       2, Field::Txt_Dicke,  "0",        "0.00",   0.00001},
    EntryCase{"ThicknessNegative",   2, Field::Txt_Dicke,  "-2",       "0.00",   0.00001},
    EntryCase{"ThicknessComma",      2, Field::Txt_Dicke,  ",5",       "0.00",   0.00001},
    EntryCase{"ThicknessSmall",      2, Field::Txt_Dicke,  "0.000001", "0.00",   0.000001},
    EntryCase{"AngleZero",           2, Field::Txt_Beta,   "0",        "1.00",   1},
    EntryCase{"AngleNegative",       2, Field::Txt_Beta,   "-10",      "1.00",   1},
    EntryCase{"AngleStraight",       2, Field::Txt_Beta,   "180",      "179.00", 179},
    EntryCase{"AngleBeyond",         2, Field::Txt_Beta,   "250",      "179.00", 179},
    EntryCase{"AngleHalfDegree",     2, Field::Txt_Beta,   "179.5",    "179.50", 179.5},
    EntryCase{"AngleBelowOneKept",   2, Field::Txt_Beta,   "0.5",      "0.50",   0.5},
    EntryCase{"AngleRight",          2, Field::Txt_Beta,   "90",       "90.00",  90},
    EntryCase{"AngleEmpty",          2, Field::Txt_Beta,   "",         "1.00",   1},
    EntryCase{"LengthBelowFourR",    2, Field::Txt_l1,     "5",        "8",      8},
    EntryCase{"LengthEqualFourR",    2, Field::Txt_l2,     "8",        "8",      8},
    EntryCase{"LengthFourRKeptAsTyped", 2, Field::Txt_l2,  "8.00",     "8.00",   8},
    EntryCase{"LengthAboveFourR",    2, Field::Txt_l1,     "8.5",      "8.5",    8.5},
    EntryCase{"LengthEmpty",         2, Field::Txt_l2,     "",         "8",      8},
    EntryCase{"LengthWithUnit",      2, Field::Txt_l1,     "5 mm",     "8",      8},
    EntryCase{"LengthTextKept",      2, Field::Txt_l1,     "12,5",     "12,5",   12},
    EntryCase{"LengthSmallRadius",   0.3, Field::Txt_l1,   "1",        "1.2",    1.2}),
    test::rowName<EntryCase>);
// clang-format on

struct CorrectionCase
{
    const char* name;
    Field field;
    const char* typed;
    const char* note; // empty when the entry stands
};

class CorrectionNotes : public BendFormTest, public testing::WithParamInterface<CorrectionCase>
{};

// A correction stands until its field is next left without one, and undoes with the snapshot.
TEST_P(CorrectionNotes, NameTheReplacementUntilTheFieldIsLeftCleanly)
{
    const CorrectionCase& entry = GetParam();
    type(entry.field, entry.typed);
    std::vector<std::string> notes;
    for (const Correction& correction : form.corrections())
        notes.push_back(correctionNote(correction));
    EXPECT_EQ(notes,
              entry.note[0] ? std::vector<std::string>{entry.note} : std::vector<std::string>{});

    const FormSnapshot corrected = form.snapshot();
    type(entry.field, "10");
    EXPECT_TRUE(form.corrections().empty());
    form.restore(corrected);
    EXPECT_EQ(form.corrections().size(), notes.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, CorrectionNotes, testing::Values(
    CorrectionCase{"Radius",    Field::Txt_Radius, "abc", "r auf 0.00001 korrigiert (eingegeben: „abc“): der Biegeradius muss größer als 0 sein"},
    CorrectionCase{"Thickness", Field::Txt_Dicke,  "-2",  "s auf 0.00001 korrigiert (eingegeben: „-2“): die Blechdicke muss größer als 0 sein"},
    CorrectionCase{"AngleLow",  Field::Txt_Beta,   "0",   "β auf 1 korrigiert (eingegeben: „0“): der Öffnungswinkel muss größer als 0° sein"},
    CorrectionCase{"AngleHigh", Field::Txt_Beta,   "250", "β auf 179 korrigiert (eingegeben: „250“): der Öffnungswinkel muss kleiner als 180° sein"},
    CorrectionCase{"Flange",    Field::Txt_l2,     "5",   "b auf 8 korrigiert (eingegeben: „5“): minimale Schenkellänge = 4*r"},
    CorrectionCase{"FlangeA",   Field::Txt_l1,     "1",   "a auf 8 korrigiert (eingegeben: „1“): minimale Schenkellänge = 4*r"},
    CorrectionCase{"Accepted",  Field::Txt_l1,     "8",   ""}),
    test::rowName<CorrectionCase>);
// clang-format on

TEST_F(BendFormTest, CorrectionsOfTwoFieldsStandTogetherInTabOrder)
{
    type(Field::Txt_l2, "5");
    type(Field::Txt_Beta, "0");
    const std::vector<Correction> standing = form.corrections();
    ASSERT_EQ(standing.size(), 2u);
    EXPECT_EQ(standing[0].field, Field::Txt_Beta);
    EXPECT_EQ(standing[1].field, Field::Txt_l2);
}

struct PassThroughCase
{
    const char* name;
    Field field;
    const char* typed;
    double storedAfterPassingThrough;
};

class PassingThrough : public BendFormTest, public testing::WithParamInterface<PassThroughCase>
{};

TEST_P(PassingThrough, ReparsesTheTwoDecimalDisplay)
{
    const PassThroughCase& entry = GetParam();
    type(entry.field, entry.typed);
    enter(entry.field);
    leave(entry.field);
    EXPECT_EQ(storedValue(form.state(), entry.field), entry.storedAfterPassingThrough);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, PassingThrough, testing::Values(
    PassThroughCase{"TinyRadius",        Field::Txt_Radius, "0.004",   0.00001},
    PassThroughCase{"TinyThickness",     Field::Txt_Dicke,  "0.004",   0.00001},
    PassThroughCase{"ReplacementStays",  Field::Txt_Radius, "0",       0.00001},
    PassThroughCase{"AngleRoundsTo180",  Field::Txt_Beta,   "179.996", 179},
    PassThroughCase{"AngleRoundsToZero", Field::Txt_Beta,   "0.004",   1},
    PassThroughCase{"RadiusRounds",      Field::Txt_Radius, "2.346",   2.35}),
    test::rowName<PassThroughCase>);
// clang-format on

TEST_F(BendFormTest, ALargerRadiusDoesNotRecheckTheFlanges)
{
    type(Field::Txt_Radius, "30");
    EXPECT_EQ(fields.text(Field::Txt_l1), "100");
    EXPECT_EQ(form.state().l(1), 100);
    enter(Field::Txt_l1);
    leave(Field::Txt_l1);
    EXPECT_EQ(fields.text(Field::Txt_l1), "120");
    EXPECT_EQ(form.state().l(1), 120);
    EXPECT_EQ(form.state().l(2), 100);
}

struct ColourCase
{
    const char* name;
    const char* beta;
    const char* shownV;
    OleColor colour;
};

class DeductionColour : public BendFormTest, public testing::WithParamInterface<ColourCase>
{};

TEST_P(DeductionColour, IsLightGreenFromZeroUpAndLightOrangeBelow)
{
    type(Field::Txt_Beta, GetParam().beta);
    EXPECT_EQ(fields.text(Field::Txt_v), GetParam().shownV);
    EXPECT_EQ(fields.backColor(Field::Txt_v), GetParam().colour);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Angles, DeductionColour, testing::Values(
    ColourCase{"Positive",       "1",                 "0.279",  lightGreen},
    ColourCase{"ExactlyZero",    "7.031609017109774", "0.000",  lightGreen},
    ColourCase{"NegativeTiny",   "179.99",            "-0.000", lightOrange}),
    test::rowName<ColourCase>);
// clang-format on

TEST_F(BendFormTest, ResultsUseTheTypedRadiusWhileItsFieldShowsTwoDecimals)
{
    type(Field::Txt_Radius, "2.346");
    EXPECT_EQ(form.state().r, 2.346);
    EXPECT_NE(form.state().k, 0.65);
    EXPECT_EQ(fields.text(Field::Txt_Radius), "2.35");
}

TEST_F(BendFormTest, RestoreBringsBackEveryTextAndTheDeductionColour)
{
    std::vector<std::string> texts;
    for (Field field : allFields)
        texts.push_back(fields.text(field));
    const FormSnapshot startUp = form.snapshot();
    type(Field::Txt_Beta, "1");
    type(Field::Txt_l1, "50");
    form.restore(startUp);
    for (Field field : allFields)
        EXPECT_EQ(fields.text(field), texts[static_cast<std::size_t>(field)]) << controlName(field);
    EXPECT_EQ(fields.backColor(Field::Txt_v), lightOrange);
}

TEST_F(BendFormTest, LengthRuleRefusesAnIndexOutsideTheControlArray)
{
    const FormSnapshot before = form.snapshot();
    for (std::int16_t index : {std::int16_t{0}, std::int16_t{6}, std::int16_t{-1}}) {
        EXPECT_THROW(form.Txt_l_LostFocus(index), BendError);
        EXPECT_THROW(form.Txt_l_GotFocus(index), BendError);
    }
    EXPECT_EQ(form.state(), before.state);
}

struct FaultStep
{
    const char* name;
    std::vector<std::pair<Field, std::string>> earlierSteps;
    Field field;
    std::string typed;
    FaultKind expected;
};

class FaultsAtTheForm : public BendFormTest, public testing::WithParamInterface<FaultStep>
{};

TEST_P(FaultsAtTheForm, RaiseAndCanBeUndoneBySnapshot)
{
    for (const auto& [field, text] : GetParam().earlierSteps)
        type(field, text);
    const FormSnapshot before = form.snapshot();
    enter(GetParam().field);
    fields.setText(GetParam().field, GetParam().typed);
    try {
        leave(GetParam().field);
        FAIL() << "no fault raised";
    } catch (const BendError& error) {
        EXPECT_EQ(error.kind(), GetParam().expected) << error.what();
    }
    form.restore(before);
    EXPECT_EQ(form.state(), before.state);
    for (Field field : allFields)
        EXPECT_EQ(fields.text(field), before.texts[static_cast<std::size_t>(field)]);
    EXPECT_EQ(fields.backColor(Field::Txt_v), before.vBackColor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExtremeEntries, FaultsAtTheForm, testing::Values(
    FaultStep{"RadiusOverflowsV", {}, Field::Txt_Radius, "1" + std::string(308, '0'), FaultKind::Overflow},
    FaultStep{"FourHundredDigits", {}, Field::Txt_l1, std::string(400, '7'), FaultKind::Overflow},
    FaultStep{"FlangesOverflowL", {{Field::Txt_l1, "1.7e308"}}, Field::Txt_l2, "1.7e308", FaultKind::Overflow},
    FaultStep{"RatioUnderflows", {{Field::Txt_Dicke, "1e300"}}, Field::Txt_Radius, "1e-300", FaultKind::InvalidArgument},
    FaultStep{"FourRadiiOverflow", {{Field::Txt_Beta, "179"}, {Field::Txt_Radius, "4.5e307"}}, Field::Txt_l1, "1", FaultKind::Overflow}),
    test::rowName<FaultStep>);
// clang-format on

} // namespace
} // namespace kantrix
