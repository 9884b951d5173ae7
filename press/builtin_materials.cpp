#include "builtin_materials.h"

namespace kantrix::press {

namespace {

// Minimum inside radius for cold bending up to 90 degrees, EN 10025-2 (given there for the grades
// made for cold forming, S235JRC, S275JRC, S355J2C), by thickness band (1, 1.5], (1.5, 2.5], ...
const std::vector<double> coldBendingBands = {1,  1.5, 2.5, 3,  4,  5,  6,  7, 8,
                                              10, 12,  14,  16, 18, 20, 25, 30};

MinimumRadiusTable coldBending(std::vector<double> quer, std::vector<double> laengs)
{
    return {coldBendingBands, std::move(quer), std::move(laengs)};
}

// Rm: EN 10025-2 (S grades), EN 10130 (DC grades), EN 10088-2 (cold-rolled strip), EN 485-2
// (aluminium sheet). f, inside radius / die opening in air bending, by the rule of thumb of the
// press-brake makers' guides: about 16 % of V for mild steel, 20-22 % for 304 stainless, 13-15 %
// for 5052 aluminium.
// Densities in g/cm³, for the mass of a blank.
constexpr double steelDensity = 7.85;    // EN 10051 and EN 10029: the density for the mass of steel
constexpr double stainlessDensity = 7.9; // EN 10088-1, annex of physical properties, 1.4301
constexpr double density5754 = 2.67;     // Aluminium Association registration record, alloy 5754
constexpr double density1050A = 2.70;    // Aluminium Association registration record, alloy 1050A

std::vector<Material> materials()
{
    std::vector<Material> list;
    list.push_back({"S235JR",
                    "1.0038",
                    {{0, 360, 510}},
                    0.16,
                    coldBending({1.6, 2.5, 3, 5, 6, 8, 10, 12, 16, 20, 25, 28, 36, 40, 50, 60},
                                {1.6, 2.5, 3, 6, 8, 10, 12, 16, 20, 25, 28, 32, 40, 45, 55, 70}),
                    {},
                    steelDensity});
    list.push_back({"S275JR",
                    "1.0044",
                    {{0, 430, 580}, {3, 410, 560}},
                    0.16,
                    coldBending({2, 3, 4, 5, 8, 10, 12, 16, 20, 25, 28, 32, 40, 45, 55, 70},
                                {2, 3, 4, 6, 10, 12, 16, 20, 25, 32, 36, 40, 45, 50, 60, 75}),
                    {},
                    steelDensity});
    list.push_back({"S355J2",
                    "1.0577",
                    {{0, 510, 680}, {3, 470, 630}},
                    0.16,
                    coldBending({2.5, 4, 5, 6, 8, 10, 12, 16, 20, 25, 32, 36, 45, 50, 65, 80},
                                {2.5, 4, 5, 8, 10, 12, 16, 20, 25, 32, 36, 40, 50, 63, 75, 90}),
                    {},
                    steelDensity});
    list.push_back({"DC01", "1.0330", {{0, 270, 410}}, 0.16, NoMinimumRadius{}, {}, steelDensity});
    list.push_back({"DC04", "1.0338", {{0, 270, 350}}, 0.16, NoMinimumRadius{}, {}, steelDensity});
    list.push_back(
        {"X5CrNi18-10", "1.4301", {{0, 540, 750}}, 0.21, NoMinimumRadius{}, {}, stainlessDensity});
    list.push_back(
        {"EN AW-5754 H22", "3.3535", {{0, 220, 270}}, 0.14, NoMinimumRadius{}, {}, density5754});
    list.push_back(
        {"EN AW-1050A H14", "3.0255", {{0, 105, 145}}, 0.14, NoMinimumRadius{}, {}, density1050A});
    return list;
}

} // namespace

const std::vector<Material>& builtinMaterials()
{
    static const std::vector<Material> list = materials();
    return list;
}

} // namespace kantrix::press
