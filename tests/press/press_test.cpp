// The press brake: the die rules, the force and the material data against the figures the shops
// work with, test bends and the shop's own k, and the user's materials file.

#include "bending_force.h"
#include "builtin_materials.h"
#include "die.h"
#include "material_catalog.h"
#include "material_json.h"
#include "materials_file.h"
#include "materials_merge.h"
#include "number_text.h"
#include "press_answer.h"
#include "press_notes.h"
#include "press_refusal.h"
#include "row_names.h"
#include "shop_correction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace kantrix::press {
namespace {

using test::PrintTo;
using testing::HasSubstr;

const Material& builtin(const char* name)
{
    static const MaterialCatalog catalog = materialCatalog();
    return requireMaterial(catalog, name);
}

struct Figure
{
    const char* name;
    double value;
    const char* text; // three decimals
};

class Figures : public testing::TestWithParam<Figure>
{};

TEST_P(Figures, MatchTheShopsNumbers)
{
    EXPECT_EQ(FormatNumber(GetParam().value, threeDecimals), GetParam().text);
}

// s 1.5 in S235JR on a V 12 die: the air-bending rule, Oehler's force and the least flange.
INSTANTIATE_TEST_SUITE_P(
    AirBending, Figures,
    testing::Values(
        Figure{"radiusOfV12", dieRadius(builtin("S235JR").radiusFactor, 12), "1.920"},
        Figure{"radiusOfV16Stainless", dieRadius(builtin("1.4301").radiusFactor, 16), "3.360"},
        Figure{"forcePerMetre",
               bendingForce(1.5, 12, tensileStrength(builtin("S235JR"), 1.5).max, 1000), "143.438"},
        Figure{"thickS275UsesItsBand",
               tensileStrength(builtin("s275jr"), 3).max +
                   tensileStrength(builtin("S275JR"), 2.9).max,
               "1 140.000"},
        Figure{"leastFlangeAt90", leastFlange(12, 90), "8.485"},
        Figure{"leastFlangeAt120", leastFlange(12, 120), "6.928"},
        Figure{"suggestedFor1_5", suggestedDie(1.5).value_or(0), "12.000"},
        Figure{"suggestedFor2", suggestedDie(2).value_or(0), "16.000"},
        Figure{"suggestedFor31_25", suggestedDie(31.25).value_or(0), "250.000"},
        Figure{"noneAbove250", suggestedDie(31.3).value_or(0), "0.000"},
        Figure{"minimumRadiusAt1NotChecked",
               minimumRadius(builtin("S235JR"), 1, RollingDirection::Quer).value_or(0), "0.000"},
        Figure{"minimumRadiusBandIncludesItsTop",
               minimumRadius(builtin("S235JR"), 1.5, RollingDirection::Quer).value_or(0), "1.600"},
        Figure{"minimumRadiusAlong",
               minimumRadius(builtin("S355J2"), 30, RollingDirection::Laengs).value_or(0),
               "90.000"},
        Figure{"minimumRadiusAbove30",
               minimumRadius(builtin("S355J2"), 30.5, RollingDirection::Laengs).value_or(0),
               "0.000"}),
    test::rowName<Figure>);

struct Words
{
    const char* name;
    std::string note;
    const char* expected;
};

class NoteWords : public testing::TestWithParam<Words>
{};

TEST_P(NoteWords, SayTheFactsInGerman)
{
    EXPECT_EQ(GetParam().note, GetParam().expected);
}

// The notes of every part, worded once; a box names its walls where a profile names its legs.
INSTANTIATE_TEST_SUITE_P(
    Notes, NoteWords,
    testing::Values(
        Words{"onBends", subjectNote("Biegungen 1, 3", "k = 1: Ab r/s = 5 ist k fest 1 gesetzt"),
              "Biegungen 1, 3: k = 1: Ab r/s = 5 ist k fest 1 gesetzt"},
        Words{"oneTestBend", testBendsNote(1, "DC01"), "k aus 1 Probebiegung (DC01)."},
        Words{"dieOutside", dieRangeNote(35, 1.5, 12),
              "Die Matrize V 35 liegt außerhalb von 6 · s … 12 · s (9.000 … 18.000 mm); empfohlen "
              "ist V 12."},
        Words{"dieOutsideNoneSuggested", dieRangeNote(250, 40, std::nullopt),
              "Die Matrize V 250 liegt außerhalb von 6 · s … 12 · s (240.000 … 480.000 mm)."},
        Words{"pressNeedsWidth", pressUncheckedNote(true),
              "Die Presse wird nicht geprüft: die Kraft einer Biegung braucht die Breite W."},
        Words{"pressExceeded", pressLimitNote("Wand vorne", 143.4378, 100),
              "Wand vorne: die Kraft 143.4 kN übersteigt die Presse mit 100.0 kN."},
        Words{"pressJustExceeded", pressLimitNote("Biegung 1", 143.4378, 143.4),
              "Biegung 1: die Kraft 143.44 kN übersteigt die Presse mit 143.4 kN."},
        Words{"smallPress", pressLimitNote("Biegung 1", 0.012, 0.01),
              "Biegung 1: die Kraft 0.012 kN übersteigt die Presse mit 0.01 kN."},
        Words{"strengthBelowItsBands", strengthEstimateNote("Blech", 5, 1.5),
              "Die Kraft ist eine Schätzung: Blech gibt die Zugfestigkeit Rm erst ab s = 5 mm "
              "an, das Blech hat s = 1.50 mm."},
        Words{"noMinimumRadiusRow", minimumRadiusUnknownNote("S235JR", 1, 30, 0.5),
              "Der Mindestradius wird nicht geprüft: S235JR gibt ihn für 1 < s ≤ 30 mm an, das "
              "Blech hat s = 0.50 mm."},
        Words{"nameWithEscape", materialNameFault("S235\x1b[31m").value_or(""),
              "enthält das Steuerzeichen U+001B an Stelle 5"},
        Words{"nameWithOverride", materialNameFault("S235\u202e").value_or(""),
              "enthält das Steuerzeichen U+202E an Stelle 5"},
        Words{"nameTooLong", materialNameFault(std::string(101, 'x')).value_or(""),
              "hat 101 Zeichen, höchstens 100 sind erlaubt"},
        Words{"belowMinimumRadius",
              minimumRadiusNote("Wand links", 1, 1.6, "S235JR", 1.5, RollingDirection::Laengs),
              "Wand links: r = 1.00 mm liegt unter dem Mindestradius 1.60 mm von S235JR bei s = "
              "1.50 mm längs zur Walzrichtung: die Biegung kann reißen."},
        Words{"wallBelowLeastFlange", leastFlangeNote("Wand vorne", 8.48528, "", 12),
              "Wand vorne ist kürzer als der kleinste Schenkel 8.485 mm (Matrize V 12)."},
        Words{"legBelowLeastFlange", leastFlangeNote("Schenkel 3", 8.48528, "Biegung 2", 12),
              "Schenkel 3 ist kürzer als der kleinste Schenkel 8.485 mm an Biegung 2 (Matrize "
              "V 12)."},
        Words{"legBelowFourR", shortLegNote("Schenkel 3", 8, "Biegung 2"),
              "Schenkel 3 ist kürzer als 4 · r = 8.000 mm von Biegung 2, der kleinsten "
              "Schenkellänge für eine Biegung"},
        Words{"cornerGap", cornerGapNote("Wände rechts, links", true, 0.2, "vorne, hinten"),
              "Wände rechts, links enden an den stumpfen Ecken mit dem Spalt g = 0.200 mm vor den "
              "durchlaufenden Wänden (vorne, hinten)."},
        Words{"noCornerGap", cornerGapNote("Wand links", false, 0, "vorne"),
              "Wand links endet an den stumpfen Ecken mit dem Spalt g = 0.000 mm vor den "
              "durchlaufenden Wänden (vorne); ohne Spalt streift sie diese beim Biegen."}),
    test::rowName<Words>);

// State: a materials file that gives DC01 another density and an own material one. Action: the
// catalog. Expected: both densities there, the built-in ones kept elsewhere, and a material's
// JSON carries it back.
TEST(MaterialDensity, ComesFromTheFileOrTheBuiltIns)
{
    const MaterialCatalog catalog = materialCatalog(readMaterialsFile(
        R"({"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [
            {"name": "DC01", "dichte": 7.8},
            {"name": "Blech", "zugfestigkeit": [{"ab": 0, "min": 300, "max": 400}],
             "radiusfaktor": 0.2, "dichte": 2.7}]})",
        "werkstoffe.json"));
    EXPECT_EQ(requireMaterial(catalog, "DC01").density, 7.8);
    EXPECT_EQ(requireMaterial(catalog, "Blech").density, 2.7);
    EXPECT_EQ(requireMaterial(catalog, "X5CrNi18-10").density, 7.9);
    const Material& own = requireMaterial(catalog, "Blech");
    EXPECT_EQ(readMaterial(materialJson(own), "werkstoff"), own);
}

