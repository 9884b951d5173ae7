#include "profile_file.h"

#include "profile_calculation.h"
#include "profile_refusal.h"

#include <cmath>
#include <initializer_list>
#include <nlohmann/json.hpp>

namespace kantrix::profile {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// A profile has at most 101 legs; anything near this size is not one.
constexpr std::size_t maxFileSize = 1 << 20;

// Whole numbers as integers ("dicke": 2), all others in the fewest digits that read back to the
// same double, as the JSON library writes them.
ordered_json number(double value)
{
    constexpr double exactIntegers = 9007199254740992.0; // 2^53
    if (value == std::trunc(value) && std::fabs(value) < exactIntegers && !std::signbit(value))
        return static_cast<std::int64_t>(value);
    return value;
}

ordered_json optionalNumber(const std::optional<double>& value)
{
    return value ? number(*value) : ordered_json(nullptr);
}

// What is wrong with a file, before the file's name is put in front of it.
struct Fault
{
    std::string why;
};

class Reader
{
public:
    explicit Reader(const json& document) : m_document(document) {}

    Profile profile()
    {
        requireObject(m_document, "",
                      {"format", "version", "dicke", "radius", "breite", "schenkel", "biegungen"});
        const json& format = m_document.at("format");
        if (!format.is_string() || format.get<std::string>() != profileFormatName)
            throw Fault{"sie ist kein Kantrix-Profil (\"format\" ist nicht „" +
                        std::string(profileFormatName) + "“)"};
        const json& version = m_document.at("version");
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
            throw Fault{"\"version\" muss eine ganze Zahl ab 1 sein"};
        if (version.get<std::int64_t>() > profileFormatVersion)
            throw Fault{"sie hat die Version " + version.dump() +
                        " des Profilformats; diese Kantrix-Version liest bis Version " +
                        std::to_string(profileFormatVersion)};

        Profile profile;
        profile.thickness = numberAt(m_document, "dicke", "dicke");
        profile.radius = numberAt(m_document, "radius", "radius");
        profile.width = optionalNumberAt(m_document, "breite", "breite");
        profile.legs = legs(arrayAt(m_document, "schenkel"));
        profile.bends = bends(arrayAt(m_document, "biegungen"));
        return profile;
    }

private:
    static void requireObject(const json& value, const std::string& path,
                              std::initializer_list<const char*> keys)
    {
        const std::string where = path.empty() ? "" : " in „" + path + "“";
        if (!value.is_object())
            throw Fault{(path.empty() ? "die oberste Ebene" : "„" + path + "“") +
                        " muss ein JSON-Objekt sein"};
        for (const char* key : keys)
            if (!value.contains(key))
                throw Fault{"der Schlüssel \"" + std::string(key) + "\" fehlt" + where};
        for (const auto& [key, item] : value.items()) {
            bool known = false;
            for (const char* name : keys)
                known = known || key == name;
            if (!known)
                throw Fault{"unbekannter Schlüssel \"" + key + "\"" + where};
        }
    }

    static double numberAt(const json& object, const char* key, const std::string& path)
    {
        const json& value = object.at(key);
        if (!value.is_number())
            throw Fault{"„" + path + "“ muss eine Zahl sein"};
        return value.get<double>();
    }

    static std::optional<double> optionalNumberAt(const json& object, const char* key,
                                                  const std::string& path)
    {
        if (object.at(key).is_null())
            return std::nullopt;
        return numberAt(object, key, path);
    }

    static const json& arrayAt(const json& object, const char* key)
    {
        const json& value = object.at(key);
        if (!value.is_array())
            throw Fault{"„" + std::string(key) + "“ muss eine Liste sein"};
        if (value.size() > maxLegs)
            throw Fault{"„" + std::string(key) + "“ hat " + std::to_string(value.size()) +
                        " Einträge, mehr als ein Profil haben kann"};
        return value;
    }

    static std::string textAt(const json& object, const char* key, const std::string& path,
                              std::initializer_list<const char*> allowed)
    {
        const json& value = object.at(key);
        if (value.is_string())
            for (const char* text : allowed)
                if (value.get<std::string>() == text)
                    return text;
        std::string choices;
        for (const char* text : allowed)
            choices += (choices.empty() ? "„" : " oder „") + std::string(text) + "“";
        throw Fault{"„" + path + "“ muss " + choices + " sein"};
    }

    static std::vector<Leg> legs(const json& list)
    {
        std::vector<Leg> legs;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string path = "schenkel[" + std::to_string(i + 1) + "]";
            requireObject(list[i], path, {"laenge", "mass"});
            Leg leg;
            leg.length = numberAt(list[i], "laenge", path + ".laenge");
            leg.measure = textAt(list[i], "mass", path + ".mass", {"aussen", "innen"}) == "innen"
                              ? Measure::Innen
                              : Measure::Aussen;
            legs.push_back(leg);
        }
        return legs;
    }

    static std::vector<Bend> bends(const json& list)
    {
        std::vector<Bend> bends;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string path = "biegungen[" + std::to_string(i + 1) + "]";
            requireObject(list[i], path, {"winkel", "radius", "richtung"});
            Bend bend;
            bend.angle = numberAt(list[i], "winkel", path + ".winkel");
            bend.radius = optionalNumberAt(list[i], "radius", path + ".radius");
            bend.direction = textAt(list[i], "richtung", path + ".richtung", {"+", "-"}) == "-"
                                 ? Direction::Minus
                                 : Direction::Plus;
            bends.push_back(bend);
        }
        return bends;
    }

    const json& m_document;
};

// Line and column, counted from 1, of a byte offset; columns count characters, not bytes.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view text, std::size_t offset)
{
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

} // namespace

std::string writeProfileFile(const Profile& profile)
{
    ordered_json document;
    document["format"] = profileFormatName;
    document["version"] = profileFormatVersion;
    document["dicke"] = number(profile.thickness);
    document["radius"] = number(profile.radius);
    document["breite"] = optionalNumber(profile.width);
    ordered_json legs = ordered_json::array();
    for (const Leg& leg : profile.legs)
        legs.push_back({{"laenge", number(leg.length)}, {"mass", measureName(leg.measure)}});
    document["schenkel"] = std::move(legs);
    ordered_json bends = ordered_json::array();
    for (const Bend& bend : profile.bends)
        bends.push_back({{"winkel", number(bend.angle)},
                         {"radius", optionalNumber(bend.radius)},
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
    json document;
    try {
        document = json::parse(text);
    } catch (const json::parse_error& error) {
        // The library counts the byte at which it stopped from 1.
        const auto [line, column] = lineAndColumn(text, error.byte > 0 ? error.byte - 1 : 0);
        throw ProfileFileError(prefix + "sie ist kein gültiges JSON (Zeile " +
                               std::to_string(line) + ", Spalte " + std::to_string(column) + ")");
    } catch (const json::exception&) {
        // A number beyond the range of a double: the only other way parsing gives up.
        throw ProfileFileError(prefix + "sie enthält eine Zahl außerhalb des Zahlenbereichs");
    }
    try {
        Profile profile = Reader(document).profile();
        checkProfile(profile);
        return profile;
    } catch (const Fault& fault) {
        throw ProfileFileError(prefix + fault.why);
    } catch (const ProfileRefusal& refusal) {
        throw ProfileFileError(prefix + refusal.what());
    }
}

} // namespace kantrix::profile
