#pragma once

// A sheet material as the press brake meets it: its tensile strength, the inside radius an air
// bend makes in it, the smallest radius it takes without cracking, and the shop's test bends.
// A plain value: the catalog, the profile and its file each hold whole copies.

#include "test_bend.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kantrix::press {

// Whether the bend line lies across the rolling direction of the sheet or along it.
enum class RollingDirection
{
    Quer,
    Laengs,
};

// The tensile strength Rm in N/mm² from a thickness on, up to the next band's.
struct StrengthBand
{
    double fromThickness = 0;
    double min = 0;
    double max = 0;

    bool operator==(const StrengthBand&) const = default;
};

struct NoMinimumRadius
{
    bool operator==(const NoMinimumRadius&) const = default;
};

// The smallest inside radius in mm by thickness band: band i holds the thicknesses above
// bounds[i] up to and including bounds[i + 1]. Outside the bands there is no recommendation.
struct MinimumRadiusTable
{
    std::vector<double> bounds;
    std::vector<double> quer;
    std::vector<double> laengs;

    bool operator==(const MinimumRadiusTable&) const = default;
};

// The smallest inside radius as a factor of the thickness, as a shop states its own.
struct MinimumRadiusFactor
{
    double quer = 0;
    double laengs = 0;

    bool operator==(const MinimumRadiusFactor&) const = default;
};

using MinimumRadius = std::variant<NoMinimumRadius, MinimumRadiusTable, MinimumRadiusFactor>;

struct Material
{
    std::string name;
    std::optional<std::string> number; // material number, "1.0038"
    std::vector<StrengthBand> strength;
    double radiusFactor = 0; // f: inside radius / die opening in air bending
    MinimumRadius minimumRadius;
    std::vector<TestBend> testBends;
    std::optional<double> density; // g/cm³, for the mass of a blank

    bool operator==(const Material&) const = default;
};

struct StrengthRange
{
    double min = 0;
    double max = 0;
};

// Rm for this thickness: the band with the largest start at or below it.
StrengthRange tensileStrength(const Material& material, double thickness);

// A name is for people to read, on a terminal as in a list: this many characters at most, and no
// control characters (C0, DEL, C1), no invisible direction marks (U+200E, U+200F) and no
// bidirectional embeddings, overrides or isolates (U+202A-202E, U+2066-2069).
inline constexpr std::size_t maxMaterialNameLength = 100;

// Why a name is not one a person can read ("enthält das Steuerzeichen U+001B an Stelle 4"), or
// none. The reason never quotes the name.
std::optional<std::string> materialNameFault(std::string_view name);

// Whether the material gives Rm at this thickness: its bands start at their first thickness, and
// below it the first band's Rm is only a guess.
bool strengthCovers(const Material& material, double thickness);

// The thicknesses of the material's table of minimum radii (first and last bound), where it has
// a table and this thickness lies outside it.
std::optional<std::pair<double, double>> minimumRadiusTableMisses(const Material& material,
                                                                  double thickness);

// The smallest inside radius for this thickness and direction, where the material gives one.
std::optional<double> minimumRadius(const Material& material, double thickness,
                                    RollingDirection direction);

// "quer", "laengs", as the files and the command line write them.
const char* rollingDirectionName(RollingDirection direction);

// The test bend `index` of the material worked out, or its refusal naming the material and the
// test bend's number.
TestBendResult evaluateTestBendOf(const Material& material, std::size_t index);

// The same without the test bends, for a caller that evaluates them as it uses them.
void checkMaterialValues(const Material& material);

// Refuses (PressRefusal) a material whose values cannot be used: an empty name, no strength, a
// band that is not above the one before or whose min is above its max, a factor that is not
// above 0, a minimum radius table whose lists do not fit, and every test bend that
// evaluateTestBend refuses, named by its number.
void checkMaterial(const Material& material);

} // namespace kantrix::press
