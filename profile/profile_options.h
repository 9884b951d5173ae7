#pragma once

// A profile in the words of the command line: the values of `kantrix-cli profil`'s options, which
// the page's link holds too ("dicke=2&radius=2&schenkel=50/100/50&winkel=90/90"). Lists are
// separated by "/" as in the tables, so that a decimal comma cannot be mistaken for a separator.

#include "material_catalog.h"
#include "plain_number.h"
#include "profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kantrix::profile {

struct ProfileOptions
{
    std::string dicke;                   // s
    std::string radius;                  // default r; empty with a die
    std::string schenkel;                // leg lengths, "50/100/50"
    std::string winkel;                  // opening angles, one per bend, "90/90"
    std::optional<std::string> radien;   // own radii, one per bend; an empty item takes r
    std::optional<std::string> innen;    // the legs measured inside, numbered from 1, "1/3"
    std::optional<std::string> richtung; // a direction per bend, "+/-"
    std::optional<std::string> breite;   // W
    // The press brake: a material's name or number, the die opening V, the press limit in kN,
    // "quer" or "laengs".
    std::optional<std::string> werkstoff;
    std::optional<std::string> matrize;
    std::optional<std::string> presse;
    std::optional<std::string> walzrichtung;

    bool operator==(const ProfileOptions&) const = default;
};

// How a number may be typed, and reading one (plain_number.h).
using kantrix::NumberStyle;
using kantrix::readNumber;

// The profile the options describe, checked by checkProfile, its material taken from `catalog`
// (the built-in materials where none is given). Refuses (ProfileRefusal, naming the option's
// text) a value that is not a number, a list of the wrong length, a leg number that is not one of
// the legs, a direction other than "+" and "-", an unknown material (the message lists the known
// ones), a radius together with a die, and every refusal of checkProfile.
Profile readProfileOptions(const ProfileOptions& options, NumberStyle style = NumberStyle::Plain,
                           const press::MaterialCatalog* catalog = nullptr);

// The options that read back to the same profile, bit for bit: each number in the fewest digits
// that read back to its double, optional ones left out where they say nothing. The material is
// named only: it reads back to the same where the catalog holds the same material.
ProfileOptions profileOptions(const Profile& profile);

// Why the text of an option is not a number (name and option name the field, "Blechdicke s",
// "--dicke"), worded once for every part read from options.
std::string numberRefusalText(std::string_view text, const std::string& name, const char* option,
                              NumberStyle style);

// The items of a "/"-separated list; an empty text is one empty item.
std::vector<std::string_view> splitOptionList(std::string_view list);

// The shortest plain text that reads back to the same double ("50", "2.5", "0.1").
std::string exactNumberText(double value);

} // namespace kantrix::profile
