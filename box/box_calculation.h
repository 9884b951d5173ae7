#pragma once

// The arithmetic of a box. Its two sections are profiles (along x the legs [H links, A,
// H rechts], along y [H vorne, B, H hinten]), and every k, v, bz, straight length, bend line and
// press-brake figure of a wall is the profile library's for its section. What is the box's own
// is the blank in two directions: where each wall's straight part ends at a corner, the round
// reliefs, the area and the mass.
//
// Flat coordinates from the blank's left and front edges: along x the left wall's straight part
// [0, x1], its bend zone [x1, x2], the base's flat part [x2, x3], the right bend zone [x3, x4] and
// the right wall [x4, x5]; a missing wall leaves its pieces out. The same along y.

#include "blank_outline.h"
#include "box.h"
#include "profile_calculation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kantrix::box {

struct Section
{
    profile::Profile profile;
    profile::ProfileResult result;
};

struct WallResult
{
    double given = 0;     // H as entered
    double outer = 0;     // from the base's outer face
    double straight = 0;  // height of the straight part
    std::size_t bend = 0; // the wall's bend in its section
    double bendLine = 0;  // across the line: y for vorne and hinten, x for rechts and links
    double from = 0;      // the bend line's ends along it
    double to = 0;
    double bendLength = 0;
    // The free edge's ends along its line, each its set-back from the outer corner.
    double edgeFrom = 0;
    double edgeTo = 0;
    std::array<double, 2> setback{}; // e at the lower and the upper end

    // At the press brake, each where it can be worked out.
    std::optional<double> force; // kN over the bend line
    std::optional<double> leastFlange;
    std::optional<double> setAngle;
};

struct BoxResult
{
    std::optional<Section> x;                       // the legs along x: links, base, rechts
    std::optional<Section> y;                       // vorne, base, hinten
    std::array<std::optional<WallResult>, 4> walls; // by sideIndex
    double outerLength = 0;                         // A and B between the outer faces
    double outerWidth = 0;
    std::array<double, 6> xs{}; // x0 ... x5
    std::array<double, 6> ys{};
    std::vector<Rect> pieces;    // base, bend zones, straight parts
    std::vector<Circle> reliefs; // the round reliefs
    double area = 0;             // mm²
    std::optional<double> mass;  // kg, with a material of known density
    std::optional<double> largestForce;
    std::vector<std::string> notes;

    double blankLength() const { return xs[5]; }
    double blankWidth() const { return ys[5]; }
    const std::optional<WallResult>& wall(Side side) const { return walls[sideIndex(side)]; }
};

// Refuses (BoxRefusal) a value out of range, a base or a wall too small for its bends, and a
// round relief that reaches too far; a result that is not finite raises the core's BendError.
BoxResult computeBox(const Box& box);

// The checks of single values without the arithmetic; computeBox runs it first.
void checkBox(const Box& box);

// True where a wall is lower than the least flange that still rests on the box's die: the notes
// say so, and an editor marks the wall's field.
bool shortOfLeastFlange(const Box& box, const WallResult& wall);

// The corners in the order the file and the answer name them, each with its two sides.
struct CornerSides
{
    Side first; // vorne or hinten
    Side second;
};
inline constexpr std::array<CornerSides, 4> allCorners = {
    CornerSides{Side::Vorne, Side::Links}, CornerSides{Side::Vorne, Side::Rechts},
    CornerSides{Side::Hinten, Side::Rechts}, CornerSides{Side::Hinten, Side::Links}};

// "Wand vorne", "Ecke hinten rechts".
std::string wallName(Side side);
std::string cornerName(const CornerSides& corner);

} // namespace kantrix::box
