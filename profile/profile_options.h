#pragma once

// A profile in the words of the command line: the values of `kantrix-cli profil`'s options, which
// the page's link holds too ("dicke=2&radius=2&schenkel=50/100/50&winkel=90/90"). Lists are
// separated by "/" as in the tables, so that a decimal comma cannot be mistaken for a separator.

#include "profile.h"

#include <optional>
#include <string>
#include <string_view>

namespace kantrix::profile {

struct ProfileOptions
{
    std::string dicke;                   // s
    std::string radius;                  // default r
    std::string schenkel;                // leg lengths, "50/100/50"
    std::string winkel;                  // opening angles, one per bend, "90/90"
    std::optional<std::string> radien;   // own radii, one per bend; an empty item takes r
    std::optional<std::string> innen;    // the legs measured inside, numbered from 1, "1/3"
    std::optional<std::string> richtung; // a direction per bend, "+/-"
    std::optional<std::string> breite;   // W

    bool operator==(const ProfileOptions&) const = default;
};

// How a number may be typed. Scripts give plain numbers with a point; a person at the window or
// the page may type a decimal comma too, and blanks around the number.
enum class NumberStyle
{
    Plain,
    PointOrComma,
};

// Reads one number or returns none when it is not a number of that style ("12 mm", "1,5" for
// Plain, "", "1e999").
std::optional<double> readNumber(std::string_view text, NumberStyle style);

// The profile the options describe, checked by checkProfile. Refuses (ProfileRefusal, naming the
// option's text) a value that is not a number, a list of the wrong length, a leg number that is
// not one of the legs, a direction other than "+" and "-", and every refusal of checkProfile.
Profile readProfileOptions(const ProfileOptions& options, NumberStyle style = NumberStyle::Plain);

// The options that read back to the same profile, bit for bit: each number in the fewest digits
// that read back to its double, optional ones left out where they say nothing.
ProfileOptions profileOptions(const Profile& profile);

// The shortest plain text that reads back to the same double ("50", "2.5", "0.1").
std::string exactNumberText(double value);

} // namespace kantrix::profile
