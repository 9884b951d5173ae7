#include "profile_file.h"

#include "bend_error.h"
#include "json_fields.h"
#include "material_json.h"
#include "profile_calculation.h"
#include "profile_refusal.h"

namespace kantrix::profile {

namespace {

namespace json = press::json;
using json::Json;
using json::JsonFault;
using json::OrderedJson;

// A profile has at most 101 legs; anything near this size is not one. A material carries its
// test bends, a few hundred bytes each.
constexpr std::size_t maxFileSize = 4 << 20;

std::vector<Leg> legsAt(const Json& list)
{
    std::vector<Leg> legs;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = "schenkel[" + std::to_string(i + 1) + "]";
        json::requireObject(list[i], path, {"laenge", "mass"});
        Leg leg;
        leg.length = json::numberAt(list[i], "laenge", path + ".laenge");
        leg.measure = json::textAt(list[i], "mass", path + ".mass", {"aussen", "innen"}) == "innen"
                          ? Measure::Innen
                          : Measure::Aussen;
        legs.push_back(leg);
    }
    return legs;
}

std::vector<Bend> bendsAt(const Json& list)
{
    std::vector<Bend> bends;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = "biegungen[" + std::to_string(i + 1) + "]";
        json::requireObject(list[i], path, {"winkel", "radius", "richtung"});
        Bend bend;
        bend.angle = json::numberAt(list[i], "winkel", path + ".winkel");
        bend.radius = json::optionalNumberAt(list[i], "radius", path + ".radius");
        bend.direction = json::textAt(list[i], "richtung", path + ".richtung", {"+", "-"}) == "-"
                             ? Direction::Minus
                             : Direction::Plus;
        bends.push_back(bend);
    }
    return bends;
}

Profile profileOf(const Json& document)
{
    const int version = json::formatVersion(document, profileFormatName, profileFormatVersion,
                                            "kein Kantrix-Profil", "Profilformats");
    const bool pressBrake = version >= 2;
    if (pressBrake)
        json::requireObject(document, "",
                            {"format", "version", "dicke", "radius", "breite", "werkstoff",
                             "matrize", "presse", "walzrichtung", "schenkel", "biegungen"});
    else
        json::requireObject(
            document, "",
            {"format", "version", "dicke", "radius", "breite", "schenkel", "biegungen"});

    Profile profile;
    profile.thickness = json::numberAt(document, "dicke", "dicke");
    profile.width = json::optionalNumberAt(document, "breite", "breite");
    profile.legs = legsAt(json::arrayAt(document, "schenkel", "schenkel", maxLegs));
    profile.bends = bendsAt(json::arrayAt(document, "biegungen", "biegungen", maxLegs));
    if (pressBrake) {
        if (!document.at("werkstoff").is_null())
            profile.material = press::readMaterial(document.at("werkstoff"), "werkstoff");
        profile.die = json::optionalNumberAt(document, "matrize", "matrize");
        profile.pressLimit = json::optionalNumberAt(document, "presse", "presse");
        profile.rolling =
            json::textAt(document, "walzrichtung", "walzrichtung", {"quer", "laengs"}) == "laengs"
                ? press::RollingDirection::Laengs
                : press::RollingDirection::Quer;
    }
    // With a die the radius follows from it, and the file says so by leaving it out.
    if (profile.die) {
        if (!document.at("radius").is_null())
            throw JsonFault{"„radius“ muss null sein, denn mit einer Matrize folgt der "
                            "Biegeradius aus ihr"};
        followDie(profile);
    } else {
        profile.radius = json::numberAt(document, "radius", "radius");
    }
    return profile;
}

} // namespace

std::string writeProfileFile(const Profile& profile)
{
    const bool pressBrake = profile.hasPressData();
    OrderedJson document;
    document["format"] = profileFormatName;
    document["version"] = pressBrake ? 2 : 1;
    document["dicke"] = json::number(profile.thickness);
    document["radius"] = profile.die ? OrderedJson(nullptr) : json::number(profile.radius);
    document["breite"] = json::optionalNumber(profile.width);
    if (pressBrake) {
        document["werkstoff"] =
            profile.material ? press::materialJson(*profile.material) : OrderedJson(nullptr);
        document["matrize"] = json::optionalNumber(profile.die);
        document["presse"] = json::optionalNumber(profile.pressLimit);
        document["walzrichtung"] = press::rollingDirectionName(profile.rolling);
    }
    OrderedJson legs = OrderedJson::array();
    for (const Leg& leg : profile.legs)
        legs.push_back({{"laenge", json::number(leg.length)}, {"mass", measureName(leg.measure)}});
    document["schenkel"] = std::move(legs);
    OrderedJson bends = OrderedJson::array();
    for (const Bend& bend : profile.bends)
        bends.push_back({{"winkel", json::number(bend.angle)},
                         {"radius", json::optionalNumber(bend.radius)},
                         {"richtung", directionName(bend.direction)}});
    document["biegungen"] = std::move(bends);
    return document.dump(2) + '\n';
}

Profile readProfileFile(std::string_view text, std::string_view fileName)
{
    const std::string prefix =
        "Die Profildatei „" + std::string(fileName) + "“ wird nicht geöffnet: ";
    if (text.size() > maxFileSize)
        throw ProfileFileError(prefix + "sie ist mit " + std::to_string(text.size()) +
                               " Bytes zu groß für ein Profil");
    try {
        Profile profile = profileOf(json::parseStrict(text));
        checkProfile(profile);
        return profile;
    } catch (const JsonFault& fault) {
        throw ProfileFileError(prefix + json::placedReason(fault, text));
    } catch (const ProfileRefusal& refusal) {
        throw ProfileFileError(prefix + refusal.what());
    } catch (const BendError& error) {
        throw ProfileFileError(prefix + "ihr Werkstoff führt zu einem Rechenfehler (" +
                               std::string(faultMessage(error.kind())) + ")");
    }
}

} // namespace kantrix::profile
