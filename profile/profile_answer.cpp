#include "profile_answer.h"

#include "bending_force.h"
#include "die.h"
#include "json_fields.h"
#include "number_text.h"
#include "text_columns.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

namespace kantrix::profile {

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

const char* measureCaption(Measure measure)
{
    return measure == Measure::Innen ? "innen" : "außen";
}

ordered_json twoPlacesJson(double value)
{
    return shownNumber(twoPlaces(value), value);
}

ordered_json threePlacesJson(double value)
{
    return shownNumber(threePlaces(value), value);
}

std::string forceText(double value)
{
    return FormatNumber(value, press::forceDecimals);
}

// Rm in whole N/mm².
std::string strengthText(double value)
{
    return FormatNumber(value, "# ##0");
}

// A number object, or null where the value does not apply.
template <typename Text> ordered_json optionalJson(const std::optional<double>& value, Text text)
{
    return value ? shownNumber(text(*value), *value) : ordered_json(nullptr);
}

std::string dash(const std::optional<double>& value, std::string (*text)(double))
{
    return value ? text(*value) : "–";
}

const char* kSource(const BendResult& bend)
{
    return bend.kFromTestBends ? "Probebiegungen" : "DIN 6935";
}

// The lines under the thickness: material, die and press.
void pressLines(const Profile& profile, const ProfileResult& result, std::string& out)
{
    const char* along = profile.rolling == press::RollingDirection::Laengs ? "längs" : "quer";
    if (profile.material) {
        const press::Material& material = *profile.material;
        out += "Werkstoff " + material.name +
               (material.number ? " (" + *material.number + ")" : std::string()) +
               ", Rm = " + strengthText(*result.tensileStrength) +
               " N/mm², f = " + NumberToText(material.radiusFactor) + ", Biegelinie " + along +
               " zur Walzrichtung\n";
    } else {
        out += "Werkstoff keiner (f = " + NumberToText(press::defaultRadiusFactor) +
               "), Biegelinie " + along + " zur Walzrichtung\n";
    }
    out += "Matrize ";
    out += profile.die ? "V = " + threePlaces(*profile.die) + " mm" : std::string("keine");
    if (result.suggestedDie)
        out += " (empfohlen V = " + threePlaces(*result.suggestedDie) + " mm)";
    out += ", Presse ";
    out += profile.pressLimit ? forceText(*profile.pressLimit) + " kN" : std::string("ohne Grenze");
    out += '\n';
}

} // namespace

std::string answerTable(const Profile& profile, const ProfileResult& result)
{
    std::string out = profileBaseName(profile) + "\n";
    out += "Blechdicke s = " + twoPlaces(profile.thickness) + " mm";
    if (profile.width)
        out += ", Breite W = " + threePlaces(*profile.width) + " mm";
    out += "\n";
    const bool pressBrake = profile.hasPressData();
    if (pressBrake)
        pressLines(profile, result, out);
    out += "\n";

    TextColumns legs({"Schenkel", "Maß", "eingegeben", "außen", "gerade"});
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        const LegResult& leg = result.legs[i];
        legs.add({std::to_string(i + 1), measureCaption(profile.legs[i].measure),
                  threePlaces(leg.given), threePlaces(leg.outer), threePlaces(leg.straight)});
    }
    legs.write(out);
    out += '\n';

    TextColumns bends({"Biegung", "Richtung", "β", "α", "r", "k", "v", "bz", "Biegelinie"});
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        const BendResult& bend = result.bends[i];
        bends.add({std::to_string(i + 1), directionName(bend.direction), twoPlaces(bend.beta),
                   twoPlaces(bend.alpha), twoPlaces(bend.radius), threePlaces(bend.k),
                   threePlaces(bend.v), threePlaces(bend.bz), threePlaces(bend.bendLine)});
    }
    bends.write(out);
    if (pressBrake) {
        out += '\n';
        TextColumns press({"Biegung", "k nach", "k DIN", "Kraft", "Kraft je m",
                           "kleinster Schenkel", "Mindestradius", "Einstellwinkel"});
        press.alignLeft(1);
        for (std::size_t i = 0; i < result.bends.size(); ++i) {
            const BendResult& bend = result.bends[i];
            press.add({std::to_string(i + 1), kSource(bend), threePlaces(bend.kDin),
                       dash(bend.force, forceText), dash(bend.forcePerMetre, forceText),
                       dash(bend.leastFlange, threePlaces), dash(bend.minimumRadius, twoPlaces),
                       dash(bend.setAngle, twoPlaces)});
        }
        press.write(out);
    }
    out += pressBrake ? "\nLängen in mm, Winkel in Grad, Kräfte in kN; die Biegelinie vom freien "
                        "Ende des Schenkels 1 aus.\n"
                      : "\nLängen in mm, Winkel in Grad; die Biegelinie vom freien Ende des "
                        "Schenkels 1 aus.\n";

    out += "\nGestreckte Länge L = " + threePlaces(result.developedLength) + " mm\n";
    if (result.largestForce)
        out += "Größte Kraft F = " + forceText(*result.largestForce) + " kN\n";
    if (result.mass)
        out += "Masse des Zuschnitts m = " + threePlaces(*result.mass) + " kg\n";
    if (!result.notes.empty()) {
        out += "\nHinweise:\n";
        for (const std::string& note : result.notes)
            out += "- " + note + "\n";
    }
    return out;
}

