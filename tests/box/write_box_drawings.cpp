// Writes the drawings of a few boxes into a folder, for the DXF check with ezdxf and for a look:
// <name>.dxf, <name>-zuschnitt.svg, <name>-ansicht.svg and <name>.json with the numbers the DXF
// must hold. Usage: kantrix_write_box_drawings <folder>

#include "box_calculation.h"
#include "box_drawing.h"

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

namespace {

using namespace kantrix::box;

Box tray(CornerStyle corners, Relief relief, double diameter)
{
    Box box;
    box.thickness = 1.5;
    box.radius = 1.5;
    box.length = 300;
    box.width = 200;
    box.walls = {Wall{50}, Wall{50}, Wall{50}, Wall{50}};
    box.corners = corners;
    box.relief = relief;
    box.reliefDiameter = diameter;
    return box;
}

bool write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "Aufruf: kantrix_write_box_drawings ORDNER\n";
        return 2;
    }
    const std::string folder = argv[1];
    Box twoWalls = tray(CornerStyle::Offen, Relief::Rund, 4);
    twoWalls.walls = {Wall{50}, {}, {}, Wall{30}};
    const std::pair<const char*, Box> boxes[] = {
        {"offen", tray(CornerStyle::Offen, Relief::Eckig, 0)},
        {"offen-rund", tray(CornerStyle::Offen, Relief::Rund, 8)},
        {"stumpf-rund", tray(CornerStyle::Stumpf, Relief::Rund, 6)},
        {"zwei-waende", twoWalls},
    };
    for (const auto& [name, box] : boxes) {
        const BoxResult result = computeBox(box);
        std::size_t walls = 0;
        for (const auto& wall : result.walls)
            walls += wall ? 1 : 0;
        const nlohmann::json expected = {{"laenge", result.blankLength()},
                                         {"breite", result.blankWidth()},
                                         {"flaeche", result.area},
                                         {"waende", walls},
                                         {"freistiche", result.reliefs.size()}};
        const std::string base = folder + "/" + name;
        if (!write(base + ".dxf", blankDxf(box, result)) ||
            !write(base + "-zuschnitt.svg", blankSvg(box, result)) ||
            !write(base + "-ansicht.svg", foldedSvg(box, result)) ||
            !write(base + ".json", expected.dump()))
            return 1;
    }
    return 0;
}
