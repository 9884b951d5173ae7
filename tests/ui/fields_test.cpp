// The fields as the user works them: what they show, where the focus goes, and which rule runs.

#include "picture_box.h"
#include "stored_value.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

using test::PrintTo; // names the rows of the tables below

const QColor lightYellow{255, 255, 192};
const QColor lightOrange{255, 224, 192};
const QColor lightGreen{192, 255, 192};

TEST_F(WindowTest, OpensWithTheDefaultBendAndTheRadiusSelected)
{
    EXPECT_EQ(focusName(), "Txt_Radius");
    EXPECT_EQ(text(Field::Txt_Radius)->selectedText().toStdString(), "2.00");
    const std::vector<std::string> expected = {"2.00",   "2.00",   "90.00",  "90.00", "0.650",
                                               "0.325",  "-3.837", "4.163",  "100",   "100",
                                               "98.081", "98.081", "196.163"};
    for (Field field : allFields)
        EXPECT_EQ(textOf(field), expected[static_cast<std::size_t>(field)]) << controlName(field);
    EXPECT_EQ(paintedBackground(text(Field::Txt_v)), lightOrange);
}

struct ResultField
{
    const char* name;
    QColor background; // at start-up
};

class ResultFields : public WindowTest, public testing::WithParamInterface<ResultField>
{};

TEST_P(ResultFields, AreReadOnlyColouredAndLetClicksPassWithoutFocusRuleOrSelection)
{
    auto* result = qobject_cast<QLineEdit*>(control(GetParam().name));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_EQ(paintedBackground(result), GetParam().background);

    enterText(Field::Txt_l1, "5");
    click(result);
    QTest::mouseDClick(result, Qt::LeftButton);
    settle();
    EXPECT_FALSE(result->hasSelectedText());
    EXPECT_EQ(focusName(), "Txt_l(1)");
    EXPECT_EQ(textOf(Field::Txt_l1), "5");
    EXPECT_EQ(state().l(1), 100);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, ResultFields, testing::Values(
    ResultField{"Txt_Alpha", lightYellow}, ResultField{"Txt_k", lightYellow},
    ResultField{"Txt_n", lightYellow},     ResultField{"Txt_z", lightYellow},
    ResultField{"Txt_l(3)", lightYellow},  ResultField{"Txt_l(4)", lightYellow},
    ResultField{"Txt_l(5)", lightOrange},  ResultField{"Txt_v", lightOrange}),
    rowName<ResultField>);
// clang-format on

TEST_F(WindowTest, DeductionTurnsGreenWhenNotNegative)
{
    enterText(Field::Txt_Beta, "1");
    press(Qt::Key_Tab);
    EXPECT_EQ(textOf(Field::Txt_v), "0.279");
    EXPECT_EQ(paintedBackground(text(Field::Txt_v)), lightGreen);
    enterText(Field::Txt_Beta, "90");
    press(Qt::Key_Tab);
    EXPECT_EQ(paintedBackground(text(Field::Txt_v)), lightOrange);
}

TEST_F(WindowTest, OnlyFlangesAndLogoHaveToolTips)
{
    std::vector<std::string> withTip;
    for (const QWidget* widget : window().findChildren<QWidget*>()) {
        if (!widget->toolTip().isEmpty())
            withTip.push_back(widget->objectName().toStdString());
    }
    std::sort(withTip.begin(), withTip.end());
    EXPECT_EQ(withTip, (std::vector<std::string>{"Picture1", "Txt_l(1)", "Txt_l(2)"}));
    EXPECT_EQ(text(Field::Txt_l1)->toolTip().toStdString(), "minimale Schenkellänge = 4*r");
    EXPECT_EQ(text(Field::Txt_l2)->toolTip(), text(Field::Txt_l1)->toolTip());
}

TEST_F(WindowTest, AccessibleNamesCarryCaptionAndUnit)
{
    const std::vector<std::pair<const char*, const char*>> names = {
        {"Biegeradius r", "Millimeter"},
        {"Blechdicke s", "Millimeter"},
        {"Öffnungswinkel b", "Grad"},
        {"Biegewinkel a", "Grad"},
        {"Korrekturwert k", ""},
        {"Neutrale Faser n", ""},
        {"Verdano v", "Millimeter"},
        {"Biegezone bz", "Millimeter"},
        {"Schenkellänge a", "Millimeter"},
        {"Schenkellänge b", "Millimeter"},
        {"Gerade a'", "Millimeter"},
        {"Gerade b'", "Millimeter"},
        {"Gestreckte Länge L", "Millimeter"}};
    for (Field field : allFields) {
        const auto& [words, unit] = names[static_cast<std::size_t>(field)];
        const std::string name = text(field)->accessibleName().toStdString();
        EXPECT_EQ(name, *unit ? std::string(words) + ", " + unit : std::string(words));
    }
}

