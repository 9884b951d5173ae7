#include "profile_calculation.h"

#include "bend_formulas.h"
#include "finite_check.h"
#include "number_text.h"
#include "profile_refusal.h"
#include "sheet_content.h"
#include "tangent.h"

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

void requirePositive(double value, ProfileItem item, std::size_t index, const std::string& name)
{
    if (!isPositiveLength(value))
        throw ProfileRefusal(item, index,
                             name + " = " + shown(value) + ": muss eine Zahl größer als 0 sein");
}

std::string legName(std::size_t leg)
{
    return "Schenkel " + std::to_string(leg + 1);
}

std::string bendName(std::size_t bend)
{
    return "Biegung " + std::to_string(bend + 1);
}

// The bend of the window for one bend of the profile, with the legs beside it as its flanges.
BendState windowBend(double r, double s, double beta, double a, double b)
{
    BendState state;
    state.r = r;
    state.s = s;
    state.beta = beta;
    state.alpha = 180 - beta;
    checkFinite(state.alpha);
    state.l(1) = a;
    state.l(2) = b;
    k_wert(state);
    v_wert(state);
    derivedLengths(state);
    return state;
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

// "Biegung 2" or "Biegungen 1, 3": the bends a note is about.
std::string bendList(const std::vector<std::size_t>& bends)
{
    std::string list = bends.size() == 1 ? "Biegung " : "Biegungen ";
    for (std::size_t i = 0; i < bends.size(); ++i)
        list += (i ? ", " : "") + std::to_string(bends[i] + 1);
    return list;
}

} // namespace

void checkProfile(const Profile& profile)
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
    requirePositive(profile.thickness, ProfileItem::Thickness, 0, "Blechdicke s");
    requirePositive(profile.radius, ProfileItem::Radius, 0, "Biegeradius r");
    if (profile.width)
        requirePositive(*profile.width, ProfileItem::Width, 0, "Breite W");
    for (std::size_t i = 0; i < legs; ++i)
        requirePositive(profile.legs[i].length, ProfileItem::LegLength, i, legName(i));
    for (std::size_t i = 0; i < profile.bends.size(); ++i) {
        const Bend& bend = profile.bends[i];
        if (!(bend.angle > 0 && bend.angle < 180))
            throw ProfileRefusal(ProfileItem::BendAngle, i,
                                 "Öffnungswinkel β von " + bendName(i) + " = " + shown(bend.angle) +
                                     ": muss größer als 0 und kleiner als 180 sein");
        if (bend.radius)
            requirePositive(*bend.radius, ProfileItem::BendRadius, i,
                            "Biegeradius r von " + bendName(i));
    }
}

ProfileResult computeProfile(const Profile& profile)
{
    checkProfile(profile);
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
        states[i] = windowBend(r, s, bend.angle, result.legs[i].outer, result.legs[i + 1].outer);
        const BendState& state = states[i];
        BendResult& out = result.bends[i];
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
        result.notes.push_back(bendList(bendsOf[note]) + ": " + note);
    for (std::size_t i = 0; i < legCount; ++i) {
        for (std::size_t bend : {i - 1, i}) {
            if (bend >= bendCount)
                continue;
            const double minimum = 4 * result.bends[bend].radius;
            if (result.legs[i].outer < minimum) {
                result.notes.push_back(
                    legName(i) + " ist kürzer als 4 · r = " + millimetres(minimum) + " von " +
                    bendName(bend) + ", der kleinsten Schenkellänge für eine Biegung");
                break;
            }
        }
    }
    return result;
}

} // namespace kantrix::profile
