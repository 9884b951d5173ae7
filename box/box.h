#pragma once

// A box or tray as it comes from a drawing: a rectangular base with a wall on any of its four
// sides, every wall bent up by 90 degrees towards the viewer of the blank. It is a plain value,
// like the profile: every face edits a copy and hands it to the calculation, the file and the
// drawings. The blank lies with its front edge on the x axis and its left edge on the y axis.

#include "material.h"
#include "profile.h"

#include <array>
#include <cstddef>
#include <optional>

namespace kantrix::box {

using profile::Measure;

// The four sides in the order the command line and the file list them.
enum class Side
{
    Vorne,  // the edge at y = 0, running along x
    Rechts, // x = A
    Hinten, // y = B
    Links,  // x = 0
};

inline constexpr std::array<Side, 4> allSides = {Side::Vorne, Side::Rechts, Side::Hinten,
                                                 Side::Links};

inline constexpr std::size_t sideIndex(Side side)
{
    return static_cast<std::size_t>(side);
}

// Where two walls meet: each runs to where the base's flat part ends (offen), or one pair runs to
// the outer corner and the other stops short of it by the gap (stumpf).
enum class CornerStyle
{
    Offen,
    Stumpf,
};

// The pair of walls that runs through to the outer corner at stumpf corners.
enum class Through
{
    VorneHinten,
    LinksRechts,
};

enum class Relief
{
    Eckig, // nothing beyond the notch
    Rund,  // a circle of the relief's diameter where the two bend lines cross
};

struct Wall
{
    double height = 0; // H, from the base's outer face (aussen) or inner face (innen)
    Measure measure = Measure::Aussen;

    bool operator==(const Wall&) const = default;
};

struct Box
{
    double thickness = 2; // s
    double radius = 2;    // inside radius of every bend; with a die f x V (followDie)
    double length = 0;    // A, along x
    Measure lengthMeasure = Measure::Aussen;
    double width = 0; // B, along y
    Measure widthMeasure = Measure::Aussen;
    std::array<std::optional<Wall>, 4> walls; // by sideIndex

    CornerStyle corners = CornerStyle::Offen;
    Through through = Through::VorneHinten;
    double gap = 0.2; // g at stumpf corners
    Relief relief = Relief::Eckig;
    double reliefDiameter = 0; // d, for round reliefs

    // The press brake, as a profile has it. The rolling direction is that of the front and back
    // walls' bend lines; the left and right walls' lie the other way.
    std::optional<press::Material> material;
    std::optional<double> die;
    std::optional<double> pressLimit;
    press::RollingDirection rolling = press::RollingDirection::Quer;

    const std::optional<Wall>& wall(Side side) const { return walls[sideIndex(side)]; }
    std::optional<Wall>& wall(Side side) { return walls[sideIndex(side)]; }

    bool hasPressData() const
    {
        return material || die || pressLimit || rolling != press::RollingDirection::Quer;
    }

    bool operator==(const Box&) const = default;
};

// The radius the die makes, f x V, or the box's own without a die; followDie sets it.
double dieRadiusOf(const Box& box);
void followDie(Box& box);

// The words of the command line and the file.
const char* sideName(Side side);                // "vorne", "rechts", "hinten", "links"
const char* cornerStyleName(CornerStyle style); // "offen", "stumpf"
const char* throughName(Through through);       // "vorne-hinten", "links-rechts"
const char* reliefName(Relief relief);          // "eckig", "rund"

} // namespace kantrix::box