// A flange keeps its text as typed when it is long enough, and the field set counts characters
// where Qt counts UTF-16 units: a character beyond the Basic Multilingual Plane at the end must
// not cut the selection short.
TEST_F(WindowTest, AFlangeKeptWithACharacterBeyondTheBasicPlaneIsSelectedWhole)
{
    enterText(Field::Txt_l1, "");
    QApplication::clipboard()->setText(QString::fromUtf8("100 \xF0\x9D\x9F\x99"));
    press(Qt::Key_V, Qt::ControlModifier);
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    settle();
    QLineEdit* flange = text(Field::Txt_l1);
    ASSERT_EQ(flange->text(), QString::fromUtf8("100 \xF0\x9D\x9F\x99"));
    EXPECT_EQ(flange->selectedText(), flange->text());
}

// A screen reader speaks the description of the control the focus arrives at, with its name: after
// a recalculation that changed them, it carries the new L and v, and the next stop clears it.
TEST_F(WindowTest, TheNextStopAfterAChangeCarriesTheNewResults)
{
    const auto description = [this](Field field) {
        return text(field)->accessibleDescription().toStdString();
    };
    typeOver("3");
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(description(Field::Txt_Dicke),
              "Gestreckte Länge L: 195.872 Millimeter; Verdano v: -4.128 Millimeter");
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(description(Field::Txt_Dicke), "");
    EXPECT_EQ(description(Field::Txt_Beta), "") << "nothing changed";
    typeOver("120");
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(description(Field::Txt_l1), "Gestreckte Länge L: 198.141 Millimeter; Verdano v: "
                                          "-1.859 Millimeter. minimale Schenkellänge = 4*r");
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(description(Field::Txt_l2), "") << "nothing changed";
}

struct Keys
{
    const char* name;
    Qt::Key key;
};

class TabCycle : public WindowTest, public testing::WithParamInterface<Keys>
{};

