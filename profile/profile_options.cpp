#include "profile_options.h"

#include "bend_error.h"
#include "number_text.h"
#include "plain_number.h"
#include "press_refusal.h"
#include "profile_calculation.h"
#include "profile_refusal.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <version>

namespace kantrix::profile {

namespace {

std::vector<std::string_view> splitList(std::string_view list)
{
    std::vector<std::string_view> items;
    for (;;) {
        const std::size_t end = list.find('/');
        items.push_back(list.substr(0, end));
        if (end == std::string_view::npos)
            return items;
        list.remove_prefix(end + 1);
    }
}

std::string ordinalName(const char* what, std::size_t index)
{
    return std::string(what) + " " + std::to_string(index + 1);
}

// Reads the options one after another, so that every refusal can name the option it is about.
class OptionReader
{
public:
    explicit OptionReader(NumberStyle style) : m_style(style) {}

    double number(std::string_view text, ProfileItem item, std::size_t index,
                  const std::string& name, const char* option) const
    {
        if (const std::optional<double> value = readNumber(text, m_style))
            return *value;
        throw ProfileRefusal(item, index, refusal(text, name, option));
    }

    // The items of a list that must hold one for each bend.
    static std::vector<std::string_view> bendList(std::string_view list, std::size_t bends,
                                                  const char* what, const char* option)
    {
        std::vector<std::string_view> items = splitList(list);
        if (items.size() != bends)
            throw ProfileRefusal(ProfileItem::Lists, 0,
                                 std::to_string(bends + 1) + " Schenkel brauchen " +
                                     std::to_string(bends) + " " + what + " in " + option +
                                     ", angegeben sind " + std::to_string(items.size()));
        return items;
    }

private:
    std::string refusal(std::string_view text, const std::string& name, const char* option) const
    {
        return numberRefusalText(text, name, option, m_style);
    }

    NumberStyle m_style;
};

// A leg number of --innen: digits only, counted from 1.
std::optional<std::size_t> legNumber(std::string_view text, std::size_t legs)
{
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1 || number > legs)
        return std::nullopt;
    return number - 1;
}

} // namespace

std::string numberRefusalText(std::string_view text, const std::string& name, const char* option,
                              NumberStyle style)
{
    if (style == NumberStyle::Plain) {
        if (isPlainNumber(text))
            return "Ungültiger Wert „" + std::string(text) + "“ für " + name + " (" + option +
                   "): die Zahl liegt außerhalb des Zahlenbereichs";
        return plainNumberRefusal(name + " (" + option + ")", text);
    }
    return "Ungültiger Wert „" + std::string(text) + "“ für " + name +
           ": erwartet wird eine Zahl wie 1.5 oder 1,5";
}

std::vector<std::string_view> splitOptionList(std::string_view list)
{
    return splitList(list);
}

Profile readProfileOptions(const ProfileOptions& options, NumberStyle style,
                           const press::MaterialCatalog* catalog)
{
    const OptionReader reader(style);
    Profile profile;
    profile.thickness =
        reader.number(options.dicke, ProfileItem::Thickness, 0, "Blechdicke s", "--dicke");
    if (options.werkstoff) {
        try {
            profile.material = press::requireMaterial(catalog ? *catalog : press::materialCatalog(),
                                                      *options.werkstoff);
        } catch (const press::PressRefusal& refusal) {
            throw ProfileRefusal(ProfileItem::Material, 0, refusal.what());
        }
    }
    if (options.matrize) {
        profile.die =
            reader.number(*options.matrize, ProfileItem::Die, 0, "Matrizenöffnung V", "--matrize");
        if (!options.radius.empty())
            throw ProfileRefusal(ProfileItem::Radius, 0,
                                 "Biegeradius r (--radius) und Matrize (--matrize) zusammen: mit "
                                 "einer Matrize folgt der Biegeradius aus ihr, r = f · V; ein "
                                 "eigener Radius steht bei der Biegung (--radien)");
        if (*profile.die > 0)
            followDie(profile);
    } else {
        profile.radius =
            reader.number(options.radius, ProfileItem::Radius, 0, "Biegeradius r", "--radius");
    }
    if (options.presse)
        profile.pressLimit =
            reader.number(*options.presse, ProfileItem::PressLimit, 0, "Presse", "--presse");
    if (options.walzrichtung) {
        if (*options.walzrichtung == "laengs")
            profile.rolling = press::RollingDirection::Laengs;
        else if (*options.walzrichtung != "quer")
            throw ProfileRefusal(ProfileItem::RollingDirection, 0,
                                 "Ungültige Walzrichtung „" + *options.walzrichtung +
                                     "“ (--walzrichtung): erwartet wird quer oder laengs");
    }
    if (options.breite)
        profile.width =
            reader.number(*options.breite, ProfileItem::Width, 0, "Breite W", "--breite");

    const std::vector<std::string_view> legs = splitList(options.schenkel);
    if (legs.size() < minLegs || legs.size() > maxLegs)
        throw ProfileRefusal(ProfileItem::Lists, 0,
                             "Ein Profil hat 2 bis " + std::to_string(maxLegs) +
                                 " Schenkel (höchstens " + std::to_string(maxBends) +
                                 " Biegungen), --schenkel nennt " + std::to_string(legs.size()));
    const std::size_t bendCount = legs.size() - 1;
    const std::vector<std::string_view> angles =
        OptionReader::bendList(options.winkel, bendCount, "Öffnungswinkel", "--winkel");
    std::vector<std::string_view> radii(bendCount);
    if (options.radien)
        radii = OptionReader::bendList(*options.radien, bendCount, "Radien", "--radien");
    std::vector<std::string_view> directions(bendCount, "+");
    if (options.richtung)
        directions =
            OptionReader::bendList(*options.richtung, bendCount, "Richtungen", "--richtung");

    for (std::size_t i = 0; i < legs.size(); ++i)
        profile.legs.push_back({reader.number(legs[i], ProfileItem::LegLength, i,
                                              ordinalName("Schenkel", i), "--schenkel"),
                                Measure::Aussen});
    for (std::size_t i = 0; i < bendCount; ++i) {
        const std::string bend = ordinalName("Biegung", i);
        Bend& added = profile.bends.emplace_back();
        added.angle = reader.number(angles[i], ProfileItem::BendAngle, i,
                                    "Öffnungswinkel β von " + bend, "--winkel");
        if (!radii[i].empty())
            added.radius = reader.number(radii[i], ProfileItem::BendRadius, i,
                                         "Biegeradius r von " + bend, "--radien");
        if (directions[i] == "-")
            added.direction = Direction::Minus;
        else if (directions[i] != "+")
            throw ProfileRefusal(ProfileItem::BendDirection, i,
                                 "Ungültige Richtung „" + std::string(directions[i]) + "“ für " +
                                     bend + " (--richtung): erwartet wird + oder -");
    }
    if (options.innen) {
        for (std::string_view item : splitList(*options.innen)) {
            const std::optional<std::size_t> leg = legNumber(item, legs.size());
            if (!leg)
                throw ProfileRefusal(ProfileItem::LegMeasure, 0,
                                     "Ungültige Angabe „" + std::string(item) +
                                         "“ für --innen: erwartet wird die Nummer eines der " +
                                         std::to_string(legs.size()) + " Schenkel, von 1 an");
            if (profile.legs[*leg].measure == Measure::Innen)
                throw ProfileRefusal(ProfileItem::LegMeasure, *leg,
                                     "Schenkel " + std::to_string(*leg + 1) +
                                         " steht mehr als einmal in --innen");
            profile.legs[*leg].measure = Measure::Innen;
        }
    }
    checkProfile(profile);
    return profile;
}

