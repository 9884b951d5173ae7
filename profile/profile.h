#pragma once

// A part with several bends, as it comes from a drawing: a sheet thickness, a default inside
// radius, the width of the part along the bend lines, and a chain of legs with one bend between
// each two of them. It is a plain value: every face edits a copy and hands it to the calculation,
// the file and the drawings.

#include <cstddef>
#include <optional>
#include <vector>

namespace kantrix::profile {

inline constexpr std::size_t minLegs = 2;
inline constexpr std::size_t maxLegs = 101;
inline constexpr std::size_t maxBends = maxLegs - 1;

// Where a leg's length is measured to: the virtual sharp of the outer surfaces, as DIN 6935
// measures (for an opening angle up to 90 degrees the outer tangent), or the same of the inner.
enum class Measure
{
    Aussen,
    Innen,
};

// Plus bends towards the viewer of the flat blank as drawn, minus away from him. It changes no
// length; it draws the section and sorts the bend lines onto two layers.
enum class Direction
{
    Plus,
    Minus,
};

struct Leg
{
    double length = 0;
    Measure measure = Measure::Aussen;

    bool operator==(const Leg&) const = default;
};

struct Bend
{
    double angle = 90;            // opening angle beta between the two legs, degrees
    std::optional<double> radius; // own inside radius; none takes the profile's
    Direction direction = Direction::Plus;

    bool operator==(const Bend&) const = default;
};

struct Profile
{
    double thickness = 2;        // s
    double radius = 2;           // default inside radius r
    std::optional<double> width; // W, the length of the bend lines; needed only for a blank
    std::vector<Leg> legs;       // n legs, left to right
    std::vector<Bend> bends;     // n - 1 bends, bend i between leg i and leg i + 1

    double radiusOf(std::size_t bend) const { return bends[bend].radius.value_or(radius); }

    bool operator==(const Profile&) const = default;
};

// The texts of the measure and the direction, as the file and the command line write them.
const char* measureName(Measure measure);       // "aussen", "innen"
const char* directionName(Direction direction); // "+", "-"

} // namespace kantrix::profile