TEST_P(TabCycle, VisitsTheInputFieldsAndTheLogoSelectingEachText)
{
    std::vector<std::string> expected = {"Txt_Dicke", "Txt_Beta", "Txt_l(1)",
                                         "Txt_l(2)",  "Picture1", "Txt_Radius"};
    if (GetParam().key == Qt::Key_Backtab)
        std::reverse(expected.begin(), expected.end() - 1);
    for (const std::string& next : expected) {
        press(GetParam().key);
        settle();
        ASSERT_EQ(focusName(), next);
        if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(field->selectedText(), field->text()) << next;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Window, TabCycle,
                         testing::Values(Keys{"Tab", Qt::Key_Tab},
                                         Keys{"Backtab", Qt::Key_Backtab}),
                         rowName<Keys>);

TEST_F(WindowTest, ClickingAFieldOrTheLogoTakesTheFocusThereAndLeavesTheFieldBefore)
{
    typeOver("0");
    click(text(Field::Txt_Beta));
    settle();
    EXPECT_EQ(focusName(), "Txt_Beta");
    EXPECT_EQ(textOf(Field::Txt_Radius), "0.00");
    EXPECT_EQ(state().r, 0.00001);

    press(Qt::Key_A, Qt::ControlModifier);
    typeOver("5");
    click(window().logo());
    settle();
    EXPECT_EQ(focusName(), "Picture1");
    EXPECT_EQ(textOf(Field::Txt_Beta), "5.00");
    EXPECT_EQ(state().alpha, 175);
}

TEST_F(WindowTest, LeavingTheLogoRunsNoRule)
{
    // With r = 30 the flanges of 100 are short of 4r: any flange rule would show it.
    typeOver("30");
    click(window().logo());
    settle();
    const Shown fromTheRadius = shown();
    press(Qt::Key_Backtab);
    settle();
    EXPECT_EQ(focusName(), "Txt_l(2)");
    EXPECT_TRUE(shows(fromTheRadius));

    click(window().logo());
    settle();
    EXPECT_EQ(textOf(Field::Txt_l2), "120") << "flange b was not left";
    const Shown fromFlangeB = shown();
    click(text(Field::Txt_l1));
    settle();
    EXPECT_EQ(focusName(), "Txt_l(1)");
    EXPECT_TRUE(shows(fromFlangeB));
}

TEST_F(WindowTest, SwitchingToAnotherWindowAndBackRunsNoRule)
{
    enterText(Field::Txt_l1, "5");
    const Shown typed = shown();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(shows(typed));
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(focusName(), "Txt_l(1)");
    EXPECT_TRUE(shows(typed));
}

class KeysInAField : public WindowTest, public testing::WithParamInterface<Keys>
{};

TEST_P(KeysInAField, RunNoRuleUntilTheFocusLeaves)
{
    enterText(Field::Txt_l1, "5");
    const Shown typed = shown();
    press(GetParam().key);
    settle();
    EXPECT_EQ(focusName(), "Txt_l(1)");
    EXPECT_TRUE(shows(typed));
    press(Qt::Key_Tab);
    EXPECT_EQ(textOf(Field::Txt_l1), "8");
    EXPECT_EQ(state().l(1), 8);
}

INSTANTIATE_TEST_SUITE_P(Window, KeysInAField,
                         testing::Values(Keys{"Return", Qt::Key_Return},
                                         Keys{"Enter", Qt::Key_Enter},
                                         Keys{"Escape", Qt::Key_Escape}),
                         rowName<Keys>);

struct Entry
{
    const char* name;
    const char* radiusFirst; // typed into the radius field before, if given
    Field field;
    const char* typed;
    const char* shown; // after leaving the field
    double stored;
};

class TypedEntries : public WindowTest, public testing::WithParamInterface<Entry>
{};

TEST_P(TypedEntries, AreCorrectedShownAndStoredWhenTheFieldIsLeft)
{
    const Entry& entry = GetParam();
    if (entry.radiusFirst)
        typeOver(entry.radiusFirst);
    enterText(entry.field, entry.typed);
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(textOf(entry.field), entry.shown);
    EXPECT_EQ(storedValue(state(), entry.field), entry.stored);
    EXPECT_EQ(state().alpha, 180 - state().beta);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, TypedEntries, testing::Values(
    Entry{"RadiusZero",        nullptr, Field::Txt_Radius, "0",        "0.00",   0.00001},
    Entry{"RadiusLetters",     nullptr, Field::Txt_Radius, "abc",      "0.00",   0.00001},
    Entry{"RadiusTiny",        nullptr, Field::Txt_Radius, "0.000001", "0.00",   0.000001},
    Entry{"ThicknessNegative", nullptr, Field::Txt_Dicke,  "-2",       "0.00",   0.00001},
    Entry{"ThicknessEmpty",    nullptr, Field::Txt_Dicke,  "",         "0.00",   0.00001},
    Entry{"AngleZero",         nullptr, Field::Txt_Beta,   "0",        "1.00",   1},
    Entry{"AngleBeyond",       nullptr, Field::Txt_Beta,   "250",      "179.00", 179},
    Entry{"AngleHalfDegree",   nullptr, Field::Txt_Beta,   "179.5",    "179.50", 179.5},
    Entry{"FlangeBelowFourR",  nullptr, Field::Txt_l1,     "5",        "8",      8},
    Entry{"FlangeEmpty",       nullptr, Field::Txt_l2,     "",         "8",      8},
    Entry{"FlangeCommaKept",   nullptr, Field::Txt_l2,     "12,5",     "12,5",   12},
    Entry{"FlangeSmallRadius", "0.3",   Field::Txt_l1,     "1",        "1.2",    1.2}),
    rowName<Entry>);
// clang-format on

struct PassThrough
{
    const char* name;
    Field field;
    const char* typed;
    double stored; // after tabbing away, back and away again
};

class PassingThrough : public WindowTest, public testing::WithParamInterface<PassThrough>
{};

TEST_P(PassingThrough, RereadsTheShownText)
{
    enterText(GetParam().field, GetParam().typed);
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab);
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(storedValue(state(), GetParam().field), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Window, PassingThrough,
                         testing::Values(PassThrough{"Radius", Field::Txt_Radius, "2.346", 2.35},
                                         PassThrough{"Angle", Field::Txt_Beta, "179.996", 179}),
                         rowName<PassThrough>);

} // namespace
} // namespace kantrix::test