std::string answerJson(const Profile& profile, const ProfileResult& result)
{
    return answerObject(profile, result).dump(2) + '\n';
}

ordered_json answerObject(const Profile& profile, const ProfileResult& result)
{
    ordered_json answer;
    answer["dicke"] = twoPlacesJson(profile.thickness);
    answer["breite"] = profile.width ? threePlacesJson(*profile.width) : ordered_json(nullptr);
    answer["L"] = threePlacesJson(result.developedLength);
    const bool pressBrake = profile.hasPressData();
    if (pressBrake) {
        answer["werkstoff"] =
            profile.material
                ? ordered_json{{"name", profile.material->name},
                               {"zugfestigkeit", shownNumber(strengthText(*result.tensileStrength),
                                                             *result.tensileStrength)}}
                : ordered_json(nullptr);
        answer["matrize"] = optionalJson(profile.die, threePlaces);
        answer["matrize_empfohlen"] = optionalJson(result.suggestedDie, threePlaces);
        answer["presse"] = optionalJson(profile.pressLimit, forceText);
        answer["walzrichtung"] = press::rollingDirectionName(profile.rolling);
        answer["kraft_max"] = optionalJson(result.largestForce, forceText);
        answer["masse"] = optionalJson(result.mass, threePlaces);
    }
    ordered_json legs = ordered_json::array();
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        const LegResult& leg = result.legs[i];
        legs.push_back({{"mass", measureName(profile.legs[i].measure)},
                        {"eingegeben", threePlacesJson(leg.given)},
                        {"aussen", threePlacesJson(leg.outer)},
                        {"gerade", threePlacesJson(leg.straight)}});
    }
    answer["schenkel"] = std::move(legs);
    ordered_json bends = ordered_json::array();
    for (const BendResult& bend : result.bends) {
        ordered_json item = {{"winkel", twoPlacesJson(bend.beta)},
                             {"alpha", twoPlacesJson(bend.alpha)},
                             {"radius", twoPlacesJson(bend.radius)},
                             {"k", threePlacesJson(bend.k)},
                             {"n", threePlacesJson(bend.n)},
                             {"v", threePlacesJson(bend.v)},
                             {"bz", threePlacesJson(bend.bz)},
                             {"biegelinie", threePlacesJson(bend.bendLine)},
                             {"richtung", directionName(bend.direction)}};
        if (pressBrake) {
            item["k_din"] = threePlacesJson(bend.kDin);
            item["k_quelle"] = kSource(bend);
            item["kraft"] = optionalJson(bend.force, forceText);
            item["kraft_je_meter"] = optionalJson(bend.forcePerMetre, forceText);
            item["kleinster_schenkel"] = optionalJson(bend.leastFlange, threePlaces);
            item["mindestradius"] = optionalJson(bend.minimumRadius, twoPlaces);
            item["winkel_eingestellt"] = optionalJson(bend.setAngle, twoPlaces);
        }
        bends.push_back(std::move(item));
    }
    answer["biegungen"] = std::move(bends);
    answer["hinweise"] = result.notes;
    return answer;
}

std::string profileBaseName(const Profile& profile)
{
    std::string name = "Profil ";
    if (profile.legs.size() == 3 && profile.bends.size() == 2)
        name += profile.bends[0].direction == profile.bends[1].direction ? "U " : "Z ";
    for (std::size_t i = 0; i < profile.legs.size(); ++i)
        // An editor may ask for the name of a part it has not yet checked.
        name += (i ? "-" : "") + (std::isfinite(profile.legs[i].length)
                                      ? NumberToText(profile.legs[i].length)
                                      : std::string("?"));
    return name;
}

} // namespace kantrix::profile
