// The drawings: the blank's DXF read back group by group, its refusal without a width, the SVGs'
// sizes, labels and the turning of the section.

#include "number_text.h"
#include "profile_calculation.h"
#include "profile_drawing.h"
#include "profile_refusal.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace kantrix::profile {
namespace {

using test::PrintTo;

Profile part(std::vector<double> legs, std::vector<Direction> directions,
             std::optional<double> width = 300)
{
    Profile profile;
    profile.width = width;
    for (double length : legs)
        profile.legs.push_back({length, Measure::Aussen});
    for (Direction direction : directions)
        profile.bends.push_back({90, std::nullopt, direction});
    return profile;
}

constexpr Direction up = Direction::Plus;
constexpr Direction down = Direction::Minus;

const Profile channel = part({50, 100, 50}, {up, up});

Profile hat()
{
    Profile profile = part({20, 30, 40, 30, 20}, {up, down, down, up}, 77.7);
    profile.legs[2].measure = Measure::Innen;
    profile.bends[1] = {120, 3.5, down};
    return profile;
}

struct Entity
{
    std::string type;
    std::string layer;
    std::vector<double> xs, ys;
    std::string text; // group 1
};

// The entities of a DXF as a reader sees them: pairs of lines, a group code and its value.
std::vector<Entity> entitiesOf(const std::string& dxf)
{
    std::vector<Entity> entities;
    std::istringstream in(dxf);
    std::string code, value;
    bool inEntities = false;
    while (std::getline(in, code) && std::getline(in, value)) {
        if (!value.empty() && value.back() == '\r')
            value.pop_back();
        const int group = std::stoi(code);
        if (group == 2 && value == "ENTITIES")
            inEntities = true;
        else if (group == 0 && value == "ENDSEC")
            inEntities = false;
        else if (inEntities && group == 0)
            entities.push_back({value, "", {}, {}, ""});
        else if (inEntities && group == 8)
            entities.back().layer = value;
        else if (inEntities && (group == 10 || group == 11))
            entities.back().xs.push_back(std::stod(value));
        else if (inEntities && (group == 20 || group == 21))
            entities.back().ys.push_back(std::stod(value));
        else if (inEntities && group == 1)
            entities.back().text = value;
    }
    return entities;
}

std::vector<std::uint64_t> bits(const std::vector<double>& values)
{
    std::vector<std::uint64_t> out;
    for (double value : values)
        out.push_back(std::bit_cast<std::uint64_t>(value));
    return out;
}

struct BlankRow
{
    const char* name;
    Profile profile;
    std::vector<std::string> texts; // beside each bend line: way, bend angle, radius
};

class BlankDxf : public testing::TestWithParam<BlankRow>
{};

TEST_P(BlankDxf, holdsTheOutlineAndOneLinePerBendOnItsLayerToTheBit)
{
    const Profile& profile = GetParam().profile;
    const ProfileResult result = computeProfile(profile);
    const std::string dxf = blankDxf(profile, result);
    const double l = result.developedLength;
    const double w = *profile.width;
    EXPECT_NE(dxf.find("$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
    EXPECT_NE(dxf.find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);
    EXPECT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));

    // A closed polyline of four vertices, then one line per bend, in the bends' order, then each
    // bend's text beside its line.
    const std::vector<Entity> entities = entitiesOf(dxf);
    ASSERT_EQ(entities.size(), 6 + 2 * result.bends.size());
    EXPECT_EQ(entities[0].type, "POLYLINE");
    std::vector<double> xs, ys;
    for (std::size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(entities[i].type, "VERTEX");
        EXPECT_EQ(entities[i].layer, contourLayer);
        xs.push_back(entities[i].xs.at(0));
        ys.push_back(entities[i].ys.at(0));
    }
    EXPECT_EQ(bits(xs), bits({0, l, l, 0}));
    EXPECT_EQ(bits(ys), bits({0, 0, w, w}));
    EXPECT_EQ(entities[5].type, "SEQEND");
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        const Entity& line = entities[6 + i];
        const double x = result.bends[i].bendLine;
        EXPECT_EQ(line.type, "LINE");
        EXPECT_EQ(line.layer, profile.bends[i].direction == up ? bendUpLayer : bendDownLayer);
        EXPECT_EQ(bits(line.xs), bits({x, x})) << "bend " << i + 1;
        EXPECT_EQ(bits(line.ys), bits({0, w})) << "bend " << i + 1;
        const Entity& text = entities[6 + result.bends.size() + i];
        EXPECT_EQ(text.type, "TEXT");
        EXPECT_EQ(text.layer, bendTextLayer);
        EXPECT_EQ(text.text, GetParam().texts[i]);
        EXPECT_GT(text.xs.at(0), x);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, BlankDxf,
    testing::Values(
        BlankRow{"u", channel, {"AUF 90%%d R2", "AUF 90%%d R2"}},
        BlankRow{"z", part({30, 60, 30}, {up, down}, 0.1), {"AUF 90%%d R2", "AB 90%%d R2"}},
        BlankRow{"hat", hat(), {"AUF 90%%d R2", "AB 60%%d R3.5", "AB 90%%d R2", "AUF 90%%d R2"}}),
    test::rowName<BlankRow>);

using Drawing = std::string (*)(const Profile&, const ProfileResult&);

TEST(Blank, isRefusedWithoutAWidthAndTheSectionIsNot)
{
    const Profile noWidth = part({50, 100, 50}, {up, up}, std::nullopt);
    const ProfileResult result = computeProfile(noWidth);
    for (Drawing blank : {Drawing(blankDxf), Drawing(blankSvg)}) {
        try {
            blank(noWidth, result);
            ADD_FAILURE() << "not refused";
        } catch (const ProfileRefusal& refusal) {
            EXPECT_EQ(refusal.item(), ProfileItem::Width);
            EXPECT_EQ(refusal.index(), 0u);
            EXPECT_STREQ(refusal.what(), "Für den Zuschnitt fehlt die Breite W");
        }
    }
    EXPECT_NO_THROW(sectionSvg(noWidth, result));
}

std::string attribute(const std::string& svg, const std::string& name)
{
    std::smatch match;
    const std::regex pattern("<svg[^>]* " + name + "=\"([^\"]*)\"");
    return std::regex_search(svg, match, pattern) ? match[1].str() : "";
}

// The box of the sheet's outline, from the points of the path's lines and arc ends.
std::vector<double> outlineBox(const std::string& svg)
{
    std::smatch path;
    if (!std::regex_search(svg, path, std::regex("<path d=\"(M[^\"]*Z)\"")))
        return {};
    const std::string d = path[1].str();
    const std::regex point("(?:[ML]|[01] [01] [01] )(-?[0-9.]+),(-?[0-9.]+)");
    std::vector<double> box{1e300, 1e300, -1e300, -1e300};
    for (auto it = std::sregex_iterator(d.begin(), d.end(), point); it != std::sregex_iterator();
         ++it) {
        const double x = std::stod((*it)[1].str()), y = std::stod((*it)[2].str());
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    }
    return box;
}

struct SvgRow
{
    const char* name;
    Drawing drawing;
    Profile profile;
    const char* widthUnit; // "mm" for the blank to scale, "" for pixels
    std::vector<std::string> texts;
    std::vector<double> outline; // left, top, right, bottom of the section's sheet on paper
};

class Svg : public testing::TestWithParam<SvgRow>
{};

TEST_P(Svg, isSizedByItsViewBoxAndLabelsWhatItShows)
{
    const SvgRow& row = GetParam();
    const std::string svg = row.drawing(row.profile, computeProfile(row.profile));
    ASSERT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(attribute(svg, "baseProfile"), "");

    // The width and height carry the viewBox's proportions; the blank's are its millimetres.
    std::istringstream view(attribute(svg, "viewBox"));
    double x = 0, y = 0, width = 0, height = 0;
    view >> x >> y >> width >> height;
    const std::string widthText = attribute(svg, "width");
    const std::string heightText = attribute(svg, "height");
    ASSERT_TRUE(widthText.ends_with(row.widthUnit)) << widthText;
    const double shownWidth = std::stod(widthText);
    const double shownHeight = std::stod(heightText);
    if (std::string_view(row.widthUnit) == "mm") {
        EXPECT_EQ(shownWidth, width);
        EXPECT_EQ(shownHeight, height);
    } else {
        EXPECT_NEAR(shownWidth / shownHeight, width / height, 0.01);
    }
    for (const std::string& text : row.texts)
        EXPECT_NE(svg.find(">" + text + "</text>"), std::string::npos) << text;
    if (!row.outline.empty()) {
        EXPECT_EQ(outlineBox(svg), row.outline);
    }
}

Profile innerChannel()
{
    Profile profile = channel;
    profile.legs[1] = {96, Measure::Innen};
    profile.bends[0] = {135, 1.25, up};
    return profile;
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, Svg,
    testing::Values(
        SvgRow{"blankU", blankSvg, channel, "mm", {"48.081", "144.244", "192.325", "300.000"}, {}},
        SvgRow{"blankLong",
               blankSvg,
               part({1500, 800}, {down}, 1200),
               "mm",
               {"1 498.081", "2 296.163", "1 200.000"},
               {}},
        // Leg 1 to the right, a plus bend turns up on paper (y downwards), a minus bend back.
        SvgRow{"sectionU",
               sectionSvg,
               channel,
               "",
               {"50.000", "100.000", "90.00° r 2.00"},
               {0, -99, 50, 1}},
        SvgRow{"sectionZ",
               sectionSvg,
               part({30, 60, 30}, {up, down}),
               "",
               {"30.000", "60.000"},
               {0, -59, 58, 1}},
        SvgRow{"sectionInnerAndOwnRadius",
               sectionSvg,
               innerChannel(),
               "",
               {"96.000 innen", "135.00° r 1.25", "90.00° r 2.00"},
               {}}),
    test::rowName<SvgRow>);

struct HugeRow
{
    const char* name;
    Drawing drawing;
    Profile profile;
    double extent;                      // the part's largest measure, where it is drawn
    std::optional<ProfileItem> refusal; // or the item its refusal names, at index 0
};

class HugeParts : public testing::TestWithParam<HugeRow>
{};

// State: a part whose measures leave the 64 bits of thousandths, or the doubles. Expected: its
// size and viewBox read back, positive and close to the part's size; or the drawing is refused.
TEST_P(HugeParts, AreDrawnToTheirSizeOrRefused)
{
    const HugeRow& row = GetParam();
    const ProfileResult result = computeProfile(row.profile);
    if (row.refusal) {
        try {
            row.drawing(row.profile, result);
            ADD_FAILURE() << "not refused";
        } catch (const ProfileRefusal& refusal) {
            EXPECT_EQ(refusal.item(), *row.refusal);
            EXPECT_EQ(refusal.index(), 0u);
            EXPECT_STREQ(refusal.what(), "Die Zeichnung kann nicht geschrieben werden: ihre Maße "
                                         "liegen außerhalb des Zahlenbereichs");
        }
        return;
    }
    const std::string svg = row.drawing(row.profile, result);
    std::vector<double> numbers;
    for (const char* name : {"width", "height", "viewBox"}) {
        const std::string text = attribute(svg, name);
        char* end = nullptr;
        for (const char* at = text.c_str(); *at != '\0' && *at != 'm'; at = end) {
            numbers.push_back(std::strtod(at, &end));
            ASSERT_NE(end, at) << name << "=\"" << text << '"';
        }
    }
    ASSERT_EQ(numbers.size(), 6u);
    const double width = numbers[0], height = numbers[1], viewWidth = numbers[4],
                 viewHeight = numbers[5];
    for (double size : {width, height, viewWidth, viewHeight})
        EXPECT_GT(size, 0);
    EXPECT_NEAR(width / height, viewWidth / viewHeight, 0.01 * viewWidth / viewHeight);
    EXPECT_NEAR(std::max(viewWidth, viewHeight) / row.extent, 1, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, HugeParts,
    testing::Values(
        HugeRow{"BlankOfWidth1e16", blankSvg, part({50, 100, 50}, {up, up}, 1e16), 1e16, {}},
        HugeRow{"BlankOfALeg1e16", blankSvg, part({50, 1e16, 50}, {up, up}), 1e16, {}},
        HugeRow{"SectionOfALeg1e16", sectionSvg, part({50, 1e16, 50}, {up, up}), 1e16, {}},
        HugeRow{"BlankOfALegNearTheLargestDouble", blankSvg, part({1.7e308, 50}, {up}), 0,
                ProfileItem::LegLength},
        HugeRow{"SectionOfALegNearTheLargestDouble", sectionSvg, part({1.7e308, 50}, {up}), 0,
                ProfileItem::LegLength},
        HugeRow{"DxfOfAWidthNearTheLargestDouble", blankDxf, part({50, 50}, {up}, 1.79e308), 0,
                ProfileItem::Width}),
    test::rowName<HugeRow>);

TEST(Drawings, areTheSameBytesUnderAGermanLocale)
{
    // State: a locale whose decimal separator is a comma. Expected: no comma leaks into a number.
    const ProfileResult result = computeProfile(hat());
    const std::string texts[] = {blankDxf(hat(), result), blankSvg(hat(), result),
                                 sectionSvg(hat(), result)};
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    std::locale::global(std::locale("de_DE.UTF-8"));
    const std::string german[] = {blankDxf(hat(), result), blankSvg(hat(), result),
                                  sectionSvg(hat(), result)};
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, before.c_str());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(german[i], texts[i]) << "drawing " << i;
}

} // namespace
} // namespace kantrix::profile
