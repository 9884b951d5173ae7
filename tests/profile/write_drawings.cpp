// Writes the drawings of a few worked profiles into a folder, for the DXF check with ezdxf and for
// a look at them: for each profile <name>.dxf, <name>-zuschnitt.svg, <name>-schnitt.svg and
// <name>.json with the numbers the DXF must hold, in the fewest digits that read back exactly.
// Usage: kantrix_write_drawings <folder>

#include "profile_calculation.h"
#include "profile_drawing.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using namespace kantrix::profile;

Profile part(std::vector<double> legs, std::vector<Direction> directions, double width,
             double angle = 90)
{
    Profile profile;
    profile.width = width;
    for (double length : legs)
        profile.legs.push_back({length, Measure::Aussen});
    for (Direction direction : directions)
        profile.bends.push_back({angle, std::nullopt, direction});
    return profile;
}

// 100 bends of a corrugated sheet: alternately up and down, 135 degrees, some own radii and
// lengths that need all digits.
Profile corrugated()
{
    Profile profile;
    profile.thickness = 1.5;
    profile.radius = 2.5;
    profile.width = 1250;
    for (std::size_t i = 0; i < 101; ++i)
        profile.legs.push_back({i == 0 || i == 100 ? 40.0 : 25 + 0.1 * static_cast<double>(i % 7),
                                i % 3 == 0 ? Measure::Innen : Measure::Aussen});
    for (std::size_t i = 0; i < 100; ++i)
        profile.bends.push_back({135, i % 10 == 0 ? std::optional<double>(4) : std::nullopt,
                                 i % 2 == 0 ? Direction::Plus : Direction::Minus});
    return profile;
}

Profile hat()
{
    Profile profile =
        part({20, 30, 40, 30, 20},
             {Direction::Plus, Direction::Minus, Direction::Minus, Direction::Plus}, 500);
    profile.legs[2].measure = Measure::Innen;
    profile.bends[1].radius = 4;
    return profile;
}

bool write(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "kantrix_write_drawings: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Usage: kantrix_write_drawings <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<std::pair<std::string, Profile>> parts = {
        {"u", part({50, 100, 50}, {Direction::Plus, Direction::Plus}, 300)},
        {"z", part({30, 60, 30}, {Direction::Plus, Direction::Minus}, 120)},
        {"hut", hat()},
        {"wellblech", corrugated()},
    };
    for (const auto& [name, profile] : parts) {
        const ProfileResult result = computeProfile(profile);
        nlohmann::ordered_json expected;
        expected["laenge"] = result.developedLength;
        expected["breite"] = *profile.width;
        for (const BendResult& bend : result.bends)
            expected[bend.direction == Direction::Plus ? "auf" : "ab"].push_back(bend.bendLine);
        if (!write(folder + "/" + name + ".dxf", blankDxf(profile, result)) ||
            !write(folder + "/" + name + "-zuschnitt.svg", blankSvg(profile, result)) ||
            !write(folder + "/" + name + "-schnitt.svg", sectionSvg(profile, result)) ||
            !write(folder + "/" + name + ".json", expected.dump(1) + '\n'))
            return 1;
    }
    return 0;
}
