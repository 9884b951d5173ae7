#include "profile_answer.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

namespace kantrix::profile {

namespace {

using nlohmann::ordered_json;

constexpr std::size_t columnGap = 3;

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

// Rows of texts under a heading, every column right-aligned under its widest text.
class Columns
{
public:
    explicit Columns(std::vector<std::string> heading) { m_rows.push_back(std::move(heading)); }

    void add(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }

    void write(std::string& out) const
    {
        std::vector<std::size_t> widths(m_rows.front().size());
        for (const std::vector<std::string>& row : m_rows)
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], characterCount(row[c]));
        for (const std::vector<std::string>& row : m_rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                out.append(widths[c] - characterCount(row[c]) + (c ? columnGap : 0), ' ');
                out += row[c];
            }
            out += '\n';
        }
    }

private:
    std::vector<std::vector<std::string>> m_rows;
};

// A number for programs: the text a person reads beside the double itself.
ordered_json shownNumber(const std::string& text, double value)
{
    return {{"text", text}, {"value", value}};
}

ordered_json twoPlacesJson(double value)
{
    return shownNumber(twoPlaces(value), value);
}

ordered_json threePlacesJson(double value)
{
    return shownNumber(threePlaces(value), value);
}

} // namespace

std::string answerTable(const Profile& profile, const ProfileResult& result)
{
    std::string out = profileBaseName(profile) + "\n";
    out += "Blechdicke s = " + twoPlaces(profile.thickness) + " mm";
    if (profile.width)
        out += ", Breite W = " + threePlaces(*profile.width) + " mm";
    out += "\n\n";

    Columns legs({"Schenkel", "Maß", "eingegeben", "außen", "gerade"});
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        const LegResult& leg = result.legs[i];
        legs.add({std::to_string(i + 1), measureCaption(profile.legs[i].measure),
                  threePlaces(leg.given), threePlaces(leg.outer), threePlaces(leg.straight)});
    }
    legs.write(out);
    out += '\n';

    Columns bends({"Biegung", "Richtung", "β", "α", "r", "k", "v", "bz", "Biegelinie"});
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        const BendResult& bend = result.bends[i];
        bends.add({std::to_string(i + 1), directionName(bend.direction), twoPlaces(bend.beta),
                   twoPlaces(bend.alpha), twoPlaces(bend.radius), threePlaces(bend.k),
                   threePlaces(bend.v), threePlaces(bend.bz), threePlaces(bend.bendLine)});
    }
    bends.write(out);
    out += "\nLängen in mm, Winkel in Grad; die Biegelinie vom freien Ende des Schenkels 1 aus.\n";

    out += "\nGestreckte Länge L = " + threePlaces(result.developedLength) + " mm\n";
    if (!result.notes.empty()) {
        out += "\nHinweise:\n";
        for (const std::string& note : result.notes)
            out += "- " + note + "\n";
    }
    return out;
}

std::string answerJson(const Profile& profile, const ProfileResult& result)
{
    ordered_json answer;
    answer["dicke"] = twoPlacesJson(profile.thickness);
    answer["breite"] = profile.width ? threePlacesJson(*profile.width) : ordered_json(nullptr);
    answer["L"] = threePlacesJson(result.developedLength);
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
    for (const BendResult& bend : result.bends)
        bends.push_back({{"winkel", twoPlacesJson(bend.beta)},
                         {"alpha", twoPlacesJson(bend.alpha)},
                         {"radius", twoPlacesJson(bend.radius)},
                         {"k", threePlacesJson(bend.k)},
                         {"n", threePlacesJson(bend.n)},
                         {"v", threePlacesJson(bend.v)},
                         {"bz", threePlacesJson(bend.bz)},
                         {"biegelinie", threePlacesJson(bend.bendLine)},
                         {"richtung", directionName(bend.direction)}});
    answer["biegungen"] = std::move(bends);
    answer["hinweise"] = result.notes;
    return answer.dump(2) + '\n';
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
