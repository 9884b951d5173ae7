#include "box_file.h"

#include "bend_error.h"
#include "box_calculation.h"
#include "box_refusal.h"
#include "json_fields.h"
#include "material_json.h"

namespace kantrix::box {

namespace {

namespace json = press::json;
using json::Json;
using json::JsonFault;
using json::OrderedJson;

// A box is a few hundred bytes; its material's test bends a few hundred each.
constexpr std::size_t maxFileSize = 4 << 20;

Measure measureAt(const Json& object, const std::string& path)
{
    return json::textAt(object, "mass", path + ".mass", {"aussen", "innen"}) == "innen"
               ? Measure::Innen
               : Measure::Aussen;
}

OrderedJson measured(double value, Measure measure)
{
    return {{"wert", json::number(value)}, {"mass", profile::measureName(measure)}};
}

Box boxOf(const Json& document)
{
    json::formatVersion(document, boxFormatName, boxFormatVersion, "kein Kantrix-Kasten",
                        "Kastenformats");
    json::requireObject(document, "",
                        {"format", "version", "dicke", "radius", "laenge", "breite", "waende",
                         "ecken", "freistich", "werkstoff", "matrize", "presse", "walzrichtung"});
    Box box;
    box.thickness = json::numberAt(document, "dicke", "dicke");
    for (const char* key : {"laenge", "breite"}) {
        const Json& item = document.at(key);
        json::requireObject(item, key, {"wert", "mass"});
        const double value = json::numberAt(item, "wert", std::string(key) + ".wert");
        const Measure measure = measureAt(item, key);
        if (key[0] == 'l') {
            box.length = value;
            box.lengthMeasure = measure;
        } else {
            box.width = value;
            box.widthMeasure = measure;
        }
    }
    const Json& walls = document.at("waende");
    json::requireObject(walls, "waende", {"vorne", "rechts", "hinten", "links"});
    for (Side side : allSides) {
        const Json& wall = walls.at(sideName(side));
        if (wall.is_null())
            continue;
        const std::string path = std::string("waende.") + sideName(side);
        json::requireObject(wall, path, {"hoehe", "mass"});
        box.wall(side) =
            Wall{json::numberAt(wall, "hoehe", path + ".hoehe"), measureAt(wall, path)};
    }
    const Json& corners = document.at("ecken");
    json::requireObject(corners, "ecken", {"stil", "durchgehend", "spalt"});
    box.corners = json::textAt(corners, "stil", "ecken.stil", {"offen", "stumpf"}) == "stumpf"
                      ? CornerStyle::Stumpf
                      : CornerStyle::Offen;
    box.through = json::textAt(corners, "durchgehend", "ecken.durchgehend",
                               {"vorne-hinten", "links-rechts"}) == "links-rechts"
                      ? Through::LinksRechts
                      : Through::VorneHinten;
    box.gap = json::numberAt(corners, "spalt", "ecken.spalt");
    const Json& relief = document.at("freistich");
    json::requireObject(relief, "freistich", {"art", "durchmesser"});
    if (json::textAt(relief, "art", "freistich.art", {"eckig", "rund"}) == "rund") {
        box.relief = Relief::Rund;
        box.reliefDiameter = json::numberAt(relief, "durchmesser", "freistich.durchmesser");
    } else if (!relief.at("durchmesser").is_null()) {
        throw JsonFault{"„freistich.durchmesser“ muss bei einem eckigen Freistich null sein"};
    }
    if (!document.at("werkstoff").is_null())
        box.material = press::readMaterial(document.at("werkstoff"), "werkstoff");
    box.die = json::optionalNumberAt(document, "matrize", "matrize");
    box.pressLimit = json::optionalNumberAt(document, "presse", "presse");
    box.rolling =
        json::textAt(document, "walzrichtung", "walzrichtung", {"quer", "laengs"}) == "laengs"
            ? press::RollingDirection::Laengs
            : press::RollingDirection::Quer;
    // With a die the radius follows from it, and the file says so by leaving it out.
    if (box.die) {
        if (!document.at("radius").is_null())
            throw JsonFault{"„radius“ muss null sein, denn mit einer Matrize folgt der "
                            "Biegeradius aus ihr"};
        followDie(box);
    } else {
        box.radius = json::numberAt(document, "radius", "radius");
    }
    return box;
}

} // namespace

std::string writeBoxFile(const Box& box)
{
    OrderedJson document;
    document["format"] = boxFormatName;
    document["version"] = boxFormatVersion;
    document["dicke"] = json::number(box.thickness);
    document["radius"] = box.die ? OrderedJson(nullptr) : json::number(box.radius);
    document["laenge"] = measured(box.length, box.lengthMeasure);
    document["breite"] = measured(box.width, box.widthMeasure);
    OrderedJson walls = OrderedJson::object();
    for (Side side : allSides) {
        const std::optional<Wall>& wall = box.wall(side);
        walls[sideName(side)] = wall ? OrderedJson{{"hoehe", json::number(wall->height)},
                                                   {"mass", profile::measureName(wall->measure)}}
                                     : OrderedJson(nullptr);
    }
    document["waende"] = std::move(walls);
    document["ecken"] = {{"stil", cornerStyleName(box.corners)},
                         {"durchgehend", throughName(box.through)},
                         {"spalt", json::number(box.gap)}};
    document["freistich"] = {{"art", reliefName(box.relief)},
                             {"durchmesser", box.relief == Relief::Rund
                                                 ? json::number(box.reliefDiameter)
                                                 : OrderedJson(nullptr)}};
    document["werkstoff"] =
        box.material ? press::materialJson(*box.material) : OrderedJson(nullptr);
    document["matrize"] = json::optionalNumber(box.die);
    document["presse"] = json::optionalNumber(box.pressLimit);
    document["walzrichtung"] = press::rollingDirectionName(box.rolling);
    return document.dump(2) + '\n';
}

Box readBoxFile(std::string_view text, std::string_view fileName)
{
    const std::string prefix =
        "Die Kastendatei „" + std::string(fileName) + "“ wird nicht geöffnet: ";
    if (text.size() > maxFileSize)
        throw BoxFileError(prefix + "sie ist mit " + std::to_string(text.size()) +
                           " Bytes zu groß für einen Kasten");
    try {
        Box box = boxOf(json::parseStrict(text));
        checkBox(box);
        return box;
    } catch (const JsonFault& fault) {
        throw BoxFileError(prefix + json::placedReason(fault, text));
    } catch (const BoxRefusal& refusal) {
        throw BoxFileError(prefix + refusal.what());
    } catch (const BendError& error) {
        throw BoxFileError(prefix + "ihr Werkstoff führt zu einem Rechenfehler (" +
                           std::string(faultMessage(error.kind())) + ")");
    }
}

} // namespace kantrix::box
