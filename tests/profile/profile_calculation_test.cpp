// The arithmetic of several bends: the worked parts, the window's bend as a two-leg profile, the
// refusals and the notes.

#include "bend_calculation.h"
#include "bend_error.h"
#include "bend_formulas.h"
#include "material_catalog.h"
#include "number_text.h"
#include "profile_calculation.h"
#include "profile_refusal.h"
#include "row_names.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace kantrix::profile {
namespace {

Profile part(std::vector<double> legs, std::vector<double> angles, double s = 2, double r = 2)
{
    Profile profile;
    profile.thickness = s;
    profile.radius = r;
    for (double length : legs)
        profile.legs.push_back({length, Measure::Aussen});
    for (double angle : angles)
        profile.bends.push_back({angle, std::nullopt, Direction::Plus});
    return profile;
}

double rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

struct WorkedPart
{
    const char* name;
    Profile profile;
    double length;
    std::vector<double> bendLines;
};

Profile withInnerLegs(Profile profile, std::vector<std::size_t> legs)
{
    for (std::size_t leg : legs)
        profile.legs[leg].measure = Measure::Innen;
    return profile;
}

Profile zWithDirections()
{
    Profile z = part({30, 60, 30}, {90, 90});
    z.bends[1].direction = Direction::Minus;
    return z;
}

class WorkedParts : public testing::TestWithParam<WorkedPart>
{};

TEST_P(WorkedParts, giveTheDevelopedLengthAndBendLinesToThreeDecimals)
{
    const WorkedPart& worked = GetParam();
    const ProfileResult result = computeProfile(worked.profile);
    EXPECT_EQ(rounded(result.developedLength, 3), worked.length);
    ASSERT_EQ(result.bends.size(), worked.profile.bends.size());
    for (std::size_t i = 0; i < worked.bendLines.size(); ++i)
        EXPECT_EQ(rounded(result.bends[i].bendLine, 3), worked.bendLines[i]) << "bend " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Parts, WorkedParts,
    testing::Values(WorkedPart{"u", part({50, 100, 50}, {90, 90}), 192.325, {48.081, 144.244}},
                    WorkedPart{"z", part({30, 60, 30}, {90, 90}), 112.325, {28.081, 84.244}},
                    WorkedPart{"zDirections", zWithDirections(), 112.325, {28.081, 84.244}},
                    WorkedPart{"hat", part({20, 30, 40, 30, 20}, {90, 90, 90, 90}), 124.650, {}},
                    WorkedPart{"uInside",
                               withInnerLegs(part({48, 96, 48}, {90, 90}), {0, 1, 2}),
                               192.325,
                               {48.081, 144.244}}),
    test::rowName<WorkedPart>);

TEST(InnerMeasure, addsTheThicknessTimesTheSetbackFactorAtEachBend)
{
    // State: 120 degrees, so t = tan 30 degrees; leg 2 has two bends, leg 1 one.
    const ProfileResult result =
        computeProfile(withInnerLegs(part({40, 80, 40}, {120, 120}), {0, 1}));
    const double t = result.bends[0].setback / (2 + 2);
    EXPECT_DOUBLE_EQ(result.legs[0].outer, 40 + 2 * t);
    EXPECT_DOUBLE_EQ(result.legs[1].outer, 80 + 2 * 2 * t);
    EXPECT_EQ(result.legs[2].outer, 40);
    EXPECT_NEAR(t, std::tan(30 * M_PI / 180), 1e-12);
    EXPECT_DOUBLE_EQ(result.legs[1].straight, result.legs[1].outer - 2 * result.bends[0].setback);
}

// Two legs measured outside are the window's bend: the same k, n, v, bz, L and a' to the bit.
struct WindowBend
{
    double r, s, beta, a, b;
};

class TwoLegs : public testing::TestWithParam<WindowBend>
{};

TEST_P(TwoLegs, areTheWindowsBendToTheBit)
{
    const WindowBend& bend = GetParam();
    BendState window;
    window.r = bend.r;
    window.s = bend.s;
    window.beta = bend.beta;
    window.alpha = 180 - bend.beta;
    window.l(1) = bend.a;
    window.l(2) = bend.b;
    k_wert(window);
    v_wert(window);
    derivedLengths(window);

    Profile profile = part({bend.a, bend.b}, {bend.beta}, bend.s, bend.r);
    const ProfileResult result = computeProfile(profile);
    const BendResult& only = result.bends[0];
    EXPECT_EQ(std::bit_cast<std::uint64_t>(only.k), std::bit_cast<std::uint64_t>(window.k));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(only.n), std::bit_cast<std::uint64_t>(window.n));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(only.v), std::bit_cast<std::uint64_t>(window.v));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(only.bz), std::bit_cast<std::uint64_t>(window.z));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(result.developedLength),
              std::bit_cast<std::uint64_t>(window.l(5)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(only.bendLine),
              std::bit_cast<std::uint64_t>(window.l(3)));
}