TEST(BuiltinMaterials, AllPassTheirOwnChecksAndAreFoundByNumber)
{
    for (const Material& material : builtinMaterials()) {
        EXPECT_NO_THROW(checkMaterial(material)) << material.name;
        EXPECT_EQ(&builtin(material.number->c_str()), &builtin(material.name.c_str()));
    }
    try {
        builtin("S999");
        FAIL();
    } catch (const PressRefusal& refusal) {
        EXPECT_THAT(refusal.what(), HasSubstr("„S999“; bekannt sind: S235JR, S275JR, S355J2"));
    }
}

// A strip of s 2, r 2 cut to 200: the legs decide v, and v decides k.
TestBend strip(double angle, double legs, std::optional<double> setAngle = std::nullopt)
{
    return {2, 2, std::nullopt, angle, setAngle, 200, legs / 2, legs / 2};
}

struct Refused
{
    const char* name;
    TestBend bend;
    PressItem item;
    const char* message;
};

class RefusedTestBends : public testing::TestWithParam<Refused>
{};

TEST_P(RefusedTestBends, SayWhy)
{
    try {
        evaluateTestBend(GetParam().bend);
        FAIL() << "taken";
    } catch (const PressRefusal& refusal) {
        EXPECT_EQ(refusal.item(), GetParam().item);
        EXPECT_THAT(refusal.what(), HasSubstr(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    TestBends, RefusedTestBends,
    testing::Values(
        Refused{"tooSharp", strip(44.9, 203), PressItem::Angle, "β = 44.9: eine Probebiegung"},
        Refused{"tooOpen", strip(135.5, 203), PressItem::Angle, "β = 135.5"},
        Refused{"kAboveLimit", strip(90, 198), PressItem::TestBend,
                "v = 2.000 mm und damit k = 4.366; k muss größer als 0 und höchstens 1.2"},
        Refused{"kNegative", strip(90, 207), PressItem::TestBend, "k = -1.363"},
        Refused{"springsIntoTheBend", strip(90, 203.8, 91), PressItem::SetAngle, "βe = 91"},
        Refused{"noCutLength",
                {2, 2, std::nullopt, 90, std::nullopt, 0, 100, 100},
                PressItem::CutLength,
                "Zuschnitt L0 = 0"}),
    test::rowName<Refused>);

TEST(TestBend, GivesTheKThatReproducesItsDeduction)
{
    // Legs for a k of about 0.7 at each angle.
    for (const auto& [angle, legs] : {std::pair{60.0, 202.3}, {90.0, 203.8}, {120.0, 201.8}}) {
        const TestBend bend = strip(angle, legs, angle - 2);
        const TestBendResult result = evaluateTestBend(bend);
        EXPECT_EQ(result.v, 200 - legs / 2 - legs / 2);
        EXPECT_NEAR(result.lengthDin + result.deviation, 200, 1e-12);
        EXPECT_DOUBLE_EQ(*result.springback, (180 - angle) / (182 - angle));
        // The window's formula with this k gives the measured v back.
        const double alpha = 180 - angle;
        const double t = angle > 90 ? std::tan(alpha * M_PI / 360) : 1;
        EXPECT_NEAR((2.0 / 2 * result.k + 2) * alpha * M_PI / 180 - 2 * 4 * t, result.v, 1e-9);
    }
}

// The shop's k at q = r / s runs linearly in log10 q between its test bends and is held beyond.
TEST(ShopCorrection, InterpolatesTheOffsetInLogQAndHoldsItOutside)
{
    Material material = builtin("DC01");
    material.testBends = {
        strip(90, 203.6), {2, 8, std::nullopt, 90, 88, 200, 103.2, 103.2}, strip(90, 203.8)};
    const ShopCorrection shop(material);
    const double low = (evaluateTestBend(material.testBends[0]).k - 0.65 +
                        evaluateTestBend(material.testBends[2]).k - 0.65) /
                       2;
    const TestBendResult at4 = evaluateTestBend(material.testBends[1]);
    const double high = at4.k - at4.kDin;
    EXPECT_EQ(shop.testBendCount(), 3u);
    EXPECT_NEAR(shop.k(1, 0.65), 0.65 + low, 1e-15);
    EXPECT_NEAR(shop.k(0.1, 0.15), 0.15 + low, 1e-15);
    EXPECT_NEAR(shop.k(2, 0.8), 0.8 + (low + high) / 2, 1e-12);
    EXPECT_NEAR(shop.k(40, 1), 1 + high, 1e-15);
    // Only the test bend at q 4 was set: its springback holds everywhere.
    EXPECT_DOUBLE_EQ(*shop.springback(1), 90.0 / 92);
    EXPECT_DOUBLE_EQ(setAngle(90, *shop.springback(1)), 88);
    EXPECT_FALSE(ShopCorrection(builtin("DC01")).springback(1));
}

MaterialsFile shopFile()
{
    UserMaterial own{"Hardox 450",
                     "1.8714",
                     std::vector<StrengthBand>{{0, 1300, 1500}},
                     0.3,
                     MinimumRadiusFactor{2.5, 3},
                     {strip(90, 203.8, 87)},
                     std::nullopt};
    UserMaterial added{"S235JR",          std::nullopt,        std::nullopt, 0.17,
                       NoMinimumRadius{}, {strip(120, 202.2)}, std::nullopt};
    return {{own, added}};
}

TEST(MaterialsFile, ReadsBackWhatItWroteAndMergesWithTheBuiltIns)
{
    const MaterialsFile file = shopFile();
    const std::string text = writeMaterialsFile(file);
    EXPECT_EQ(readMaterialsFile(text, "w.json"), file);
    EXPECT_EQ(writeMaterialsFile(readMaterialsFile(text, "w.json")), text);

    const MaterialCatalog catalog = materialCatalog(file);
    const Material& s235 = requireMaterial(catalog, "s235jr");
    EXPECT_EQ(s235.radiusFactor, 0.17);
    EXPECT_EQ(s235.number, "1.0038");
    EXPECT_EQ(s235.strength, builtin("S235JR").strength);
    EXPECT_TRUE(std::holds_alternative<NoMinimumRadius>(s235.minimumRadius));
    EXPECT_EQ(requireMaterial(catalog, "1.8714").name, "Hardox 450");
    EXPECT_EQ(minimumRadius(requireMaterial(catalog, "HARDOX 450"), 4, RollingDirection::Laengs),
              12);
    EXPECT_EQ(catalog.back().origin, MaterialOrigin::User);
}

TEST(MaterialsFile, TakesATestBendIntoTheRightEntry)
{
    const MaterialCatalog catalog = materialCatalog(shopFile());
    const MaterialsFile toOwn = withTestBend(shopFile(), catalog, "hardox 450", strip(100, 203));
    EXPECT_EQ(toOwn.materials[0].testBends.size(), 2u);
    const MaterialsFile toNew = withTestBend(shopFile(), catalog, "1.4301", strip(100, 203));
    EXPECT_EQ(toNew.materials.back().name, "X5CrNi18-10");
    EXPECT_EQ(toNew.materials.back().testBends, std::vector<TestBend>{strip(100, 203)});
    EXPECT_FALSE(toNew.materials.back().radiusFactor);
    EXPECT_THROW(withTestBend(shopFile(), catalog, "DC01", strip(30, 203)), PressRefusal);
    // Measured once, a test bend counts once: the same values again are not added, and said so.
    const EnteredTestBend again = enterTestBend(toOwn, catalog, "HARDOX 450", strip(100, 203));
    EXPECT_TRUE(again.alreadyThere);
    EXPECT_EQ(again.file, toOwn);
    EXPECT_EQ(enteredReport(again.file, again.material, true, "w.json"),
              "Diese Probebiegung steht schon in „w.json“ und ist nicht noch einmal eingetragen: "
              "Hardox 450 hat dort 2 Probebiegungen.");
    EXPECT_EQ(enteredReport(toNew, "X5CrNi18-10", false, "w.json"),
              "Eingetragen in „w.json“: X5CrNi18-10 hat dort 1 Probebiegung.");
    // A test bend is named by its values, so a list changed in between never loses another one.
    const MaterialsFile withoutFirst = withoutTestBend(toOwn, "Hardox 450", strip(90, 203.8, 87));
    EXPECT_EQ(withoutFirst.materials[0].testBends, std::vector<TestBend>{strip(100, 203)});
    EXPECT_THROW(withoutTestBend(withoutFirst, "Hardox 450", strip(90, 203.8, 87)), PressRefusal);
}

TEST(MaterialsFile, MergesAnotherWithoutDroppingAnything)
{
    // From the phone: S235JR known (one test bend the same, one new, another f), DC04 new.
    UserMaterial known{"s235jr",    std::nullopt,      std::nullopt,
                       0.18,        NoMinimumRadius{}, {strip(120, 202.2), strip(100, 203)},
                       std::nullopt};
    UserMaterial fresh{"DC04", std::nullopt, std::nullopt, std::nullopt, NoMinimumRadius{},
                       {},     std::nullopt};
    const MaterialsMerge merge = mergeMaterials(shopFile(), {{known, fresh}});

    EXPECT_EQ(merge.file.materials[0], shopFile().materials[0]);
    const UserMaterial& s235 = merge.file.materials[1];
    EXPECT_EQ(s235.name, "S235JR");
    EXPECT_EQ(s235.radiusFactor, 0.18);
    EXPECT_EQ(s235.testBends, (std::vector<TestBend>{strip(120, 202.2), strip(100, 203)}));
    EXPECT_EQ(merge.file.materials[2], fresh);
    EXPECT_EQ(mergeReport(merge, "werkstoffe.json"),
              "„werkstoffe.json“ übernommen: 1 Werkstoff neu, 1 Probebiegung dazu, "
              "1 Probebiegung war schon da. Bei S235JR gelten jetzt die Werte der Datei; die "
              "Probebiegungen bleiben.");
    EXPECT_EQ(mergeReport(mergeMaterials(shopFile(), shopFile()), "w.json"),
              "„w.json“ übernommen: 2 Probebiegungen waren schon da.");

    UserMaterial noStrength{"Eigenblech",      std::nullopt, std::nullopt, 0.2,
                            NoMinimumRadius{}, {},           std::nullopt};
    EXPECT_THROW(mergeMaterials(shopFile(), {{noStrength}}), PressRefusal);
}

struct BadFile
{
    const char* name;
    std::string text;
    const char* reason; // what follows "wird nicht gelesen: "
};

std::string document(const std::string& materials)
{
    return R"({"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [)" + materials + "]}";
}

class BadFiles : public testing::TestWithParam<BadFile>
{};

TEST_P(BadFiles, AreRefusedWithTheFileNamed)
{
    try {
        readMaterialsFile(GetParam().text, "/home/w/werkstoffe.json");
        FAIL() << "read";
    } catch (const MaterialsFileError& error) {
        EXPECT_EQ(error.what(),
                  "Die Werkstoffdatei „/home/w/werkstoffe.json“ wird nicht gelesen: " +
                      std::string(GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    testing::Values(
        BadFile{"notJson", "{\n\"format\": ,", "sie ist kein gültiges JSON (Zeile 2, Spalte 11)"},
        BadFile{"otherFormat", R"({"format": "kantrix-profil", "version": 1})",
                "sie ist keine Kantrix-Werkstoffdatei (\"format\" ist nicht „kantrix-werkstoffe“)"},
        BadFile{"newer", R"({"format": "kantrix-werkstoffe", "version": 2, "werkstoffe": []})",
                "sie hat die Version 2 des Werkstoffformats; diese Kantrix-Version liest bis "
                "Version 1"},
        BadFile{"keyTwice", document(R"({"name": "A", "radiusfaktor": 0.1, "radiusfaktor": 0.2})"),
                "der Schlüssel \"radiusfaktor\" steht zweimal im selben Objekt"},
        BadFile{"unknownKey", document(R"({"name": "S235JR", "farbe": "rot"})"),
                "unbekannter Schlüssel \"farbe\" in „werkstoffe[1]“ (Zeile 1, Spalte 91)"},
        BadFile{"emptyUnknownKey", document(R"({"name": "S235JR", "": null})"),
                "unbekannter Schlüssel \"\" in „werkstoffe[1]“ (Zeile 1, Spalte 86)"},
        BadFile{"wrongValue", document(R"({"name": "S235JR", "radiusfaktor": "0.16"})"),
                "„werkstoffe[1].radiusfaktor“ muss eine Zahl sein (Zeile 1, Spalte 98)"},
        BadFile{"densityNotPositive", document(R"({"name": "DC01", "dichte": 0})"),
                "Werkstoff „DC01“: Dichte 0 g/cm³: muss größer als 0 und höchstens 100 sein"},
        BadFile{"densityAsText", document(R"({"name": "DC01", "dichte": "7.85"})"),
                "„werkstoffe[1].dichte“ muss eine Zahl sein (Zeile 1, Spalte 90)"},
        BadFile{"sameMaterialTwice", document(R"({"name": "DC01"}, {"name": "dc01"})"),
                "der Werkstoff „dc01“ steht zweimal darin (Zeile 1, Spalte 90)"},
        BadFile{"nameWithEscapeFoundInItsLine",
                document("{\"name\": \"DC01\"},\n  {\"radiusfaktor\": 0.2, \"name\": "
                         "\"\\u001b[31mDC01\"}"),
                "„werkstoffe[2].name“ enthält das Steuerzeichen U+001B an Stelle 1 (Zeile 2, "
                "Spalte 33)"},
        BadFile{"ownWithoutStrength", document(R"({"name": "Blech", "radiusfaktor": 0.2})"),
                "Werkstoff „Blech“: ein eigener Werkstoff braucht die Zugfestigkeit "
                "(\"zugfestigkeit\") und den Radiusfaktor (\"radiusfaktor\")"},
        BadFile{
            "strengthUpsideDown",
            document(R"({"name": "DC01", "zugfestigkeit": [{"ab": 0, "min": 400, "max": 300}]})"),
            "Werkstoff „DC01“: Zugfestigkeit 400–300 N/mm²: min und max müssen größer als 0 "
            "sein, min nicht über max"},
        BadFile{"badTestBend",
                document(R"({"name": "DC01", "probebiegungen": [{"dicke": 2, "radius": 2,
                    "winkel": 90, "zuschnitt": 200, "schenkel": [99, 99]}]})"),
                "Werkstoff „DC01“: Probebiegung 1: Die Probebiegung ergibt v = 2.000 mm und damit "
                "k = 4.366; k muss größer als 0 und höchstens 1.2 sein: wohl ein Messfehler (L0, a "
                "oder b)"}),
    test::rowName<BadFile>);

} // namespace
} // namespace kantrix::press
