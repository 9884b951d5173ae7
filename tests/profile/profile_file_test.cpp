// The .kprofil file: what it writes reads back to the same profile, bit for bit, and a bad file is
// refused whole with a message that names it.

#include "profile_file.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

namespace kantrix::profile {
namespace {

Profile channel()
{
    Profile profile;
    profile.thickness = 2;
    profile.radius = 2;
    profile.width = 300;
    profile.legs = {{50, Measure::Aussen}, {96, Measure::Innen}, {50, Measure::Aussen}};
    profile.bends = {{90, std::nullopt, Direction::Plus}, {120, 3.0, Direction::Minus}};
    return profile;
}

TEST(ProfileFile, writesTheKeysOfTheFormat)
{
    const nlohmann::json document = nlohmann::json::parse(writeProfileFile(channel()));
    EXPECT_EQ(document, nlohmann::json::parse(R"({
        "format": "kantrix-profil", "version": 1, "dicke": 2, "radius": 2, "breite": 300,
        "schenkel": [{"laenge": 50, "mass": "aussen"}, {"laenge": 96, "mass": "innen"},
                     {"laenge": 50, "mass": "aussen"}],
        "biegungen": [{"winkel": 90, "radius": null, "richtung": "+"},
                      {"winkel": 120, "radius": 3, "richtung": "-"}]})"));
}

TEST(ProfileFile, readsBackEveryDoubleToTheBit)
{
    // Values whose shortest text needs all seventeen digits, tiny and huge ones, and a width
    // left out.
    Profile profile = channel();
    profile.thickness = 0.1 + 0.2;
    profile.radius = std::nextafter(2.0, 3.0);
    profile.width = std::nullopt;
    profile.legs[0].length = 1e-300;
    profile.legs[1].length = 1.7976931348623157e308;
    profile.legs[2].length = 123456789012345678.0;
    profile.bends[0].angle = std::nextafter(180.0, 0.0);
    profile.bends[1].radius = 5e-324;
    const Profile read = readProfileFile(writeProfileFile(profile), "T.kprofil");
    EXPECT_EQ(read, profile);
    EXPECT_EQ(writeProfileFile(read), writeProfileFile(profile));
}

struct BadFile
{
    const char* name;
    std::string text;
    const char* reason; // what follows "wird nicht geöffnet: "
};

std::string withKey(const std::string& key, const std::string& value)
{
    nlohmann::ordered_json document = nlohmann::ordered_json::parse(writeProfileFile(channel()));
    if (value.empty())
        document.erase(key);
    else
        document[key] = nlohmann::ordered_json::parse(value);
    return document.dump();
}

class BadFiles : public testing::TestWithParam<BadFile>
{};

TEST_P(BadFiles, areRefusedWithTheFileNamed)
{
    try {
        readProfileFile(GetParam().text, "Teil 7.kprofil");
        FAIL() << "read";
    } catch (const ProfileFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("Die Profildatei „Teil 7.kprofil“ wird nicht geöffnet: ") +
                      GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    testing::Values(
        BadFile{"notJson", "{\n  \"format\": \"kantrix-profil\",\n  \"dicke\": 2,,\n}",
                "sie ist kein gültiges JSON (Zeile 3, Spalte 14)"},
        BadFile{"empty", "", "sie ist kein gültiges JSON (Zeile 1, Spalte 1)"},
        BadFile{"umlautBeforeError", "{\"ä\": x}",
                "sie ist kein gültiges JSON (Zeile 1, Spalte 7)"},
        BadFile{"hugeNumber",
                withKey("dicke", "1")
                    .replace(withKey("dicke", "1").find("\"dicke\":1"), 9, "\"dicke\":1e999"),
                "sie enthält eine Zahl außerhalb des Zahlenbereichs"},
        BadFile{"array", "[]", "die oberste Ebene muss ein JSON-Objekt sein"},
        BadFile{"otherFormat", withKey("format", "\"dxf\""),
                "sie ist kein Kantrix-Profil (\"format\" ist nicht „kantrix-profil“)"},
        BadFile{
            "newerVersion", withKey("version", "3"),
            "sie hat die Version 3 des Profilformats; diese Kantrix-Version liest bis Version 2"},
        BadFile{
            "keyTwice",
            withKey("dicke", "2")
                .replace(withKey("dicke", "2").find("\"dicke\":2"), 9, "\"dicke\":2,\"dicke\":3"),
            "der Schlüssel \"dicke\" steht zweimal im selben Objekt"},
        BadFile{"pressKeysInVersion1", withKey("matrize", "12"),
                "unbekannter Schlüssel \"matrize\" (Zeile 1, Spalte 284)"},
        BadFile{"versionText", withKey("version", "\"1\""),
                "\"version\" muss eine ganze Zahl ab 1 sein"},
        BadFile{"missingKey", withKey("breite", ""), "der Schlüssel \"breite\" fehlt"},
        BadFile{"unknownKey", withKey("farbe", "1"),
                "unbekannter Schlüssel \"farbe\" (Zeile 1, Spalte 282)"},
        BadFile{"textForNumber", withKey("dicke", "\"2\""),
                "„dicke“ muss eine Zahl sein (Zeile 1, Spalte 48)"},
        BadFile{"legWithoutMeasure",
                withKey("schenkel", R"([{"laenge": 5}, {"laenge": 5, "mass": "aussen"}])"),
                "der Schlüssel \"mass\" fehlt in „schenkel[1]“ (Zeile 1, Spalte 86)"},
        BadFile{"badMeasure",
                withKey("schenkel",
                        R"([{"laenge": 5, "mass": "aussen"}, {"laenge": 5, "mass": "mitte"}])"),
                "„schenkel[2].mass“ muss „aussen“ oder „innen“ sein (Zeile 1, Spalte 134)"},
        BadFile{
            "badDirection",
            withKey(
                "biegungen",
                R"([{"winkel": 90, "radius": null, "richtung": "x"}, {"winkel": 90, "radius": null, "richtung": "+"}])"),
            "„biegungen[1].richtung“ muss „+“ oder „-“ sein (Zeile 1, Spalte 227)"},
        BadFile{"valueOutOfRange", withKey("dicke", "-2"),
                "Blechdicke s = -2: muss eine Zahl größer als 0 sein"},
        BadFile{"listsDoNotFit", withKey("biegungen", "[]"),
                "3 Schenkel brauchen 2 Biegungen, angegeben sind 0"},
        BadFile{"tooLong", std::string(5 << 20, ' '),
                "sie ist mit 5242880 Bytes zu groß für ein Profil"}),
    test::rowName<BadFile>);

} // namespace
} // namespace kantrix::profile

namespace kantrix::profile {
namespace {

// State: a part at the press brake with a material of the shop's own and its test bends /
// Action: written and read / Expected: the same part, computing the same, as version 2.
TEST(ProfileFile, carriesTheWholeMaterialAsVersion2)
{
    Profile profile = channel();
    profile.material = press::Material{"Blech 7",
                                       std::nullopt,
                                       {{0, 300, 400}, {2.5, 280, 380}},
                                       0.18,
                                       press::MinimumRadiusFactor{1, 1.5},
                                       {{2, 2, 11.1, 90, 88, 200, 101.9, 101.9}},
                                       std::nullopt};
    profile.die = 12;
    profile.pressLimit = 50;
    profile.rolling = press::RollingDirection::Laengs;
    followDie(profile);
    const std::string text = writeProfileFile(profile);
    EXPECT_EQ(nlohmann::json::parse(text).at("version"), 2);
    EXPECT_EQ(nlohmann::json::parse(text).at("radius"), nullptr);
    EXPECT_EQ(readProfileFile(text, "T.kprofil"), profile);

    nlohmann::ordered_json withRadius = nlohmann::ordered_json::parse(text);
    withRadius["radius"] = 2;
    EXPECT_THROW(readProfileFile(withRadius.dump(), "T.kprofil"), ProfileFileError);
}

} // namespace
} // namespace kantrix::profile
