#include "box_answer.h"

#include "bending_force.h"
#include "json_fields.h"
#include "number_text.h"
#include "profile_answer.h"
#include "profile_options.h"
#include "text_columns.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace kantrix::box {

namespace {

using nlohmann::ordered_json;
using press::json::shownNumber;

std::string twoPlaces(double value)
{
    return FormatNumber(value, twoDecimals);
}

std::string threePlaces(double value)
{
    return FormatNumber(value, threeDecimals);
}

std::string forceText(double value)
{
    return FormatNumber(value, press::forceDecimals);
}

// The area in mm² with one decimal, the mass in kg with three.
std::string areaText(double value)
{
    return FormatNumber(value, "# ##0.0");
}

ordered_json threePlacesJson(double value)
{
    return shownNumber(threePlaces(value), value);
}

template <typename Text> ordered_json optionalJson(const std::optional<double>& value, Text text)
{
    return value ? shownNumber(text(*value), *value) : ordered_json(nullptr);
}

std::string dash(const std::optional<double>& value, std::string (*text)(double))
{
    return value ? text(*value) : "–";
}

const char* measureCaption(Measure measure)
{
    return measure == Measure::Innen ? "innen" : "außen";
}

std::string cornerLine(const Box& box)
{
    std::string line = "Ecken ";
    line += cornerStyleName(box.corners);
    if (box.corners == CornerStyle::Stumpf)
        line += std::string(" (") + throughName(box.through) +
                " durchgehend, Spalt g = " + threePlaces(box.gap) + " mm)";
    line += ", Freistich ";
    line += reliefName(box.relief);
    if (box.relief == Relief::Rund)
        line += " d = " + threePlaces(box.reliefDiameter) + " mm";
    return line;
}

} // namespace

std::string answerTable(const Box& box, const BoxResult& result)
{
    std::string out = boxBaseName(box) + "\n";
    out += "Blechdicke s = " + twoPlaces(box.thickness) +
           " mm, Biegeradius r = " + twoPlaces(box.radius) + " mm\n";
    out += "Länge A = " + threePlaces(box.length) + " mm " + measureCaption(box.lengthMeasure) +
           ", Breite B = " + threePlaces(box.width) + " mm " + measureCaption(box.widthMeasure) +
           "\n";
    out += cornerLine(box) + "\n";
    if (result.x)
        out += "\nSchnitt längs (links – Boden – rechts):\n" +
               profile::answerTable(result.x->profile, result.x->result);
    if (result.y)
        out += "\nSchnitt quer (vorne – Boden – hinten):\n" +
               profile::answerTable(result.y->profile, result.y->result);

    const bool pressBrake = box.hasPressData();
    std::vector<std::string> heading = {"Wand",       "Maß",        "eingegeben", "außen",
                                        "gerade",     "Biegelinie", "von",        "bis",
                                        "Biegelänge", "Kante von",  "Kante bis"};
    if (pressBrake)
        heading.insert(heading.end(), {"Kraft", "kleinster Schenkel", "Einstellwinkel"});
    TextColumns walls(heading);
    walls.alignLeft(0);
    walls.alignLeft(1);
    for (Side side : allSides) {
        const std::optional<WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        std::vector<std::string> row = {sideName(side),
                                        measureCaption(box.wall(side)->measure),
                                        threePlaces(wall->given),
                                        threePlaces(wall->outer),
                                        threePlaces(wall->straight),
                                        threePlaces(wall->bendLine),
                                        threePlaces(wall->from),
                                        threePlaces(wall->to),
                                        threePlaces(wall->bendLength),
                                        threePlaces(wall->edgeFrom),
                                        threePlaces(wall->edgeTo)};
        if (pressBrake)
            row.insert(row.end(),
                       {dash(wall->force, forceText), dash(wall->leastFlange, threePlaces),
                        dash(wall->setAngle, twoPlaces)});
        walls.add(std::move(row));
    }
    out += '\n';
    walls.write(out);
    out += "\nLängen in mm";
    out += pressBrake ? ", Kräfte in kN" : "";
    out += "; Biegelinie und Kanten im Zuschnitt von seiner linken und vorderen Kante aus (vorne "
           "und hinten: Biegelinie in y, von/bis in x; rechts und links umgekehrt).\n";

    out += "\nZuschnitt " + threePlaces(result.blankLength()) + " × " +
           threePlaces(result.blankWidth()) + " mm, Fläche " + areaText(result.area) + " mm²";
    if (result.mass)
        out += ", Masse " + threePlaces(*result.mass) + " kg";
    out += "\n";
    if (result.largestForce)
        out += "Größte Kraft F = " + forceText(*result.largestForce) + " kN\n";
    if (!result.notes.empty()) {
        out += "\nHinweise:\n";
        for (const std::string& note : result.notes)
            out += "- " + note + "\n";
    }
    return out;
}

