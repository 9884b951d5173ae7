// The .kkasten file: what is written reads back to the same box, bit for bit, and a bad file is
// refused with the file and the fault named (line and column where it is not JSON).

#include "box_file.h"
#include "material_catalog.h"
#include "row_names.h"

#include <gtest/gtest.h>

namespace kantrix::box {
namespace {

Box steelTray()
{
    Box box;
    box.thickness = 2;
    box.length = 400.1;
    box.lengthMeasure = Measure::Innen;
    box.width = 250;
    box.walls = {Wall{60, Measure::Innen}, {}, Wall{0.1 + 0.2, Measure::Aussen}, Wall{40}};
    box.corners = CornerStyle::Stumpf;
    box.through = Through::LinksRechts;
    box.gap = 0;
    box.relief = Relief::Rund;
    box.reliefDiameter = 6;
    box.material = press::requireMaterial(press::materialCatalog(), "S235JR");
    box.die = 16;
    box.pressLimit = 100;
    box.rolling = press::RollingDirection::Laengs;
    followDie(box);
    return box;
}

TEST(BoxFile, ReadsBackWhatItWrites)
{
    for (Box box : {steelTray(), Box{}}) {
        if (!box.material)
            box.walls[0] = Wall{50};
        box.length = box.length > 0 ? box.length : 300;
        box.width = box.width > 0 ? box.width : 200;
        EXPECT_EQ(readBoxFile(writeBoxFile(box), "k.kkasten"), box);
    }
}

// The worked figure's file with one key's value replaced, or one key added.
std::string withKey(const std::string& key, const std::string& value)
{
    Box box;
    box.thickness = 1.5;
    box.radius = 1.5;
    box.length = 300;
    box.width = 200;
    box.walls = {Wall{50}, Wall{50}, Wall{50}, Wall{50}};
    std::string text = writeBoxFile(box);
    const std::string quoted = "\"" + key + "\": ";
    const std::size_t at = text.find(quoted);
    if (at == std::string::npos)
        return text.replace(text.find('{') + 1, 0, quoted + value + ",");
    const std::size_t end = text.find_first_of(",\n", at + quoted.size());
    return text.replace(at + quoted.size(), end - at - quoted.size(), value);
}

struct BadFile
{
    const char* name;
    std::string text;
    const char* reason;
};

class BadBoxFiles : public testing::TestWithParam<BadFile>
{};

TEST_P(BadBoxFiles, AreRefusedWithTheFileNamed)
{
    try {
        readBoxFile(GetParam().text, "Wanne.kkasten");
        FAIL() << "read";
    } catch (const BoxFileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("Die Kastendatei „Wanne.kkasten“ wird nicht geöffnet: ") +
                      GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadBoxFiles,
    testing::Values(
        BadFile{"NotJson", "{\n  \"format\": \"kantrix-kasten\",\n  \"dicke\": 2,,\n}",
                "sie ist kein gültiges JSON (Zeile 3, Spalte 14)"},
        BadFile{"OtherFormat", withKey("format", "\"kantrix-profil\""),
                "sie ist kein Kantrix-Kasten (\"format\" ist nicht „kantrix-kasten“)"},
        BadFile{"NewerVersion", withKey("version", "2"),
                "sie hat die Version 2 des Kastenformats; diese Kantrix-Version liest bis "
                "Version 1"},
        BadFile{"KeyTwice", withKey("dicke", "2, \"dicke\": 3"),
                "der Schlüssel \"dicke\" steht zweimal im selben Objekt"},
        BadFile{"UnknownKey", withKey("farbe", "1"),
                "unbekannter Schlüssel \"farbe\" (Zeile 1, Spalte 11)"},
        BadFile{"TextForNumber", withKey("dicke", "\"2\""),
                "„dicke“ muss eine Zahl sein (Zeile 4, Spalte 12)"},
        BadFile{"BadWallMeasure", withKey("mass", "\"mitte\""),
                "„laenge.mass“ muss „aussen“ oder „innen“ sein (Zeile 8, Spalte 13)"},
        BadFile{"BadCorner", withKey("stil", "\"rund\""),
                "„ecken.stil“ muss „offen“ oder „stumpf“ sein (Zeile 33, Spalte 13)"},
        BadFile{"DiameterOfASquareRelief", withKey("durchmesser", "5"),
                "„freistich.durchmesser“ muss bei einem eckigen Freistich null sein"},
        BadFile{"RadiusBesideADie", withKey("matrize", "12"),
                "„radius“ muss null sein, denn mit einer Matrize folgt der Biegeradius aus ihr"},
        BadFile{"ValueOutOfRange", withKey("dicke", "-2"),
                "Blechdicke s = -2: muss eine Zahl größer als 0 sein"},
        BadFile{"TooLong", std::string(5 << 20, ' '),
                "sie ist mit 5242880 Bytes zu groß für einen Kasten"}),
    test::rowName<BadFile>);

} // namespace
} // namespace kantrix::box
