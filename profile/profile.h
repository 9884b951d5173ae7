#pragma once

// A part with several bends, as it comes from a drawing: a sheet thickness, a default inside
// radius, the width of the part along the bend lines, and a chain of legs with one bend between
// each two of them. It is a plain value: every face edits a copy and hands it to the calculation,
// the file and the drawings.

#include "material.h"

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
    double radius = 2;           // default inside radius r; with a die f x V (followDie)
    std::optional<double> width; // W, the length of the bend lines; needed only for a blank
    std::vector<Leg> legs;       // n legs, left to right
    std::vector<Bend> bends;     // n - 1 bends, bend i between leg i and leg i + 1

    // The press brake the part is made on: its material with the shop's test bends, the die
    // opening V in mm, the press's force limit in kN, and how the bend lines lie to the rolling
    // direction.
    std::optional<press::Material> material;
    std::optional<double> die;
    std::optional<double> pressLimit;
    press::RollingDirection rolling = press::RollingDirection::Quer;

    double radiusOf(std::size_t bend) const { return bends[bend].radius.value_or(radius); }

    // Whether anything of the press brake is given: only then do the answer and the file speak
    // of it, so that a part without stays as it always was.
    bool hasPressData() const
    {
        return material || die || pressLimit || rolling != press::RollingDirection::Quer;
    }

    bool operator==(const Profile&) const = default;
};

// The default radius the die makes in the profile's material, f x V (f = 0.16 without a
// material), or the profile's own radius where there is no die.
double dieRadiusOf(const Profile& profile);

// Sets the default radius to the one the die makes, where there is a die and it makes one above
// 0. A face calls it after changing the material or the die; checkProfile refuses a profile
// whose radius differs.
void followDie(Profile& profile);

// The texts of the measure and the direction, as the file and the command line write them.
const char* measureName(Measure measure);       // "aussen", "innen"
const char* directionName(Direction direction); // "+", "-"

} // namespace kantrix::profile