INSTANTIATE_TEST_SUITE_P(
    Bends, TwoLegs,
    testing::Values(WindowBend{2, 2, 90, 100, 100}, WindowBend{2, 2, 120, 100, 100},
                    WindowBend{10, 2, 90, 40, 60}, WindowBend{9.999, 2, 90.0001, 40, 60},
                    WindowBend{3, 1.5, 120, 12, 80}, WindowBend{1, 1, 179, 4.1, 7.3},
                    WindowBend{2, 2, 1, 30, 30}, WindowBend{0.5, 3, 45.5, 10 + 0.1 + 0.2, 77.7},
                    WindowBend{25, 0.8, 150, 1234.5678, 0.000123e6}));

// Each refusal names the value and where it stands, so that an editor can mark it.
struct Refused
{
    const char* name;
    Profile profile;
    ProfileItem item;
    std::size_t index;
    const char* message;
};

Profile changed(Profile profile, void (*change)(Profile&))
{
    change(profile);
    return profile;
}

class Refusals : public testing::TestWithParam<Refused>
{};

TEST_P(Refusals, nameTheValueAndCorrectNothing)
{
    const Refused& refused = GetParam();
    try {
        computeProfile(refused.profile);
        FAIL() << "not refused";
    } catch (const ProfileRefusal& refusal) {
        EXPECT_EQ(refusal.item(), refused.item);
        EXPECT_EQ(refusal.index(), refused.index);
        EXPECT_STREQ(refusal.what(), refused.message);
    }
}

const Profile u = part({50, 100, 50}, {90, 90});

