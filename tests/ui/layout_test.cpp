// The window's controls: their names, places, captions and faces.

#include "picture_box.h"
#include "window_fixture.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace kantrix::test {
namespace {

using kantrix::test::PrintTo;

using test::PrintTo; // names the rows of the tables below

template <typename Widget> std::vector<std::string> sortedNames(const QWidget& window)
{
    std::vector<std::string> names;
    for (const Widget* widget : window.findChildren<Widget*>())
        names.push_back(widget->objectName().toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(WindowTest, ObjectNamesAreTheControlNames)
{
    std::vector<std::string> labels;
    for (int i = 1; i <= 26; ++i) {
        if (i != 23 && i != 25)
            labels.push_back("Label" + std::to_string(i));
    }
    EXPECT_EQ(sortedNames<QLabel>(window()), sorted(labels));
    EXPECT_EQ(sortedNames<QGroupBox>(window()), sorted({"Frame1", "Frame2", "Frame3"}));
    EXPECT_EQ(sortedNames<QLineEdit>(window()),
              sorted({"Txt_Radius", "Txt_Dicke", "Txt_Beta", "Txt_Alpha", "Txt_k", "Txt_n", "Txt_v",
                      "Txt_z", "Txt_l(1)", "Txt_l(2)", "Txt_l(3)", "Txt_l(4)", "Txt_l(5)"}));
    EXPECT_EQ(sortedNames<PictureBox>(window()), sorted({"Picture1", "Picture2"}));
}

struct Placement
{
    const char* name;
    const char* parent;
    QRect pixels;
};

class Placements : public WindowTest, public testing::WithParamInterface<Placement>
{};

TEST_P(Placements, SitAtTheirTwipsInPixels)
{
    QWidget* widget = control(GetParam().name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(GetParam().parent));
    EXPECT_EQ(widget->geometry(), GetParam().pixels);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Window, Placements, testing::Values(
    Placement{"Frame2",     "Verdano", {8, 8, 289, 121}},
    Placement{"Frame3",     "Verdano", {8, 136, 289, 161}},
    Placement{"Frame1",     "Verdano", {8, 304, 289, 129}},
    Placement{"Txt_Radius", "Frame2",  {145, 24, 100, 19}},
    Placement{"Label1",     "Frame2",  {8, 25, 127, 17}},
    Placement{"Txt_Beta",   "Frame2",  {145, 65, 100, 19}},
    Placement{"Label3",     "Frame2",  {8, 67, 127, 17}},
    Placement{"Label12",    "Frame2",  {252, 67, 23, 17}},
    Placement{"Txt_l(5)",   "Frame3",  {145, 120, 100, 19}},
    Placement{"Label26",    "Frame3",  {8, 121, 127, 17}},
    Placement{"Txt_v",      "Frame1",  {145, 88, 100, 19}},
    Placement{"Label6",     "Frame1",  {8, 89, 127, 17}},
    Placement{"Picture2",   "Verdano", {304, 8, 157, 289}},
    Placement{"Picture1",   "Verdano", {332, 304, 100, 129}}),
    rowName<Placement>);
// clang-format on

TEST_F(WindowTest, ClientAreaIsFixedAndCannotBeMinimizedOrMaximized)
{
    EXPECT_EQ(window().size(), QSize(469, 442));
    EXPECT_EQ(window().minimumSize(), QSize(469, 442));
    EXPECT_EQ(window().maximumSize(), QSize(469, 442));
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, CaptionNamesProgramAndVersionThenTheCredit)
{
    const QString lead = QStringLiteral("Kantrix     v2.1") + QString(42, QLatin1Char(' '));
    const QString title = window().windowTitle();
    ASSERT_TRUE(title.startsWith(lead)) << title.toStdString();
    ASSERT_GT(title.size(), lead.size());
    EXPECT_NE(title.at(lead.size()), QLatin1Char(' '));
}

struct Caption
{
    const char* name;
    const char* text;
};

class Captions : public WindowTest, public testing::WithParamInterface<Caption>
{};

TEST_P(Captions, ReadExactlyAndFitTheirLabel)
{
    auto* label = qobject_cast<QLabel*>(control(GetParam().name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8(GetParam().text));
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
        << "in the face " << QFontInfo(label->font()).family().toStdString();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllLabels, Captions, testing::Values(
    Caption{"Label1", "Biegeradius r ="},           Caption{"Label9", " mm"},
    Caption{"Label2", "Blechdicke s ="},            Caption{"Label10", " mm"},
    Caption{"Label3", "Öffnungswinkel b ="},        Caption{"Label12", " °"},
    Caption{"Label7", "Biegewinkel a = 180 - b ="}, Caption{"Label13", " °"},
    Caption{"Label18", "Schenkellänge a ="},        Caption{"Label16", " mm"},
    Caption{"Label17", "Schenkellänge b ="},        Caption{"Label15", " mm"},
    Caption{"Label22", "Gerade a' ="},              Caption{"Label20", " mm"},
    Caption{"Label21", "Gerade b' ="},              Caption{"Label19", " mm"},
    Caption{"Label26", "Gestreckte Länge L ="},     Caption{"Label24", " mm"},
    Caption{"Label4", "Korrekturwert k ="},
    Caption{"Label5", "Neutrale Faser n = k/2 ="},
    Caption{"Label8", "Biegezone bz ="},            Caption{"Label11", " mm"},
    Caption{"Label6", "Verdano v ="},               Caption{"Label14", " mm"}),
    rowName<Caption>);
// clang-format on

TEST_F(WindowTest, FrameTitlesAndTheKeyResultsAloneAreBoldAllAtElevenPixels)
{
    const std::set<std::string> bold = {"Label26", "Txt_l(5)", "Label24", "Label6", "Txt_v",
                                        "Label14", "Frame1",   "Frame2",  "Frame3"};
    std::set<std::string> actual;
    for (const QWidget* widget : window().findChildren<QWidget*>()) {
        if (widget->font().bold())
            actual.insert(widget->objectName().toStdString());
        EXPECT_EQ(widget->font().pixelSize(), 11) << widget->objectName().toStdString();
    }
    EXPECT_EQ(actual, bold);
    EXPECT_EQ(window().font().pixelSize(), 11);
    const std::vector<std::string> titles = {"Verdano", "Biege-Info", "Teile-Info"};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string name = "Frame" + std::to_string(i + 1);
        const auto* frame = qobject_cast<QGroupBox*>(control(name.c_str()));
        EXPECT_EQ(frame->title().toStdString(), titles[i]);
    }
}

} // namespace
} // namespace kantrix::test
