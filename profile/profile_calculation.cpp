#include "profile_calculation.h"

#include "bend_formulas.h"
#include "bending_force.h"
#include "die.h"
#include "finite_check.h"
#include "number_text.h"
#include "press_notes.h"
#include "press_refusal.h"
#include "profile_refusal.h"
#include "sheet_content.h"
#include "shop_correction.h"
#include "tangent.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

namespace kantrix::profile {

namespace {

std::string shown(double value)
{
    return std::isfinite(value) ? NumberToText(value) : std::string(value > 0 ? "∞" : "NaN");
}

std::string millimetres(double value)
{
    return FormatNumber(value, threeDecimals) + " mm";
}

bool isPositiveLength(double value)
{
    return value > 0 && std::isfinite(value);
}

// `name` is asked for only when the value is refused: the checks run before every calculation.
template <typename Name>
void requirePositive(double value, ProfileItem item, std::size_t index, const Name& name)
{
    if (!isPositiveLength(value))
        throw ProfileRefusal(item, index, notPositiveText(name(), value));
}

// A fixed name, for requirePositive.
auto named(const char* name)
{
    return [name] { return name; };
}

std::string legName(std::size_t leg)
{
    return "Schenkel " + std::to_string(leg + 1);
}

std::string bendName(std::size_t bend)
{
    return "Biegung " + std::to_string(bend + 1);
}

// "Biegung 2" or "Biegungen 1, 3": the bends a note is about.
std::string bendList(const std::vector<std::size_t>& bends)
{
    std::string list = bends.size() == 1 ? "Biegung " : "Biegungen ";
    for (std::size_t i = 0; i < bends.size(); ++i)
        list += (i ? ", " : "") + std::to_string(bends[i] + 1);
    return list;
}

// The bend of the window for one bend of the profile, with the legs beside it as its flanges;
// with the shop's test bends their k takes the place of DIN 6935's before v and bz are worked
// out. Gives DIN 6935's k in `kDin`.
BendState windowBend(double r, double s, double beta, double a, double b,
                     const press::ShopCorrection::At* shop, double& kDin)
{
    BendState state = bendOf(r, s, beta, a, b);
    checkFinite(state.alpha);
    k_wert(state);
    kDin = state.k;
    if (shop) {
        state.k = kDin + shop->kOffset;
        checkFinite(state.k);
        state.n = state.k / 2;
    }
    v_wert(state);
    derivedLengths(state);
    return state;
}

// The material's and the die's refusals, as the profile's, naming the same field.
ProfileRefusal profileRefusal(const press::PressRefusal& refusal)
{
    return ProfileRefusal(refusal.item() == press::PressItem::Die ? ProfileItem::Die
                                                                  : ProfileItem::Material,
                          0, refusal.what());
}

// Checks of single values without the test bends, which computeProfile evaluates as it uses
// them.
void checkValues(const Profile& profile)
{
    const std::size_t legs = profile.legs.size();
    if (legs < minLegs || legs > maxLegs)
        throw ProfileRefusal(ProfileItem::Lists, 0,
                             "Ein Profil hat 2 bis " + std::to_string(maxLegs) +
                                 " Schenkel (höchstens " + std::to_string(maxBends) +
                                 " Biegungen), nicht " + std::to_string(legs));
    if (profile.bends.size() != legs - 1)
        throw ProfileRefusal(ProfileItem::Lists, 0,
                             std::to_string(legs) + " Schenkel brauchen " +
                                 std::to_string(legs - 1) + " Biegungen, angegeben sind " +
                                 std::to_string(profile.bends.size()));
    requirePositive(profile.thickness, ProfileItem::Thickness, 0, named("Blechdicke s"));
    // With a die the radius is f · V: the die and the material's f are named before it, so that
    // a refusal names the value the user gave, not the radius made of it.
    try {
        if (profile.die)
            press::checkDie(*profile.die, profile.thickness);
        if (profile.material)
            press::checkMaterialValues(*profile.material);
    } catch (const press::PressRefusal& refusal) {
        throw profileRefusal(refusal);
    }
    requirePositive(profile.radius, ProfileItem::Radius, 0, named("Biegeradius r"));
    if (profile.width)
        requirePositive(*profile.width, ProfileItem::Width, 0, named("Breite W"));
    for (std::size_t i = 0; i < legs; ++i)
        requirePositive(profile.legs[i].length, ProfileItem::LegLength, i,
                        [i] { return legName(i); });
    for (std::size_t i = 0; i < profile.bends.size(); ++i) {
        const Bend& bend = profile.bends[i];
        if (!(bend.angle > 0 && bend.angle < 180))
            throw ProfileRefusal(ProfileItem::BendAngle, i,
                                 "Öffnungswinkel β von " + bendName(i) + " = " + shown(bend.angle) +
                                     ": muss größer als 0 und kleiner als 180 sein");
        if (bend.radius)
            requirePositive(*bend.radius, ProfileItem::BendRadius, i,
                            [i] { return "Biegeradius r von " + bendName(i); });
    }
    if (profile.pressLimit)
        requirePositive(*profile.pressLimit, ProfileItem::PressLimit, 0, named("Presse"));
    if (profile.die && profile.radius != dieRadiusOf(profile))
        throw ProfileRefusal(ProfileItem::Radius, 0,
                             "Biegeradius r = " + shown(profile.radius) + ": mit der Matrize " +
                                 press::dieName(*profile.die) + " folgt er aus ihr, r = f · V = " +
                                 millimetres(dieRadiusOf(profile)));
}

// The press brake's figures of every bend, and its notes after the bends' own.
void addPressBrake(const Profile& profile, std::size_t testBends,
                   const std::vector<press::ShopCorrection::At>& corrections, ProfileResult& result)
{
    const double s = profile.thickness;
    const press::Material* material = profile.material ? &*profile.material : nullptr;
    result.suggestedDie = press::suggestedDie(s);
    std::optional<double> force;
    std::optional<double> forcePerMetre;
    if (material) {
        result.tensileStrength = press::tensileStrength(*material, s).max;
        if (profile.die) {
            forcePerMetre = press::bendingForce(s, *profile.die, *result.tensileStrength, 1000);
            checkFinite(*forcePerMetre);
            if (profile.width) {
                force =
                    press::bendingForce(s, *profile.die, *result.tensileStrength, *profile.width);
                checkFinite(*force);
                result.largestForce = force;
            }
        }
    }
    // Bends whose set angle from the test bends' springback would lie outside 0 ... 180 degrees.
    std::vector<std::size_t> uncovered;
    for (std::size_t i = 0; i < result.bends.size(); ++i) {
        BendResult& bend = result.bends[i];
        bend.force = force;
        bend.forcePerMetre = forcePerMetre;
        if (profile.die) {
            // Once for each opening angle: the sine takes a tangent.
            std::size_t same = 0;
            while (same < i && result.bends[same].beta != bend.beta)
                ++same;
            bend.leastFlange = same < i ? result.bends[same].leastFlange
                                        : press::leastFlange(*profile.die, bend.beta);
            checkFinite(*bend.leastFlange);
        }
        if (material)
            bend.minimumRadius = press::minimumRadius(*material, s, profile.rolling);
        if (!corrections.empty() && corrections[i].springback) {
            const double angle = press::setAngle(bend.beta, *corrections[i].springback);
            checkFinite(angle);
            if (angle > 0 && angle < 180)
                bend.setAngle = angle;
            else
                uncovered.push_back(i);
        }
    }

    std::vector<std::string>& notes = result.notes;
    if (!corrections.empty())
        notes.push_back(press::testBendsNote(testBends, material->name));
    if (profile.die && !press::dieFitsThickness(*profile.die, s))
        notes.push_back(press::dieRangeNote(*profile.die, s, result.suggestedDie));
    if (forcePerMetre && !press::forceFormulaHolds(s, *profile.die))
        notes.push_back(press::forceEstimateNote());
    if (forcePerMetre && !press::strengthCovers(*material, s))
        notes.push_back(press::strengthEstimateNote(material->name,
                                                    material->strength.front().fromThickness, s));
    if (!uncovered.empty())
        notes.push_back(press::setAngleUncoveredNote(bendList(uncovered)));
    if (profile.pressLimit) {
        if (!forcePerMetre)
            notes.push_back(press::pressUncheckedNote(false));
        else if (!force)
            notes.push_back(press::pressUncheckedNote(true));
        else if (*force > *profile.pressLimit) {
            std::vector<std::size_t> over;
            for (std::size_t i = 0; i < result.bends.size(); ++i)
                over.push_back(i);
            notes.push_back(press::pressLimitNote(bendList(over), *force, *profile.pressLimit));
        }
    }
    if (material) {
        std::map<double, std::vector<std::size_t>> tooSmall;
        for (std::size_t i = 0; i < result.bends.size(); ++i) {
            const BendResult& bend = result.bends[i];
            if (bend.minimumRadius && bend.radius < *bend.minimumRadius)
                tooSmall[bend.radius].push_back(i);
        }
        if (const auto table = press::minimumRadiusTableMisses(*material, s))
            notes.push_back(
                press::minimumRadiusUnknownNote(material->name, table->first, table->second, s));
        for (const auto& [radius, bends] : tooSmall)
            notes.push_back(press::minimumRadiusNote(bendList(bends), radius,
                                                     *result.bends[bends.front()].minimumRadius,
                                                     material->name, s, profile.rolling));
    }
    if (profile.die) {
        const std::size_t bendCount = result.bends.size();
        for (std::size_t i = 0; i < result.legs.size(); ++i) {
            // Of the bends at its ends, the one that needs the longer leg.
            std::optional<std::size_t> worst;
            for (std::size_t bend : {i - 1, i})
                if (bend < bendCount && result.legs[i].outer < *result.bends[bend].leastFlange &&
                    (!worst || *result.bends[bend].leastFlange > *result.bends[*worst].leastFlange))
                    worst = bend;
            if (worst) {
                notes.push_back(press::leastFlangeNote(
                    legName(i), *result.bends[*worst].leastFlange, bendName(*worst), *profile.die));
                result.legs[i].leastFlangeNote = notes.back();
            }
        }
    }
}

// tan(alpha / 2) by the same steps as v_wert takes it, or 1 where v_wert measures to the
// tangents (beta up to 90 degrees).
double setbackFactor(const BendState& state)
{
    if (!(state.beta > 90))
        return 1;
    const double argument = state.alpha * pi / 360;
    checkFinite(argument);
    const double t = tangent(argument);
    checkFinite(t);
    return t;
}

} // namespace

std::string notPositiveText(const std::string& name, double value)
{
    return name + " = " + shown(value) + ": muss eine Zahl größer als 0 sein";
}

std::string shownValue(double value)
{
    return shown(value);
}

void checkProfile(const Profile& profile)
{
    checkValues(profile);
    if (profile.material) {
        try {
            press::checkMaterial(*profile.material);
        } catch (const press::PressRefusal& refusal) {
            throw profileRefusal(refusal);
        }
    }
}

ProfileResult computeProfile(const Profile& profile)
{
    checkValues(profile);
    std::optional<press::ShopCorrection> shop;
    if (profile.material) {
        try {
            shop.emplace(*profile.material, profile.thickness);
        } catch (const press::PressRefusal& refusal) {
            throw profileRefusal(refusal);
        }
    }
    // The shop's correction at each bend's r / s, worked out once for each radius.
    std::vector<press::ShopCorrection::At> corrections;
    if (shop && !shop->empty())
        corrections.resize(profile.bends.size());
    const double s = profile.thickness;
    const std::size_t legCount = profile.legs.size();
    const std::size_t bendCount = profile.bends.size();

    ProfileResult result;
    result.legs.resize(legCount);
    result.bends.resize(bendCount);

    // The outer lengths first: a bend's own state takes the legs beside it as its flanges.
    std::vector<double> factors(bendCount);
    std::vector<BendState> states(bendCount);
    for (std::size_t i = 0; i < bendCount; ++i) {
        const Bend& bend = profile.bends[i];
        BendState probe;
        probe.beta = bend.angle;
        probe.alpha = 180 - bend.angle;
        factors[i] = setbackFactor(probe);
    }
    for (std::size_t i = 0; i < legCount; ++i) {
        LegResult& leg = result.legs[i];
        leg.given = profile.legs[i].length;
        leg.outer = leg.given;
        if (profile.legs[i].measure == Measure::Innen) {
            // For beta above 90 the inner and outer sharps lie s * tan(alpha / 2) apart along the
            // leg; up to 90 the two tangents lie s apart.
            if (i > 0)
                leg.outer += s * factors[i - 1];
            if (i < bendCount)
                leg.outer += s * factors[i];
            checkFinite(leg.outer);
        }
    }

    for (std::size_t i = 0; i < bendCount; ++i) {
        const Bend& bend = profile.bends[i];
        const double r = profile.radiusOf(i);
        BendResult& out = result.bends[i];
        const press::ShopCorrection::At* correction = nullptr;
        if (!corrections.empty()) {
            std::size_t same = 0;
            while (same < i && profile.radiusOf(same) != r)
                ++same;
            corrections[i] = same < i ? corrections[same] : shop->at(r / s);
            correction = &corrections[i];
        }
        states[i] = windowBend(r, s, bend.angle, result.legs[i].outer, result.legs[i + 1].outer,
                               correction, out.kDin);
        const BendState& state = states[i];
        out.kFromTestBends = correction != nullptr;
        out.beta = state.beta;
        out.alpha = state.alpha;
        out.radius = r;
        out.k = state.k;
        out.n = state.n;
        out.v = state.v;
        out.bz = state.z;
        out.setback = (r + s) * factors[i];
        checkFinite(out.setback);
        out.direction = bend.direction;
    }

    for (std::size_t i = 0; i < legCount; ++i) {
        LegResult& leg = result.legs[i];
        double setbacks = 0;
        double innerShift = 0;
        if (i > 0) {
            setbacks += result.bends[i - 1].setback;
            innerShift += s * factors[i - 1];
        }
        if (i < bendCount) {
            setbacks += result.bends[i].setback;
            innerShift += s * factors[i];
        }
        leg.straight = leg.outer - setbacks;
        checkFinite(leg.straight);
        if (leg.straight < 0) {
            const double minimum =
                profile.legs[i].measure == Measure::Innen ? setbacks - innerShift : setbacks;
            throw ProfileRefusal(ProfileItem::LegLength, i,
                                 legName(i) + " ist zu kurz für seine Biegungen: mindestens " +
                                     millimetres(minimum));
        }
    }

    // Left to right: the legs first, then the deductions, so that two legs give the window's L.
    double length = 0;
    for (const LegResult& leg : result.legs)
        length += leg.outer;
    for (const BendResult& bend : result.bends)
        length += bend.v;
    checkFinite(length);
    result.developedLength = length;

    for (std::size_t i = 0; i < bendCount; ++i) {
        double line = 0;
        for (std::size_t leg = 0; leg <= i; ++leg)
            line += result.legs[leg].outer;
        for (std::size_t bend = 0; bend < i; ++bend)
            line += result.bends[bend].v;
        line += result.bends[i].v / 2;
        checkFinite(line);
        result.bends[i].bendLine = line;
    }

    // The single bend's notes, each once with the bends it applies to, then the short legs.
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::size_t>> bendsOf;
    for (std::size_t i = 0; i < bendCount; ++i)
        for (std::string& note : bendRangeNotes(states[i])) {
            auto [entry, added] = bendsOf.try_emplace(note);
            if (added)
                order.push_back(note);
            entry->second.push_back(i);
        }
    for (const std::string& note : order)
        result.notes.push_back(press::subjectNote(bendList(bendsOf[note]), note));
    for (std::size_t i = 0; i < legCount; ++i) {
        for (std::size_t bend : {i - 1, i}) {
            if (bend >= bendCount)
                continue;
            const double minimum = 4 * result.bends[bend].radius;
            if (result.legs[i].outer < minimum) {
                result.notes.push_back(press::shortLegNote(legName(i), minimum, bendName(bend)));
                break;
            }
        }
    }
    if (profile.hasPressData())
        addPressBrake(profile, shop ? shop->testBendCount() : 0, corrections, result);
    if (profile.width && profile.material && profile.material->density) {
        // mm³ times g/cm³ (mg/mm³) is 1e-6 kg.
        result.mass = length * *profile.width * s * *profile.material->density / 1e6;
        checkFinite(*result.mass);
    }
    return result;
}

} // namespace kantrix::profile