ProfileOptions profileOptions(const Profile& profile)
{
    auto join = [](const auto& items, auto text) {
        std::string list;
        for (std::size_t i = 0; i < items.size(); ++i)
            list += (i ? "/" : "") + text(items[i]);
        return list;
    };
    ProfileOptions options;
    options.dicke = exactNumberText(profile.thickness);
    if (!profile.die)
        options.radius = exactNumberText(profile.radius);
    options.schenkel =
        join(profile.legs, [](const Leg& leg) { return exactNumberText(leg.length); });
    options.winkel =
        join(profile.bends, [](const Bend& bend) { return exactNumberText(bend.angle); });
    if (profile.width)
        options.breite = exactNumberText(*profile.width);

    bool ownRadius = false;
    bool minus = false;
    std::string inner;
    for (const Bend& bend : profile.bends) {
        ownRadius = ownRadius || bend.radius.has_value();
        minus = minus || bend.direction == Direction::Minus;
    }
    for (std::size_t i = 0; i < profile.legs.size(); ++i)
        if (profile.legs[i].measure == Measure::Innen)
            inner += (inner.empty() ? "" : "/") + std::to_string(i + 1);
    if (ownRadius)
        options.radien = join(profile.bends, [](const Bend& bend) {
            return bend.radius ? exactNumberText(*bend.radius) : std::string();
        });
    if (minus)
        options.richtung = join(profile.bends, [](const Bend& bend) {
            return std::string(directionName(bend.direction));
        });
    if (!inner.empty())
        options.innen = inner;
    if (profile.material)
        options.werkstoff = profile.material->name;
    if (profile.die)
        options.matrize = exactNumberText(*profile.die);
    if (profile.pressLimit)
        options.presse = exactNumberText(*profile.pressLimit);
    if (profile.rolling != press::RollingDirection::Quer)
        options.walzrichtung = press::rollingDirectionName(profile.rolling);
    return options;
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::string exactNumberText(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}
#else
// The libc++ of Debian's emscripten has no std::to_chars for doubles. The fewest significant
// digits that read back are found by printf's correct rounding instead, and written as to_chars
// writes them: plain, or with an exponent where that is shorter.
std::string exactNumberText(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    char buffer[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    std::string text(buffer);
    const bool negative = text.front() == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(0, e);
    if (digits.size() > 1)
        digits.erase(1, 1); // the point
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = static_cast<int>(digits.size());
    const int magnitude = exponent < 0 ? -exponent : exponent;
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") +
                                   (exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
                                   std::to_string(magnitude);
    std::string plain;
    if (exponent >= count - 1) {
        // A whole number is written with all its digits, as to_chars writes it.
        char whole[320]; // up to 309 digits
        std::snprintf(whole, sizeof whole, "%.0f", negative ? -value : value);
        plain = whole;
    } else if (exponent >= 0)
        plain = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
    else
        plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    return (negative ? "-" : "") + (plain.size() <= scientific.size() ? plain : scientific);
}
#endif

} // namespace kantrix::profile
