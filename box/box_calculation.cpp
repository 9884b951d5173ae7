#include "box_calculation.h"

#include "bend_error.h"
#include "bending_force.h"
#include "box_refusal.h"
#include "die.h"
#include "finite_check.h"
#include "number_text.h"
#include "press_notes.h"
#include "press_refusal.h"
#include "profile_refusal.h"

#include <cmath>

namespace kantrix::box {

namespace {

using profile::ProfileItem;
using profile::ProfileRefusal;

std::string millimetres(double value)
{
    return FormatNumber(value, threeDecimals) + " mm";
}

void requirePositive(double value, BoxItem item, std::size_t index, const std::string& name)
{
    if (!(value > 0 && std::isfinite(value)))
        throw BoxRefusal(item, index, profile::notPositiveText(name, value));
}

std::string heightName(Side side)
{
    return "Höhe H der " + wallName(side);
}

bool isAlongX(Side side)
{
    return side == Side::Vorne || side == Side::Hinten;
}

// The two sides whose walls stand at the ends of a wall.
std::array<Side, 2> neighbours(Side side)
{
    return isAlongX(side) ? std::array<Side, 2>{Side::Links, Side::Rechts}
                          : std::array<Side, 2>{Side::Vorne, Side::Hinten};
}

// One direction of the box: its section's legs in order, and which leg is which.
struct Direction
{
    Side low;  // the wall at the start of the section: links or vorne
    Side high; // rechts or hinten
    double base = 0;
    Measure baseMeasure = Measure::Aussen;
    BoxItem baseItem = BoxItem::Length;
    const char* baseName = "";
};

Direction alongX(const Box& box)
{
    return {Side::Links, Side::Rechts, box.length, box.lengthMeasure, BoxItem::Length, "Länge A"};
}

Direction alongY(const Box& box)
{
    return {Side::Vorne, Side::Hinten, box.width, box.widthMeasure, BoxItem::Width, "Breite B"};
}

// The section of one direction, without its width; none where neither end has a wall.
std::optional<profile::Profile> sectionOf(const Box& box, const Direction& direction,
                                          std::vector<std::optional<Side>>& owners)
{
    const std::optional<Wall>& low = box.wall(direction.low);
    const std::optional<Wall>& high = box.wall(direction.high);
    if (!low && !high)
        return std::nullopt;
    profile::Profile section;
    section.thickness = box.thickness;
    section.radius = box.radius;
    if (low) {
        section.legs.push_back({low->height, low->measure});
        owners.push_back(direction.low);
    }
    section.legs.push_back({direction.base, direction.baseMeasure});
    owners.push_back(std::nullopt);
    if (high) {
        section.legs.push_back({high->height, high->measure});
        owners.push_back(direction.high);
    }
    section.bends.assign(section.legs.size() - 1, profile::Bend{});
    if (box.hasPressData()) {
        section.material = box.material;
        // A section's strip is not the blank: its mass would mislead, the box gives the blank's.
        if (section.material)
            section.material->density.reset();
        section.die = box.die;
        section.pressLimit = box.pressLimit;
        // The left and right walls' bend lines lie at a right angle to the front and back's.
        const bool acrossFront = direction.low == Side::Links;
        section.rolling = acrossFront == (box.rolling == press::RollingDirection::Quer)
                              ? press::RollingDirection::Laengs
                              : press::RollingDirection::Quer;
    }
    return section;
}

// A leg with no straight part left: the base between its walls, or a wall over its bend. The
// least value is worked out for the message only, as the profile takes (r + s) for each bend at
// a right angle.
[[noreturn]] void refuseTooShort(const Box& box, const Direction& direction,
                                 const std::optional<Side>& owner)
{
    const double r = box.radius;
    const double s = box.thickness;
    if (owner) {
        const Wall& wall = *box.wall(*owner);
        const double least = wall.measure == Measure::Innen ? r : r + s;
        throw BoxRefusal(BoxItem::Height, sideIndex(*owner),
                         heightName(*owner) + " = " + millimetres(wall.height) +
                             " ist zu niedrig für ihre Biegung: sie muss größer als " +
                             millimetres(least) + " sein");
    }
    const double ends = (box.wall(direction.low) ? 1 : 0) + (box.wall(direction.high) ? 1 : 0);
    const double least = ends * (direction.baseMeasure == Measure::Innen ? r : r + s);
    throw BoxRefusal(direction.baseItem, 0,
                     std::string(direction.baseName) + " = " + millimetres(direction.base) +
                         " ist zu kurz für die Wände an ihren Enden: der ebene Boden braucht "
                         "mehr als " +
                         millimetres(least));
}

BoxRefusal boxRefusal(const ProfileRefusal& refusal)
{
    switch (refusal.item()) {
    case ProfileItem::Material:
        return BoxRefusal(BoxItem::Material, 0, refusal.what());
    case ProfileItem::Die:
        return BoxRefusal(BoxItem::Die, 0, refusal.what());
    case ProfileItem::PressLimit:
        return BoxRefusal(BoxItem::PressLimit, 0, refusal.what());
    case ProfileItem::Thickness:
        return BoxRefusal(BoxItem::Thickness, 0, refusal.what());
    default:
        return BoxRefusal(BoxItem::Radius, 0, refusal.what());
    }
}

// The profile library's answer for a section; a leg it finds too short, or one with nothing
// straight left, is refused as the box's field.
profile::ProfileResult computeSection(const Box& box, const Direction& direction,
                                      const profile::Profile& section,
                                      const std::vector<std::optional<Side>>& owners)
{
    profile::ProfileResult result;
    try {
        result = profile::computeProfile(section);
    } catch (const ProfileRefusal& refusal) {
        if (refusal.item() == ProfileItem::LegLength)
            refuseTooShort(box, direction, owners[refusal.index()]);
        throw boxRefusal(refusal);
    }
    for (std::size_t i = 0; i < result.legs.size(); ++i)
        if (!(result.legs[i].straight > 0))
            refuseTooShort(box, direction, owners[i]);
    return result;
}

// The base's straight part across a direction: between the bends, or the whole base where
// neither end has a wall.
double baseStraight(const std::optional<profile::ProfileResult>& geometry,
                    const std::vector<std::optional<Side>>& owners, double base)
{
    if (!geometry)
        return base;
    for (std::size_t i = 0; i < owners.size(); ++i)
        if (!owners[i])
            return geometry->legs[i].straight;
    return base;
}

// x0 ... x5 of one direction: the bend lines and L are the section's, the bend zones lie bz / 2
// on either side of their lines.
std::array<double, 6> coordinates(const std::optional<Section>& section, bool low, bool high,
                                  double base)
{
    if (!section)
        return {0, 0, 0, base, base, base};
    const auto& bends = section->result.bends;
    const double length = section->result.developedLength;
    std::array<double, 6> at{0, 0, 0, length, length, length};
    if (low) {
        at[1] = bends.front().bendLine - bends.front().bz / 2;
        at[2] = bends.front().bendLine + bends.front().bz / 2;
    }
    if (high) {
        at[3] = bends.back().bendLine - bends.back().bz / 2;
        at[4] = bends.back().bendLine + bends.back().bz / 2;
    }
    for (double value : at)
        checkFinite(value);
    return at;
}

// How far a wall's straight part stops short of the outer corner towards `neighbour`.
double setbackAt(const Box& box, Side side, Side neighbour)
{
    if (!box.wall(neighbour))
        return 0;
    if (box.corners == CornerStyle::Offen)
        return box.radius + box.thickness;
    const bool through = box.through == Through::VorneHinten ? isAlongX(side) : !isAlongX(side);
    return through ? 0 : box.thickness + box.gap;
}

// "Wand vorne" or "Wände vorne, hinten": the walls a note is about.
std::string wallList(const std::vector<Side>& sides)
{
    std::string list = sides.size() == 1 ? "Wand " : "Wände ";
    for (std::size_t i = 0; i < sides.size(); ++i)
        list += std::string(i ? ", " : "") + sideName(sides[i]);
    return list;
}

// The press brake's notes of the box, worded by the press library as for a profile, about its
// walls; then the gap at stumpf corners.
void addNotes(const Box& box, BoxResult& result)
{
    std::vector<std::string>& notes = result.notes;
    const double s = box.thickness;
    const press::Material* material = box.material ? &*box.material : nullptr;
    std::vector<Side> walls;
    for (Side side : allSides)
        if (result.wall(side))
            walls.push_back(side);
    if (box.hasPressData()) {
        if (material && !material->testBends.empty()) {
            bool fromTestBends = false;
            for (const std::optional<Section>* section : {&result.x, &result.y})
                if (*section)
                    for (const profile::BendResult& bend : (*section)->result.bends)
                        fromTestBends = fromTestBends || bend.kFromTestBends;
            if (fromTestBends)
                notes.push_back(press::testBendsNote(material->testBends.size(), material->name));
        }
        if (box.die && !press::dieFitsThickness(*box.die, s))
            notes.push_back(press::dieRangeNote(*box.die, s, press::suggestedDie(s)));
        if (material && box.die && !press::forceFormulaHolds(s, *box.die))
            notes.push_back(press::forceEstimateNote());
        if (box.pressLimit) {
            if (!result.largestForce)
                notes.push_back(press::pressUncheckedNote(false));
            else
                for (Side side : walls)
                    if (*result.wall(side)->force > *box.pressLimit)
                        notes.push_back(press::pressLimitNote(
                            wallName(side), *result.wall(side)->force, *box.pressLimit));
        }
        if (material) {
            // Front and back bend the other way to the rolling direction than left and right.
            for (const std::optional<Section>* section : {&result.y, &result.x}) {
                if (!*section)
                    continue;
                const profile::BendResult& bend = (*section)->result.bends.front();
                if (!bend.minimumRadius || !(bend.radius < *bend.minimumRadius))
                    continue;
                std::vector<Side> bent;
                for (Side side : walls)
                    if (isAlongX(side) == (section == &result.y))
                        bent.push_back(side);
                notes.push_back(press::minimumRadiusNote(wallList(bent), bend.radius,
                                                         *bend.minimumRadius, material->name, s,
                                                         (*section)->profile.rolling));
            }
        }
        if (box.die)
            for (Side side : walls) {
                const WallResult& wall = *result.wall(side);
                if (shortOfLeastFlange(box, wall))
                    notes.push_back(
                        press::leastFlangeNote(wallName(side), *wall.leastFlange, "", *box.die));
            }
    }
    if (box.corners == CornerStyle::Stumpf) {
        std::vector<Side> stopping;
        std::vector<Side> through;
        for (Side side : walls) {
            const WallResult& wall = *result.wall(side);
            const bool stops = (wall.setback[0] > 0 && box.wall(neighbours(side)[0])) ||
                               (wall.setback[1] > 0 && box.wall(neighbours(side)[1]));
            (stops ? stopping : through).push_back(side);
        }
        if (!stopping.empty() && !through.empty()) {
            const std::string others = wallList(through);
            notes.push_back(press::cornerGapNote(wallList(stopping), stopping.size() > 1, box.gap,
                                                 others.substr(others.find(' ') + 1)));
        }
    }
}

} // namespace

bool shortOfLeastFlange(const Box& box, const WallResult& wall)
{
    return box.die && wall.leastFlange && wall.outer < *wall.leastFlange;
}

std::string wallName(Side side)
{
    return std::string("Wand ") + sideName(side);
}

std::string cornerName(const CornerSides& corner)
{
    return std::string("Ecke ") + sideName(corner.first) + " " + sideName(corner.second);
}

namespace {

// The checks of single values; the material's test bends are evaluated only where
// `testBends` asks for it: the calculation evaluates them as it uses them.
void checkValues(const Box& box, bool testBends)
{
    requirePositive(box.thickness, BoxItem::Thickness, 0, "Blechdicke s");
    requirePositive(box.radius, BoxItem::Radius, 0, "Biegeradius r");
    requirePositive(box.length, BoxItem::Length, 0, "Länge A");
    requirePositive(box.width, BoxItem::Width, 0, "Breite B");
    bool anyWall = false;
    for (Side side : allSides)
        if (const std::optional<Wall>& wall = box.wall(side)) {
            requirePositive(wall->height, BoxItem::Height, sideIndex(side), heightName(side));
            anyWall = true;
        }
    if (!anyWall)
        throw BoxRefusal(BoxItem::Walls, 0, "Ein Kasten braucht mindestens eine Wand");
    if (!(box.gap >= 0 && std::isfinite(box.gap)))
        throw BoxRefusal(BoxItem::Gap, 0,
                         "Spalt g = " + profile::shownValue(box.gap) +
                             ": muss eine Zahl größer oder gleich 0 sein");
    if (box.relief == Relief::Rund)
        requirePositive(box.reliefDiameter, BoxItem::Relief, 0, "Durchmesser d des Freistichs");
    // The press brake's values as the profile checks them, its messages naming the same fields.
    profile::Profile press;
    press.thickness = box.thickness;
    press.radius = box.radius;
    press.legs = {{1, Measure::Aussen}, {1, Measure::Aussen}};
    press.bends = {profile::Bend{}};
    press.material = box.material;
    if (press.material && !testBends)
        press.material->testBends.clear();
    press.die = box.die;
    press.pressLimit = box.pressLimit;
    try {
        profile::checkProfile(press);
    } catch (const ProfileRefusal& refusal) {
        throw boxRefusal(refusal);
    }
}

} // namespace

void checkBox(const Box& box)
{
    checkValues(box, true);
}

BoxResult computeBox(const Box& box)
{
    checkValues(box, false);
    const double r = box.radius;
    const double s = box.thickness;
    const Direction x = alongX(box);
    const Direction y = alongY(box);
    std::vector<std::optional<Side>> xOwners;
    std::vector<std::optional<Side>> yOwners;
    std::optional<profile::Profile> xSection = sectionOf(box, x, xOwners);
    std::optional<profile::Profile> ySection = sectionOf(box, y, yOwners);

    // Each section's width is the other's base between its bends. The straight lengths do not
    // depend on the press brake, so a pass on the bare geometry finds them first.
    auto geometryOf = [&](const std::optional<profile::Profile>& section, const Direction& d,
                          const std::vector<std::optional<Side>>& owners) {
        std::optional<profile::ProfileResult> result;
        if (section) {
            profile::Profile bare;
            bare.thickness = section->thickness;
            bare.radius = section->radius;
            bare.legs = section->legs;
            bare.bends = section->bends;
            result = computeSection(box, d, bare, owners);
        }
        return result;
    };
    const double xBase = baseStraight(geometryOf(xSection, x, xOwners), xOwners, box.length);
    const double yBase = baseStraight(geometryOf(ySection, y, yOwners), yOwners, box.width);

    BoxResult result;
    if (xSection) {
        xSection->width = yBase;
        profile::ProfileResult computed = computeSection(box, x, *xSection, xOwners);
        result.x = Section{std::move(*xSection), std::move(computed)};
    }
    if (ySection) {
        ySection->width = xBase;
        profile::ProfileResult computed = computeSection(box, y, *ySection, yOwners);
        result.y = Section{std::move(*ySection), std::move(computed)};
    }
    auto baseOuter = [](const std::optional<Section>& section,
                        const std::vector<std::optional<Side>>& owners, double base) {
        if (section)
            for (std::size_t i = 0; i < owners.size(); ++i)
                if (!owners[i])
                    return section->result.legs[i].outer;
        return base;
    };
    result.outerLength = baseOuter(result.x, xOwners, box.length);
    result.outerWidth = baseOuter(result.y, yOwners, box.width);
    result.xs = coordinates(result.x, box.wall(Side::Links).has_value(),
                            box.wall(Side::Rechts).has_value(), box.length);
    result.ys = coordinates(result.y, box.wall(Side::Vorne).has_value(),
                            box.wall(Side::Hinten).has_value(), box.width);
    const auto& xs = result.xs;
    const auto& ys = result.ys;
    // The outer corner of the part on the blank: a wall's straight part at u along its line
    // from it lies at c + u.
    const double cx = box.wall(Side::Links) ? xs[2] - (r + s) : 0;
    const double cy = box.wall(Side::Vorne) ? ys[2] - (r + s) : 0;
    checkFinite(cx);
    checkFinite(cy);

    result.pieces.push_back({xs[2], ys[2], xs[3], ys[3]});
    for (Side side : allSides) {
        if (!box.wall(side))
            continue;
        const bool alongXSide = isAlongX(side);
        const std::optional<Section>& section = alongXSide ? result.y : result.x;
        const std::vector<std::optional<Side>>& owners = alongXSide ? yOwners : xOwners;
        std::size_t leg = 0;
        while (owners[leg] != side)
            ++leg;
        const profile::LegResult& legResult = section->result.legs[leg];
        const std::size_t bend = leg == 0 ? 0 : leg - 1;
        const profile::BendResult& bendResult = section->result.bends[bend];

        WallResult wall;
        wall.given = legResult.given;
        wall.outer = legResult.outer;
        wall.straight = legResult.straight;
        wall.bend = bend;
        wall.bendLine = bendResult.bendLine;
        wall.from = alongXSide ? xs[2] : ys[2];
        wall.to = alongXSide ? xs[3] : ys[3];
        wall.bendLength = wall.to - wall.from;
        const std::array<Side, 2> ends = neighbours(side);
        wall.setback = {setbackAt(box, side, ends[0]), setbackAt(box, side, ends[1])};
        const double corner = alongXSide ? cx : cy;
        const double along = alongXSide ? result.outerLength : result.outerWidth;
        const auto& at = alongXSide ? xs : ys;
        // An end without a neighbouring wall, or at an open corner, lies where the base's flat
        // part ends: that very coordinate, so that the pieces meet without a sliver between them.
        const double flat = box.radius + box.thickness;
        wall.edgeFrom =
            !box.wall(ends[0]) || wall.setback[0] == flat ? at[2] : corner + wall.setback[0];
        wall.edgeTo = !box.wall(ends[1]) || wall.setback[1] == flat
                          ? at[3]
                          : corner + along - wall.setback[1];
        checkFinite(wall.edgeTo);
        if (!(wall.edgeTo > wall.edgeFrom))
            throw BoxRefusal(box.corners == CornerStyle::Stumpf ? BoxItem::Gap
                             : alongXSide                       ? BoxItem::Length
                                                                : BoxItem::Width,
                             0,
                             wallName(side) + ": zwischen ihren Ecken bleibt nichts gerade (" +
                                 (alongXSide ? "Länge A" : "Breite B") +
                                 " − e − e = " + millimetres(wall.edgeTo - wall.edgeFrom) + ")");
        if (bendResult.forcePerMetre) {
            wall.force = *bendResult.forcePerMetre * wall.bendLength / 1000;
            checkFinite(*wall.force);
            if (!result.largestForce || *wall.force > *result.largestForce)
                result.largestForce = wall.force;
        }
        wall.leastFlange = bendResult.leastFlange;
        wall.setAngle = bendResult.setAngle;

        switch (side) {
        case Side::Vorne:
            result.pieces.push_back({xs[2], ys[1], xs[3], ys[2]});
            result.pieces.push_back({wall.edgeFrom, ys[0], wall.edgeTo, ys[1]});
            break;
        case Side::Hinten:
            result.pieces.push_back({xs[2], ys[3], xs[3], ys[4]});
            result.pieces.push_back({wall.edgeFrom, ys[4], wall.edgeTo, ys[5]});
            break;
        case Side::Links:
            result.pieces.push_back({xs[1], ys[2], xs[2], ys[3]});
            result.pieces.push_back({xs[0], wall.edgeFrom, xs[1], wall.edgeTo});
            break;
        case Side::Rechts:
            result.pieces.push_back({xs[3], ys[2], xs[4], ys[3]});
            result.pieces.push_back({xs[4], wall.edgeFrom, xs[5], wall.edgeTo});
            break;
        }
        result.walls[sideIndex(side)] = wall;
    }

    // Far beyond any sheet the small measures vanish beside the large ones in a double's digits
    // (a bend zone of 3 mm beside 1e20 mm): refused rather than drawn as a wrong blank.
    for (const Rect& piece : result.pieces)
        if (!(piece.right > piece.left && piece.top > piece.bottom)) {
            const bool byLength = result.outerLength >= result.outerWidth;
            throw BoxRefusal(byLength ? BoxItem::Length : BoxItem::Width, 0,
                             std::string(byLength ? "Länge A = " : "Breite B = ") +
                                 profile::shownValue(byLength ? box.length : box.width) +
                                 ": neben ihr gehen die kleinen Maße des Zuschnitts in der "
                                 "Rechengenauigkeit unter");
        }

    if (box.relief == Relief::Rund) {
        const double radius = box.reliefDiameter / 2;
        std::vector<std::size_t> corners;
        for (std::size_t c = 0; c < allCorners.size(); ++c) {
            const CornerSides& corner = allCorners[c];
            const std::optional<WallResult>& across = result.wall(corner.first);
            const std::optional<WallResult>& along = result.wall(corner.second);
            if (!across || !along)
                continue;
            const Circle circle{along->bendLine, across->bendLine, radius};
            const bool left = corner.second == Side::Links;
            const bool front = corner.first == Side::Vorne;
            // The far sides of the base's flat part, and the two walls' free edges.
            const bool tooFar = left ? circle.x + radius > xs[3] : circle.x - radius < xs[2];
            const bool tooFarY = front ? circle.y + radius > ys[3] : circle.y - radius < ys[2];
            const bool pastEdge = left ? circle.x - radius < xs[0] : circle.x + radius > xs[5];
            const bool pastEdgeY = front ? circle.y - radius < ys[0] : circle.y + radius > ys[5];
            if (tooFar || tooFarY)
                throw BoxRefusal(BoxItem::Relief, c,
                                 "Freistich an der " + cornerName(corner) +
                                     ": der Kreis mit d = " + millimetres(box.reliefDiameter) +
                                     " reicht über den ebenen Boden hinaus");
            if (pastEdge || pastEdgeY)
                throw BoxRefusal(BoxItem::Relief, c,
                                 "Freistich an der " + cornerName(corner) +
                                     ": der Kreis mit d = " + millimetres(box.reliefDiameter) +
                                     " reicht über die freie Kante der " +
                                     wallName(pastEdge ? corner.second : corner.first) + " hinaus");
            for (std::size_t k = 0; k < result.reliefs.size(); ++k) {
                const double dx = result.reliefs[k].x - circle.x;
                const double dy = result.reliefs[k].y - circle.y;
                if (std::sqrt(dx * dx + dy * dy) < box.reliefDiameter)
                    throw BoxRefusal(
                        BoxItem::Relief, c,
                        "Freistiche an der " + cornerName(allCorners[corners[k]]) + " und der " +
                            cornerName(corner) +
                            " überschneiden sich (d = " + millimetres(box.reliefDiameter) + ")");
            }
            result.reliefs.push_back(circle);
            corners.push_back(c);
        }
    }

    result.area = blankArea(result.pieces, result.reliefs);
    checkFinite(result.area);
    if (box.material && box.material->density) {
        // mm² · mm = mm³; g/cm³ is mg/mm³, so 1e-6 gives kg.
        result.mass = result.area * s * *box.material->density / 1e6;
        checkFinite(*result.mass);
    }
    addNotes(box, result);
    return result;
}

} // namespace kantrix::box