INSTANTIATE_TEST_SUITE_P(
    Values, Refusals,
    testing::Values(
        Refused{"legTooShort", part({50, 7.999, 50}, {90, 90}), ProfileItem::LegLength, 1,
                "Schenkel 2 ist zu kurz für seine Biegungen: mindestens 8.000 mm"},
        Refused{"innerLegTooShort", withInnerLegs(part({50, 3.9, 50}, {90, 90}), {1}),
                ProfileItem::LegLength, 1,
                "Schenkel 2 ist zu kurz für seine Biegungen: mindestens 4.000 mm"},
        Refused{"zeroThickness", changed(u, [](Profile& p) { p.thickness = 0; }),
                ProfileItem::Thickness, 0, "Blechdicke s = 0: muss eine Zahl größer als 0 sein"},
        Refused{"negativeRadius", changed(u, [](Profile& p) { p.radius = -1; }),
                ProfileItem::Radius, 0, "Biegeradius r = -1: muss eine Zahl größer als 0 sein"},
        Refused{"zeroWidth", changed(u, [](Profile& p) { p.width = 0.0; }), ProfileItem::Width, 0,
                "Breite W = 0: muss eine Zahl größer als 0 sein"},
        Refused{"infiniteLeg", changed(u, [](Profile& p) { p.legs[2].length = INFINITY; }),
                ProfileItem::LegLength, 2, "Schenkel 3 = ∞: muss eine Zahl größer als 0 sein"},
        Refused{"flatAngle", changed(u, [](Profile& p) { p.bends[1].angle = 180; }),
                ProfileItem::BendAngle, 1,
                "Öffnungswinkel β von Biegung 2 = 180: muss größer als 0 und kleiner als 180 "
                "sein"},
        Refused{"nanAngle", changed(u, [](Profile& p) { p.bends[0].angle = NAN; }),
                ProfileItem::BendAngle, 0,
                "Öffnungswinkel β von Biegung 1 = NaN: muss größer als 0 und kleiner als 180 "
                "sein"},
        Refused{"zeroBendRadius", changed(u, [](Profile& p) { p.bends[0].radius = 0.0; }),
                ProfileItem::BendRadius, 0,
                "Biegeradius r von Biegung 1 = 0: muss eine Zahl größer als 0 sein"},
        Refused{"bendMissing", changed(u, [](Profile& p) { p.bends.pop_back(); }),
                ProfileItem::Lists, 0, "3 Schenkel brauchen 2 Biegungen, angegeben sind 1"},
        Refused{"oneLeg", part({50}, {}), ProfileItem::Lists, 0,
                "Ein Profil hat 2 bis 101 Schenkel (höchstens 100 Biegungen), nicht 1"},
        Refused{"tooManyBends", part(std::vector<double>(102, 50), std::vector<double>(101, 90)),
                ProfileItem::Lists, 0,
                "Ein Profil hat 2 bis 101 Schenkel (höchstens 100 Biegungen), nicht 102"}),
    test::rowName<Refused>);

TEST(Limits, aHundredBendsAreComputed)
{
    EXPECT_NO_THROW(
        computeProfile(part(std::vector<double>(101, 50), std::vector<double>(100, 90))));
}

TEST(Limits, aLegWhoseStraightPartIsZeroCanBeBent)
{
    EXPECT_EQ(computeProfile(part({50, 8, 50}, {90, 90})).legs[1].straight, 0);
}

TEST(Limits, aResultBeyondTheDoubleRangeIsTheCoresFault)
{
    EXPECT_THROW(computeProfile(part({1e308, 1e308, 1e308}, {90, 90})), BendError);
}

struct Noted
{
    const char* name;
    Profile profile;
    std::vector<std::string> notes;
};

class Notes : public testing::TestWithParam<Noted>
{};

TEST_P(Notes, sayWhereTheFormulasLeaveRealSheet)
{
    EXPECT_EQ(computeProfile(GetParam().profile).notes, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Notes,
    testing::Values(
        Noted{"none", part({50, 100, 50}, {90, 90}), {}},
        Noted{"kFixedAtOneForBoth",
              part({50, 100, 50}, {90, 90}, 2, 10),
              {"Biegungen 1, 2: k = 1: Ab r/s = 5 ist k fest 1 gesetzt; die Formel für k gilt nur "
               "darunter."}},
        Noted{"nearlyFlatAndNegativeK",
              changed(part({50, 100, 50}, {90, 170}, 2, 0.05),
                      [](Profile& p) { p.bends[1].radius = 2.0; }),
              {"Biegung 1: k ≤ 0: Unter r/s ≈ 0.05 liegt die neutrale Faser rechnerisch "
               "außerhalb des Blechs; die Formel für k beschreibt so kleine Radien nicht mehr.",
               "Biegung 2: β > 165°: DIN 6935 setzt hier v = 0. Das ist nicht angewendet; v ist "
               "mit der stetigen Formel berechnet."}},
        Noted{"shortLeg",
              part({50, 100, 7.9}, {90, 90}),
              {"Schenkel 3 ist kürzer als 4 · r = 8.000 mm von Biegung 2, der kleinsten "
               "Schenkellänge für eine Biegung"}}),
    test::rowName<Noted>);

} // namespace
} // namespace kantrix::profile