std::string answerJson(const Box& box, const BoxResult& result)
{
    ordered_json answer;
    answer["dicke"] = shownNumber(twoPlaces(box.thickness), box.thickness);
    answer["radius"] = shownNumber(twoPlaces(box.radius), box.radius);
    answer["laenge"] = {{"eingegeben", threePlacesJson(box.length)},
                        {"aussen", threePlacesJson(result.outerLength)}};
    answer["breite"] = {{"eingegeben", threePlacesJson(box.width)},
                        {"aussen", threePlacesJson(result.outerWidth)}};
    const bool stumpf = box.corners == CornerStyle::Stumpf;
    answer["ecken"] = {
        {"stil", cornerStyleName(box.corners)},
        {"durchgehend", stumpf ? ordered_json(throughName(box.through)) : ordered_json(nullptr)},
        {"spalt", stumpf ? threePlacesJson(box.gap) : ordered_json(nullptr)},
        {"freistich", reliefName(box.relief)},
        {"durchmesser",
         box.relief == Relief::Rund ? threePlacesJson(box.reliefDiameter) : ordered_json(nullptr)}};
    auto section = [](const std::optional<Section>& s) {
        return s ? profile::answerObject(s->profile, s->result) : ordered_json(nullptr);
    };
    answer["schnitte"] = {{"x", section(result.x)}, {"y", section(result.y)}};
    ordered_json walls = ordered_json::object();
    for (Side side : allSides) {
        const std::optional<WallResult>& wall = result.wall(side);
        if (!wall)
            continue;
        walls[sideName(side)] = {
            {"hoehe",
             {{"eingegeben", threePlacesJson(wall->given)},
              {"aussen", threePlacesJson(wall->outer)}}},
            {"gerade", threePlacesJson(wall->straight)},
            {"biegelinie", threePlacesJson(wall->bendLine)},
            {"von", threePlacesJson(wall->from)},
            {"bis", threePlacesJson(wall->to)},
            {"biegelaenge", threePlacesJson(wall->bendLength)},
            {"kraft", optionalJson(wall->force, forceText)},
            {"kleinster_schenkel", optionalJson(wall->leastFlange, threePlaces)},
            {"winkel_eingestellt", optionalJson(wall->setAngle, twoPlaces)},
            {"kante_von", threePlacesJson(wall->edgeFrom)},
            {"kante_bis", threePlacesJson(wall->edgeTo)}};
    }
    answer["waende"] = std::move(walls);
    answer["zuschnitt"] = {{"laenge", threePlacesJson(result.blankLength())},
                           {"breite", threePlacesJson(result.blankWidth())},
                           {"flaeche", shownNumber(areaText(result.area), result.area)},
                           {"masse", optionalJson(result.mass, threePlaces)}};
    answer["kraft_max"] = optionalJson(result.largestForce, forceText);
    answer["hinweise"] = result.notes;
    return answer.dump(2) + '\n';
}

std::string boxBaseName(const Box& box)
{
    auto number = [](double value) {
        // An editor may ask for the name of a box it has not yet checked.
        return std::isfinite(value) ? NumberToText(value) : std::string("?");
    };
    std::string name = "Kasten " + number(box.length) + "x" + number(box.width) + "x";
    std::optional<double> same;
    bool differ = false;
    for (const std::optional<Wall>& wall : box.walls) {
        if (!wall || (same && *same != wall->height))
            differ = true;
        if (wall && !same)
            same = wall->height;
    }
    if (!differ && same)
        return name + number(*same);
    for (Side side : allSides) {
        if (side != Side::Vorne)
            name += '-';
        if (box.wall(side))
            name += number(box.wall(side)->height);
    }
    return name;
}

} // namespace kantrix::box
