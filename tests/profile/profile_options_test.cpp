// The command-line words of a profile: numbers of both styles, the refusals of options that do
// not describe a profile, and options that read back to the same profile, bit for bit.

#include "profile_options.h"
#include "profile_refusal.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

namespace kantrix::profile {
namespace {

struct NumberCase
{
    const char* name;
    const char* text;
    NumberStyle style;
    std::optional<double> value;
};

class Numbers : public testing::TestWithParam<NumberCase>
{};

TEST_P(Numbers, readOnlyTheirStyle)
{
    EXPECT_EQ(readNumber(GetParam().text, GetParam().style), GetParam().value);
}

constexpr NumberStyle plain = NumberStyle::Plain;
constexpr NumberStyle typed = NumberStyle::PointOrComma;

INSTANTIATE_TEST_SUITE_P(
    Texts, Numbers,
    testing::Values(NumberCase{"plainPoint", "1.5", plain, 1.5},
                    NumberCase{"plainExponent", "+4e-3", plain, 4e-3},
                    NumberCase{"plainComma", "1,5", plain, std::nullopt},
                    NumberCase{"plainBlank", " 1.5", plain, std::nullopt},
                    NumberCase{"plainUnit", "12 mm", plain, std::nullopt},
                    NumberCase{"plainOverflow", "1e999", plain, std::nullopt},
                    NumberCase{"typedComma", " 1,5\t", typed, 1.5},
                    NumberCase{"typedTwoSeparators", "1.000,5", typed, std::nullopt},
                    NumberCase{"typedUnit", "12 mm", typed, std::nullopt},
                    NumberCase{"typedBlanksOnly", "  ", typed, std::nullopt},
                    NumberCase{"typedOverflow", "-1e999", typed, std::nullopt}),
    test::rowName<NumberCase>);

ProfileOptions channel()
{
    ProfileOptions options;
    options.dicke = "2";
    options.radius = "2";
    options.schenkel = "50/100/50";
    options.winkel = "90/90";
    return options;
}

struct RefusedCase
{
    const char* name;
    ProfileOptions options;
    ProfileItem item;
    std::size_t index;
    const char* message;
};

ProfileOptions with(void (*change)(ProfileOptions&))
{
    ProfileOptions options = channel();
    change(options);
    return options;
}

class RefusedOptions : public testing::TestWithParam<RefusedCase>
{};

TEST_P(RefusedOptions, nameTheValueAndItsPlace)
{
    try {
        readProfileOptions(GetParam().options);
        FAIL() << "read";
    } catch (const ProfileRefusal& refusal) {
        EXPECT_EQ(std::string(refusal.what()), GetParam().message);
        EXPECT_EQ(refusal.item(), GetParam().item);
        EXPECT_EQ(refusal.index(), GetParam().index);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Options, RefusedOptions, testing::Values(
    RefusedCase{"commaInLeg", with([](ProfileOptions& o) { o.schenkel = "50/1,5/50"; }), ProfileItem::LegLength, 1,
        "Ungültiger Wert „1,5“ für Schenkel 2 (--schenkel): erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)"},
    RefusedCase{"hugeWidth", with([](ProfileOptions& o) { o.breite = "1e999"; }), ProfileItem::Width, 0,
        "Ungültiger Wert „1e999“ für Breite W (--breite): die Zahl liegt außerhalb des Zahlenbereichs"},
    RefusedCase{"oneLeg", with([](ProfileOptions& o) { o.schenkel = "50"; }), ProfileItem::Lists, 0,
        "Ein Profil hat 2 bis 101 Schenkel (höchstens 100 Biegungen), --schenkel nennt 1"},
    RefusedCase{"tooManyAngles", with([](ProfileOptions& o) { o.winkel = "90/90/90"; }), ProfileItem::Lists, 0,
        "3 Schenkel brauchen 2 Öffnungswinkel in --winkel, angegeben sind 3"},
    RefusedCase{"tooFewRadii", with([](ProfileOptions& o) { o.radien = "3"; }), ProfileItem::Lists, 0,
        "3 Schenkel brauchen 2 Radien in --radien, angegeben sind 1"},
    RefusedCase{"badDirection", with([](ProfileOptions& o) { o.richtung = "-/x"; }), ProfileItem::BendDirection, 1,
        "Ungültige Richtung „x“ für Biegung 2 (--richtung): erwartet wird + oder -"},
    RefusedCase{"legZero", with([](ProfileOptions& o) { o.innen = "0"; }), ProfileItem::LegMeasure, 0,
        "Ungültige Angabe „0“ für --innen: erwartet wird die Nummer eines der 3 Schenkel, von 1 an"},
    RefusedCase{"legTwice", with([](ProfileOptions& o) { o.innen = "3/3"; }), ProfileItem::LegMeasure, 2,
        "Schenkel 3 steht mehr als einmal in --innen"},
    RefusedCase{"angleOutOfRange", with([](ProfileOptions& o) { o.winkel = "90/180"; }), ProfileItem::BendAngle, 1,
        "Öffnungswinkel β von Biegung 2 = 180: muss größer als 0 und kleiner als 180 sein"},
    RefusedCase{"ownRadiusZero", with([](ProfileOptions& o) { o.radien = "/0"; }), ProfileItem::BendRadius, 1,
        "Biegeradius r von Biegung 2 = 0: muss eine Zahl größer als 0 sein"},
    RefusedCase{"radiusWithDie", with([](ProfileOptions& o) { o.matrize = "12"; }), ProfileItem::Radius, 0,
        "Biegeradius r (--radius) und Matrize (--matrize) zusammen: mit einer Matrize folgt der Biegeradius aus ihr, r = f · V; ein eigener Radius steht bei der Biegung (--radien)"},
    RefusedCase{"dieZero", with([](ProfileOptions& o) { o.radius = ""; o.matrize = "0"; }), ProfileItem::Die, 0,
        "Matrizenöffnung V = 0: muss eine Zahl größer als 0 sein"},
    RefusedCase{"unknownMaterial", with([](ProfileOptions& o) { o.werkstoff = "Gold"; }), ProfileItem::Material, 0,
        "Unbekannter Werkstoff „Gold“; bekannt sind: S235JR, S275JR, S355J2, DC01, DC04, X5CrNi18-10, EN AW-5754 H22, EN AW-1050A H14"},
    RefusedCase{"pressZero", with([](ProfileOptions& o) { o.presse = "0"; }), ProfileItem::PressLimit, 0,
        "Presse = 0: muss eine Zahl größer als 0 sein"},
    RefusedCase{"rollingSideways", with([](ProfileOptions& o) { o.walzrichtung = "schräg"; }), ProfileItem::RollingDirection, 0,
        "Ungültige Walzrichtung „schräg“ (--walzrichtung): erwartet wird quer oder laengs"}),
    test::rowName<RefusedCase>);

TEST(ProfileOptions, atThePressBrakeReadBackToTheSameProfile)
{
    ProfileOptions options = channel();
    options.radius.clear();
    options.werkstoff = "1.4301";
    options.matrize = "16";
    options.presse = "250";
    options.walzrichtung = "laengs";
    const Profile profile = readProfileOptions(options);
    EXPECT_EQ(profile.material->name, "X5CrNi18-10");
    EXPECT_EQ(profile.radius, 0.21 * 16);
    options.werkstoff = "X5CrNi18-10";
    EXPECT_EQ(profileOptions(profile), options);
    EXPECT_EQ(readProfileOptions(profileOptions(profile)), profile);
}
// clang-format on

// A valid double of any bits in (0, max]: a random bit pattern of a positive finite value.
double randomPositive(std::mt19937_64& random)
{
    for (;;) {
        const double value = std::bit_cast<double>(random() >> 1);
        if (std::isfinite(value) && value > 0)
            return value;
    }
}

TEST(ProfileOptions, readBackToTheSameProfileBitForBit)
{
    std::mt19937_64 random(20261209);
    for (int round = 0; round < 2000; ++round) {
        Profile profile;
        profile.thickness = randomPositive(random);
        profile.radius = randomPositive(random);
        if (random() % 2)
            profile.width = randomPositive(random);
        const std::size_t legs = 2 + random() % 5;
        for (std::size_t i = 0; i < legs; ++i)
            profile.legs.push_back(
                {randomPositive(random), random() % 3 ? Measure::Aussen : Measure::Innen});
        for (std::size_t i = 0; i + 1 < legs; ++i) {
            Bend bend;
            bend.angle = std::nextafter(0.0, 1.0) + std::fmod(randomPositive(random), 180.0);
            if (!(bend.angle < 180))
                bend.angle = 90;
            if (random() % 2)
                bend.radius = randomPositive(random);
            bend.direction = random() % 2 ? Direction::Plus : Direction::Minus;
            profile.bends.push_back(bend);
        }
        const ProfileOptions options = profileOptions(profile);
        ASSERT_EQ(readProfileOptions(options), profile) << options.dicke << " " << options.schenkel;
        ASSERT_EQ(profileOptions(readProfileOptions(options)), options);
    }
    // and what says nothing is left out
    EXPECT_EQ(profileOptions(readProfileOptions(channel())), channel());
    EXPECT_EQ(exactNumberText(0.1), "0.1");
    EXPECT_EQ(exactNumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(exactNumberText(5e-324), "5e-324");
}

} // namespace
} // namespace kantrix::profile