namespace kantrix::profile {
namespace {

// A U channel of S235JR, s 1.5, on a V 12 die, 1000 long, its last leg shorter than the die
// allows, on a press of 100 kN.
Profile atThePress()
{
    Profile profile = part({50, 100, 8}, {90, 90}, 1.5);
    profile.material = press::requireMaterial(press::materialCatalog(), "S235JR");
    profile.die = 12;
    profile.width = 1000;
    profile.pressLimit = 100;
    followDie(profile);
    return profile;
}

TEST(PressBrake, UChannelInS235OnAV12Die)
{
    const ProfileResult result = computeProfile(atThePress());
    EXPECT_EQ(result.bends[0].radius, 0.16 * 12);
    EXPECT_EQ(result.bends[1].force, 1.5 * 510 * 1000 * 1.5 * 1.5 / 12 / 1000);
    EXPECT_EQ(result.bends[1].forcePerMetre, result.bends[1].force);
    EXPECT_EQ(result.largestForce, result.bends[1].force);
    EXPECT_EQ(FormatNumber(*result.bends[1].leastFlange, threeDecimals), "8.485");
    EXPECT_EQ(result.suggestedDie, 12);
    EXPECT_EQ(result.bends[0].minimumRadius, 1.6);
    EXPECT_FALSE(result.bends[0].setAngle);
    EXPECT_EQ(result.bends[0].k, result.bends[0].kDin);
    EXPECT_EQ(result.notes,
              (std::vector<std::string>{
                  "Biegungen 1, 2: die Kraft 143.4 kN übersteigt die Presse mit 100.0 kN.",
                  "Schenkel 3 ist kürzer als der kleinste Schenkel 8.485 mm an Biegung 2 "
                  "(Matrize V 12)."}));
    // The note stands at the short leg too, for an editor to mark it; the others have none.
    EXPECT_EQ(result.legs[2].leastFlangeNote, result.notes[1]);
    EXPECT_FALSE(result.legs[0].leastFlangeNote || result.legs[1].leastFlangeNote);
}

TEST(PressBrake, NotesOfDieRangeForceEstimateAndMinimumRadius)
{
    Profile profile = atThePress();
    profile.legs[2].length = 50;
    profile.die = 35;
    profile.bends[1].radius = 1.0;
    profile.rolling = press::RollingDirection::Laengs;
    followDie(profile);
    EXPECT_EQ(computeProfile(profile).notes,
              (std::vector<std::string>{
                  "Die Matrize V 35 liegt außerhalb von 6 · s … 12 · s (9.000 … 18.000 mm); "
                  "empfohlen ist V 12.",
                  "Die Kraft ist eine Schätzung: die Formel gilt für Stahl mit 0.5 ≤ s ≤ 10 mm "
                  "und 5 ≤ V/s ≤ 20.",
                  "Biegung 2: r = 1.00 mm liegt unter dem Mindestradius 1.60 mm von S235JR bei "
                  "s = 1.50 mm längs zur Walzrichtung: die Biegung kann reißen."}));
}

struct LikeATestBend
{
    const char* name;
    double angle;
    double legs; // a + b measured
    // A test bend at the same r / s but another thickness, which must not count.
    std::optional<press::TestBend> otherThickness = std::nullopt;
};

class BentLikeATestBend : public testing::TestWithParam<LikeATestBend>
{};

// State: DC01 with three test bends at other q and one at r 3, s 2 / Action: a two-leg profile
// made like that one / Expected: the deduction that was measured, and k from the test bends.
TEST_P(BentLikeATestBend, GetsTheMeasuredDeduction)
{
    const double beta = GetParam().angle;
    const press::TestBend measured{2,          3,   std::nullopt,        beta,
                                   beta - 2.5, 200, GetParam().legs / 2, GetParam().legs / 2};
    Profile profile = part({GetParam().legs / 2, GetParam().legs / 2}, {beta}, 2, 3);
    profile.material = press::requireMaterial(press::materialCatalog(), "DC01");
    profile.material->testBends = {{2, 1, std::nullopt, 90, std::nullopt, 200, 101.6, 101.6},
                                   measured,
                                   {2, 8, std::nullopt, 90, std::nullopt, 200, 103.2, 103.2},
                                   {2, 1, std::nullopt, 90, std::nullopt, 200, 101.7, 101.7}};
    if (GetParam().otherThickness)
        profile.material->testBends.push_back(*GetParam().otherThickness);
    const ProfileResult result = computeProfile(profile);
    EXPECT_NEAR(result.bends[0].v, 200 - GetParam().legs, 1e-9);
    EXPECT_NEAR(result.developedLength, 200, 1e-9);
    EXPECT_TRUE(result.bends[0].kFromTestBends);
    EXPECT_NEAR(*result.bends[0].setAngle, beta - 2.5, 1e-9);
    EXPECT_EQ(result.notes.back(), "k aus 4 Probebiegungen (DC01).");
}

INSTANTIATE_TEST_SUITE_P(
    Angles, BentLikeATestBend,
    testing::Values(LikeATestBend{"sharp", 60, 203.3}, LikeATestBend{"right", 90, 204.6},
                    LikeATestBend{"open", 120, 202.5},
                    LikeATestBend{"besideAThickerStrip", 90, 204.6,
                                  press::TestBend{4, 6, std::nullopt, 90, 85, 200, 104.3, 104.3}}),
    test::rowName<LikeATestBend>);

INSTANTIATE_TEST_SUITE_P(
    PressBrake, Refusals,
    testing::Values(
        Refused{"zeroDie", changed(atThePress(), [](Profile& p) { p.die = 0.0; }), ProfileItem::Die,
                0, "Matrizenöffnung V = 0: muss eine Zahl größer als 0 sein"},
        Refused{"negativePress", changed(atThePress(), [](Profile& p) { p.pressLimit = -5.0; }),
                ProfileItem::PressLimit, 0, "Presse = -5: muss eine Zahl größer als 0 sein"},
        Refused{"radiusBesideTheDie", changed(atThePress(), [](Profile& p) { p.radius = 2; }),
                ProfileItem::Radius, 0,
                "Biegeradius r = 2: mit der Matrize V 12 folgt er aus ihr, r = f · V = 1.920 mm"},
        // With a die, what the user gave is named, not the radius made of it.
        Refused{"negativeDieFollowed",
                changed(atThePress(),
                        [](Profile& p) {
                            p.die = -1.0;
                            followDie(p);
                        }),
                ProfileItem::Die, 0, "Matrizenöffnung V = -1: muss eine Zahl größer als 0 sein"},
        Refused{"zeroRadiusFactor",
                changed(atThePress(),
                        [](Profile& p) {
                            p.material->radiusFactor = 0;
                            followDie(p);
                        }),
                ProfileItem::Material, 0,
                "Werkstoff „S235JR“: Radiusfaktor f = 0: muss größer als 0 und höchstens 10 sein"},
        Refused{"dieNarrowerThanTwoS",
                changed(atThePress(),
                        [](Profile& p) {
                            p.die = 1e-5;
                            followDie(p);
                        }),
                ProfileItem::Die, 0,
                "Matrizenöffnung V = 0.00001: schmaler als 2 · s = 3.000 mm, das Blech liegt nicht "
                "auf beiden Schultern auf"},
        Refused{"badTestBend",
                changed(atThePress(),
                        [](Profile& p) {
                            p.material->testBends.push_back(
                                {2, 2, std::nullopt, 30, std::nullopt, 200, 100, 100});
                        }),
                ProfileItem::Material, 0,
                "Werkstoff „S235JR“: Probebiegung 1: Öffnungswinkel β = 30: eine Probebiegung "
                "braucht 45 bis 135 Grad, sonst bestimmt die Messung k zu ungenau"}),
    test::rowName<Refused>);

} // namespace
} // namespace kantrix::profile
