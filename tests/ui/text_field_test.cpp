// Fields met by a mouse and fields whose text is wider than they are.

#include "picture_box.h"
#include "stored_value.h"
#include "text_field.h"
#include "window_fixture.h"

#include <QImage>

#include <algorithm>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

struct ClickedEntry
{
    const char* name;
    Field field;
    const char* typed;
    double stored;
};

class ClickingIntoAField : public WindowTest, public testing::WithParamInterface<ClickedEntry>
{};

// State: focus in the radius field. Action: click another field, type, Tab (no Ctrl+A).
// Expected: the typing replaced the whole text.
TEST_P(ClickingIntoAField, LeavesItsTextSelectedSoThatTypingReplacesIt)
{
    QLineEdit* clicked = text(GetParam().field);
    click(clicked);
    settle();
    ASSERT_EQ(focusName(), controlName(GetParam().field));
    EXPECT_EQ(clicked->selectedText(), clicked->text());
    typeOver(GetParam().typed);
    press(Qt::Key_Tab);
    settle();
    EXPECT_EQ(storedValue(state(), GetParam().field), GetParam().stored);

    // A click into the field that has the focus places the caret, as anywhere else.
    click(clicked);
    click(clicked);
    settle();
    EXPECT_FALSE(clicked->hasSelectedText());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, ClickingIntoAField, testing::Values(
    ClickedEntry{"Thickness", Field::Txt_Dicke, "7",   7},
    ClickedEntry{"Angle",     Field::Txt_Beta,  "9",   9},
    ClickedEntry{"FlangeA",   Field::Txt_l1,    "150", 150}),
    rowName<ClickedEntry>);
// clang-format on

// The rows of the field's interior that carry ink in the few columns at one end of its text.
std::pair<int, int> inkedRows(QWidget* field, bool atTheStart)
{
    const QImage image = field->grab().toImage();
    const QColor ground = field->palette().color(QPalette::Base);
    const auto inked = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                   std::abs(c.blue() - ground.blue()) >
               150;
    };
    const int inset = 3;
    std::vector<int> columns;
    for (int x = inset; x < image.width() - inset; ++x)
        columns.push_back(atTheStart ? x : image.width() - 1 - x);
    int first = -1;
    int top = image.height();
    int bottom = -1;
    for (int x : columns) {
        if (first >= 0 && std::abs(x - first) > 2)
            break;
        for (int y = inset; y < image.height() - inset; ++y) {
            if (inked(x, y)) {
                if (first < 0)
                    first = x;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return {top, bottom};
}

struct Overlong
{
    const char* name;
    Field field;
    const char* start; // of the whole text, as it must show
};

class OverlongTexts : public WindowTest, public testing::WithParamInterface<Overlong>
{};

// State: r = 1e300, so that v, a', b' and L are about -4.3e299. Expected: each field shows its
// sign and leading digits, cut by an ellipsis, and its tooltip is the whole text.
TEST_P(OverlongTexts, ShowTheirStartWithAnEllipsisAndTheWholeTextAsTooltip)
{
    typeOver("1e300");
    press(Qt::Key_Tab);
    settle();
    auto* field = window().field(GetParam().field);
    ASSERT_GT(field->text().size(), 300);
    EXPECT_EQ(field->toolTip(), field->text());
    const QString shown = field->shownText();
    EXPECT_TRUE(shown.startsWith(QString::fromLatin1(GetParam().start))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)) || shown.endsWith(QStringLiteral("...")));
    EXPECT_TRUE(field->text().startsWith(shown.left(shown.size() - 3)));

    // What is painted: a minus is a dash at mid-height, an ellipsis dots on the baseline.
    const auto [signTop, signBottom] = inkedRows(field, true);
    const auto [dotsTop, dotsBottom] = inkedRows(field, false);
    EXPECT_LE(dotsBottom - dotsTop, 1);
    if (GetParam().start[0] == '-') {
        EXPECT_LE(signBottom - signTop, 1);
        EXPECT_LT(signBottom, dotsTop);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, OverlongTexts, testing::Values(
    Overlong{"Radius",    Field::Txt_Radius, "1000"},
    Overlong{"Deduction", Field::Txt_v,      "-42"},
    Overlong{"Straight",  Field::Txt_l3,     "-21"},
    Overlong{"Developed", Field::Txt_l5,     "-42"}),
    rowName<Overlong>);
// clang-format on

TEST_F(WindowTest, AnOverlongTextScrollsAsUsualWhileItsFieldIsEdited)
{
    typeOver(std::string(60, '9'));
    auto* radius = window().field(Field::Txt_Radius);
    EXPECT_EQ(radius->shownText(), radius->text());
    EXPECT_EQ(radius->toolTip(), radius->text());
    EXPECT_EQ(window().field(Field::Txt_l1)->toolTip().toStdString(),
              "minimale Schenkellänge = 4*r");
}

TEST_F(WindowTest, SketchIsNotEnabled)
{
    EXPECT_FALSE(window().sketch()->isEnabled());
}

} // namespace
} // namespace kantrix::test
