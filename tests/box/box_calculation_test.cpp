// The arithmetic of a box: one table of boxes checked against their sections' own profiles and by
// the blank's invariants, the worked figure's numbers by hand, and the refusals as one table.

#include "blank_outline.h"
#include "box_calculation.h"
#include "box_refusal.h"
#include "material_catalog.h"
#include "number_text.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace kantrix::box {
namespace {

// The worked figure: outer 300 x 200, four walls of 50, s 1.5, r 1.5.
Box figure()
{
    Box box;
    box.thickness = 1.5;
    box.radius = 1.5;
    box.length = 300;
    box.width = 200;
    for (Side side : allSides)
        box.wall(side) = Wall{50, Measure::Aussen};
    return box;
}

Box changed(Box box, const std::function<void(Box&)>& change)
{
    change(box);
    return box;
}

std::string text(double value)
{
    return FormatNumber(value, threeDecimals);
}

struct BoxRow
{
    const char* name;
    Box box;
    // By hand, to three decimals: the blank, the front wall's free edge (or the back's), the left
    // wall's (or the right's), and y2 (the base's flat part starts there).
    const char* length;
    const char* width;
    const char* frontEdge;
    const char* leftEdge;
    const char* baseFrom;
};

class BoxTable : public testing::TestWithParam<BoxRow>
{};

// The section the box's walls make along one direction, built here from the box's words.
profile::Profile expectedSection(const Box& box, Side low, double base, Measure measure, Side high,
                                 double width)
{
    profile::Profile section;
    section.thickness = box.thickness;
    section.radius = box.radius;
    section.width = width;
    if (box.wall(low))
        section.legs.push_back({box.wall(low)->height, box.wall(low)->measure});
    section.legs.push_back({base, measure});
    if (box.wall(high))
        section.legs.push_back({box.wall(high)->height, box.wall(high)->measure});
    section.bends.assign(section.legs.size() - 1, profile::Bend{});
    return section;
}

TEST_P(BoxTable, MatchesItsSectionsAndItsBlankHoldsTogether)
{
    const BoxRow& row = GetParam();
    const Box& box = row.box;
    const BoxResult result = computeBox(box);

    // Every figure of a wall is its section's, to the bit.
    for (Side side : allSides) {
        if (!box.wall(side)) {
            EXPECT_FALSE(result.wall(side)) << sideName(side);
            continue;
        }
        const bool alongX = side == Side::Vorne || side == Side::Hinten;
        const std::optional<Section>& section = alongX ? result.y : result.x;
        ASSERT_TRUE(section);
        const profile::Profile expected =
            alongX ? expectedSection(box, Side::Vorne, box.width, box.widthMeasure, Side::Hinten,
                                     result.xs[3] - result.xs[2])
                   : expectedSection(box, Side::Links, box.length, box.lengthMeasure, Side::Rechts,
                                     result.ys[3] - result.ys[2]);
        EXPECT_EQ(section->profile, expected);
        const profile::ProfileResult own = profile::computeProfile(expected);
        const WallResult& wall = *result.wall(side);
        const bool low = side == Side::Vorne || side == Side::Links;
        const profile::BendResult& bend = low ? own.bends.front() : own.bends.back();
        EXPECT_EQ(wall.bendLine, bend.bendLine) << sideName(side);
        EXPECT_EQ(wall.straight, (low ? own.legs.front() : own.legs.back()).straight);
        EXPECT_EQ(alongX ? result.blankWidth() : result.blankLength(), own.developedLength);
        // The bend runs across the base's flat part, the straight part from set-back to set-back.
        EXPECT_EQ(wall.bendLength,
                  alongX ? result.xs[3] - result.xs[2] : result.ys[3] - result.ys[2]);
        const double corner =
            (alongX ? box.wall(Side::Links) : box.wall(Side::Vorne))
                ? (alongX ? result.xs[2] : result.ys[2]) - box.radius - box.thickness
                : 0;
        EXPECT_DOUBLE_EQ(wall.edgeFrom, corner + wall.setback[0]);
        EXPECT_DOUBLE_EQ(wall.edgeTo, corner + (alongX ? result.outerLength : result.outerWidth) -
                                          wall.setback[1]);
    }
    EXPECT_EQ(text(result.blankLength()), row.length);
    EXPECT_EQ(text(result.blankWidth()), row.width);
    const std::optional<WallResult>& front =
        result.wall(Side::Vorne) ? result.wall(Side::Vorne) : result.wall(Side::Hinten);
    const std::optional<WallResult>& left =
        result.wall(Side::Links) ? result.wall(Side::Links) : result.wall(Side::Rechts);
    EXPECT_EQ(front ? text(front->edgeFrom) + " … " + text(front->edgeTo) : "", row.frontEdge);
    EXPECT_EQ(left ? text(left->edgeFrom) + " … " + text(left->edgeTo) : "", row.leftEdge);
    EXPECT_EQ(text(result.ys[2]), row.baseFrom);

    // The outline encloses what the pieces add up to, arcs included, and no material lies where
    // two bend zones would cross.
    const std::vector<OutlineVertex> outline = blankOutline(result.pieces, result.reliefs);
    EXPECT_NEAR(outlineArea(outline), result.area, 1e-9 * result.area);
    double pieces = 0;
    for (const Rect& r : result.pieces)
        pieces += (r.right - r.left) * (r.top - r.bottom);
    double reliefs = 0;
    for (const Circle& c : result.reliefs)
        reliefs += c.radius * c.radius * std::acos(-1.0);
    EXPECT_LT(result.area, pieces + 1e-9 * pieces);
    EXPECT_GT(result.area, pieces - reliefs - 1e-9 * pieces);
    for (const CornerSides& corner : allCorners) {
        if (!box.wall(corner.first) || !box.wall(corner.second))
            continue;
        const std::size_t i = corner.second == Side::Links ? 1 : 3;
        const std::size_t j = corner.first == Side::Vorne ? 1 : 3;
        const Rect crossing{result.xs[i], result.ys[j], result.xs[i + 1], result.ys[j + 1]};
        for (const Rect& r : result.pieces)
            EXPECT_FALSE(std::min(r.right, crossing.right) > std::max(r.left, crossing.left) &&
                         std::min(r.top, crossing.top) > std::max(r.bottom, crossing.bottom))
                << cornerName(corner);
    }
}

const BoxRow boxRows[] = {
    {"WorkedFigureOffen", figure(), "394.244", "294.244", "50.122 … 344.122", "50.122 … 244.122",
     "50.122"},
    {"StumpfVorneHinten", changed(figure(), [](Box& b) { b.corners = CornerStyle::Stumpf; }),
     "394.244", "294.244", "47.122 … 347.122", "48.822 … 245.422", "50.122"},
    {"StumpfLinksRechts",
     changed(figure(),
             [](Box& b) {
                 b.corners = CornerStyle::Stumpf;
                 b.through = Through::LinksRechts;
                 b.gap = 0;
             }),
     "394.244", "294.244", "48.622 … 345.622", "47.122 … 247.122", "50.122"},
    {"OneWall",
     changed(figure(),
             [](Box& b) {
                 b.walls = {Wall{50, Measure::Aussen}, {}, {}, {}};
             }),
     "300.000", "247.122", "0.000 … 300.000", "", "50.122"},
    {"TwoAdjacentWalls",
     changed(figure(),
             [](Box& b) {
                 b.walls = {Wall{50, Measure::Aussen}, {}, {}, Wall{40, Measure::Aussen}};
             }),
     "337.122", "247.122", "40.122 … 337.122", "50.122 … 247.122", "50.122"},
    {"InnenMeasures",
     changed(figure(),
             [](Box& b) {
                 b.lengthMeasure = Measure::Innen;
                 b.widthMeasure = Measure::Innen;
                 for (Side side : allSides)
                     b.wall(side)->measure = Measure::Innen;
             }),
     "400.244", "300.244", "51.622 … 348.622", "51.622 … 248.622", "51.622"},
    {"RoundReliefs",
     changed(figure(),
             [](Box& b) {
                 b.relief = Relief::Rund;
                 b.reliefDiameter = 8;
             }),
     "394.244", "294.244", "50.122 … 344.122", "50.122 … 244.122", "50.122"},
    {"RoundReliefsSmallerThanTheNotchDiagonal",
     changed(figure(),
             [](Box& b) {
                 b.relief = Relief::Rund;
                 b.reliefDiameter = 4;
             }),
     "394.244", "294.244", "50.122 … 344.122", "50.122 … 244.122", "50.122"},
    {"StumpfWithRoundReliefs",
     changed(figure(),
             [](Box& b) {
                 b.corners = CornerStyle::Stumpf;
                 b.relief = Relief::Rund;
                 b.reliefDiameter = 6;
             }),
     "394.244", "294.244", "47.122 … 347.122", "48.822 … 245.422", "50.122"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, BoxTable, testing::ValuesIn(boxRows), test::rowName<BoxRow>);

// The worked figure by hand: k 0.650, v -2.878, each open notch x2 by y2, the front wall's
// straight part 294 by 47, and the blank's area the rectangle less its four notches.
TEST(WorkedFigure, GivesTheHandCalculation)
{
    const BoxResult result = computeBox(figure());
    ASSERT_TRUE(result.x && result.y);
    EXPECT_EQ(text(result.y->result.bends[0].k), "0.650");
    EXPECT_EQ(text(result.y->result.bends[0].v), "-2.878");
    EXPECT_EQ(text(result.wall(Side::Vorne)->bendLine), "48.561");
    EXPECT_EQ(text(result.blankWidth() - result.wall(Side::Hinten)->bendLine), "48.561");
    EXPECT_EQ(text(result.xs[2]) + " × " + text(result.ys[2]), "50.122 × 50.122");
    const WallResult& front = *result.wall(Side::Vorne);
    EXPECT_EQ(text(front.edgeTo - front.edgeFrom) + " × " + text(result.ys[1]), "294.000 × 47.000");
    EXPECT_EQ(text(front.bendLength), "294.000");
    EXPECT_NEAR(result.area,
                result.blankLength() * result.blankWidth() - 4 * result.xs[2] * result.ys[2], 1e-8);
}

// The notes name the walls they are about; their words are the press library's (tested there).
struct NotesRow
{
    const char* name;
    std::function<Box()> box; // made when the test runs: the catalog is not there before main
    std::vector<std::string> starts; // each note's beginning, in order
};

class BoxNotes : public testing::TestWithParam<NotesRow>
{};

TEST_P(BoxNotes, NameTheWallsTheyAreAbout)
{
    const std::vector<std::string> notes = computeBox(GetParam().box()).notes;
    ASSERT_EQ(notes.size(), GetParam().starts.size()) << testing::PrintToString(notes);
    for (std::size_t i = 0; i < notes.size(); ++i)
        EXPECT_EQ(notes[i].substr(0, GetParam().starts[i].size()), GetParam().starts[i]);
}

std::function<Box()> atThePress(const std::function<void(Box&)>& change)
{
    return [change] {
        Box box = figure();
        box.material = press::requireMaterial(press::materialCatalog(), "S355J2");
        box.thickness = 3;
        box.die = 24;
        followDie(box);
        change(box);
        return box;
    };
}

std::function<Box()> made(Box box)
{
    return [box] { return box; };
}

const NotesRow notesRows[] = {
    {"NoneWithoutPressOrStumpf", made(figure()), {}},
    {"StumpfGap",
     made(changed(figure(), [](Box& b) { b.corners = CornerStyle::Stumpf; })),
     {"Wände rechts, links enden an den stumpfen Ecken"}},
    {"StumpfWithOneWallThrough",
     made(changed(figure(),
                  [](Box& b) {
                      b.corners = CornerStyle::Stumpf;
                      b.walls = {Wall{50}, {}, {}, Wall{50}};
                  })),
     {"Wand links endet an den stumpfen Ecken"}},
    {"LeastFlangeAndPress",
     atThePress([](Box& b) {
         b.wall(Side::Rechts)->height = 16;
         b.pressLimit = 100;
     }),
     {"Wand vorne: die Kraft", "Wand hinten: die Kraft", "Wände vorne, hinten: r = 3.84 mm",
      "Wände rechts, links: r = 3.84 mm", "Wand rechts ist kürzer als der kleinste Schenkel"}},
    {"MinimumRadiusByRollingDirection",
     atThePress([](Box& b) {
         b.thickness = 4;
         b.die = 16;
         followDie(b);
         b.rolling = press::RollingDirection::Laengs;
     }),
     {"Die Matrize V 16 liegt außerhalb", "Die Kraft ist eine Schätzung",
      "Wände vorne, hinten: r = 2.56 mm liegt unter dem Mindestradius 8.00 mm",
      "Wände rechts, links: r = 2.56 mm liegt unter dem Mindestradius 6.00 mm"}},
};

INSTANTIATE_TEST_SUITE_P(Notes, BoxNotes, testing::ValuesIn(notesRows), test::rowName<NotesRow>);

struct RefusalRow
{
    const char* name;
    Box box;
    BoxItem item;
    std::size_t index;
    const char* message;
};

class BoxRefusals : public testing::TestWithParam<RefusalRow>
{};

TEST_P(BoxRefusals, NameTheirField)
{
    const RefusalRow& row = GetParam();
    try {
        computeBox(row.box);
        FAIL() << "not refused";
    } catch (const BoxRefusal& refusal) {
        EXPECT_EQ(refusal.item(), row.item);
        EXPECT_EQ(refusal.index(), row.index);
        EXPECT_EQ(std::string(refusal.what()), row.message);
    }
}

Box small()
{
    Box box = figure();
    box.length = 20;
    box.width = 20;
    box.relief = Relief::Rund;
    return box;
}

const RefusalRow refusalRows[] = {
    {"Thickness", changed(figure(), [](Box& b) { b.thickness = 0; }), BoxItem::Thickness, 0,
     "Blechdicke s = 0: muss eine Zahl größer als 0 sein"},
    {"Radius", changed(figure(), [](Box& b) { b.radius = -1; }), BoxItem::Radius, 0,
     "Biegeradius r = -1: muss eine Zahl größer als 0 sein"},
    {"Length", changed(figure(), [](Box& b) { b.length = std::nan(""); }), BoxItem::Length, 0,
     "Länge A = NaN: muss eine Zahl größer als 0 sein"},
    {"Width", changed(figure(), [](Box& b) { b.width = 0; }), BoxItem::Width, 0,
     "Breite B = 0: muss eine Zahl größer als 0 sein"},
    {"Height", changed(figure(), [](Box& b) { b.wall(Side::Hinten)->height = 0; }), BoxItem::Height,
     2, "Höhe H der Wand hinten = 0: muss eine Zahl größer als 0 sein"},
    {"NoWall", changed(figure(), [](Box& b) { b.walls = {}; }), BoxItem::Walls, 0,
     "Ein Kasten braucht mindestens eine Wand"},
    {"Gap", changed(figure(), [](Box& b) { b.gap = -0.1; }), BoxItem::Gap, 0,
     "Spalt g = -0.1: muss eine Zahl größer oder gleich 0 sein"},
    {"Diameter", changed(figure(), [](Box& b) { b.relief = Relief::Rund; }), BoxItem::Relief, 0,
     "Durchmesser d des Freistichs = 0: muss eine Zahl größer als 0 sein"},
    {"BaseTooShort", changed(figure(), [](Box& b) { b.length = 5; }), BoxItem::Length, 0,
     "Länge A = 5.000 mm ist zu kurz für die Wände an ihren Enden: der ebene Boden braucht mehr "
     "als 6.000 mm"},
    {"BaseWithNothingFlat", changed(figure(), [](Box& b) { b.width = 6; }), BoxItem::Width, 0,
     "Breite B = 6.000 mm ist zu kurz für die Wände an ihren Enden: der ebene Boden braucht mehr "
     "als 6.000 mm"},
    {"WallTooLow", changed(figure(), [](Box& b) { b.wall(Side::Links)->height = 2; }),
     BoxItem::Height, 3,
     "Höhe H der Wand links = 2.000 mm ist zu niedrig für ihre Biegung: sie muss größer als "
     "3.000 mm sein"},
    {"WallNothingStraight",
     changed(figure(),
             [](Box& b) {
                 b.wall(Side::Rechts) = Wall{1.5, Measure::Innen};
             }),
     BoxItem::Height, 1,
     "Höhe H der Wand rechts = 1.500 mm ist zu niedrig für ihre Biegung: sie muss größer als "
     "1.500 mm sein"},
    {"GapLeavesNothingAlongTheWall",
     changed(figure(),
             [](Box& b) {
                 b.corners = CornerStyle::Stumpf;
                 b.gap = 99;
             }),
     BoxItem::Gap, 0,
     "Wand rechts: zwischen ihren Ecken bleibt nichts gerade (Breite B − e − e = -1.000 mm)"},
    {"ReliefPastTheFreeEdge",
     changed(figure(),
             [](Box& b) {
                 b.relief = Relief::Rund;
                 b.reliefDiameter = 98;
             }),
     BoxItem::Relief, 0,
     "Freistich an der Ecke vorne links: der Kreis mit d = 98.000 mm reicht über die freie Kante "
     "der Wand links hinaus"},
    {"ReliefBeyondTheBase",
     changed(small(),
             [](Box& b) {
                 b.width = 200;
                 b.walls = {Wall{100, Measure::Aussen}, {}, {}, Wall{100, Measure::Aussen}};
                 b.reliefDiameter = 40;
             }),
     BoxItem::Relief, 0,
     "Freistich an der Ecke vorne links: der Kreis mit d = 40.000 mm reicht über den ebenen Boden "
     "hinaus"},
    {"ReliefsOverlap", changed(small(), [](Box& b) { b.reliefDiameter = 17.5; }), BoxItem::Relief,
     1,
     "Freistiche an der Ecke vorne links und der Ecke vorne rechts überschneiden sich (d = "
     "17.500 mm)"},
    {"SmallMeasuresLostBesideAHugeLength", changed(figure(), [](Box& b) { b.length = 1.64e20; }),
     BoxItem::Length, 0,
     "Länge A = 1.64E+20: neben ihr gehen die kleinen Maße des Zuschnitts in der "
     "Rechengenauigkeit unter"},
    {"RadiusBesideDie", changed(figure(), [](Box& b) { b.die = 12; }), BoxItem::Radius, 0,
     "Biegeradius r = 1.5: mit der Matrize V 12 folgt er aus ihr, r = f · V = 1.920 mm"},
};

INSTANTIATE_TEST_SUITE_P(Refusals, BoxRefusals, testing::ValuesIn(refusalRows),
                         test::rowName<RefusalRow>);

} // namespace
} // namespace kantrix::box
