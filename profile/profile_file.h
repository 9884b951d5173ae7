#pragma once

// The .kprofil file: the profile as JSON in UTF-8, with a format name and a version, read and
// written once here for every face.
//
// {"format": "kantrix-profil", "version": 1, "dicke": 2, "radius": 2, "breite": 300 or null,
//  "schenkel": [{"laenge": 50, "mass": "aussen"}, ...],
//  "biegungen": [{"winkel": 90, "radius": 2 or null, "richtung": "+"}, ...]}
//
// A part made at the press brake is version 2, which adds after "breite" the whole material it
// was worked out with, test bends included (material_json.h), so that it computes the same
// anywhere: "werkstoff": {...} or null, "matrize": 12 or null, "presse": 200 or null,
// "walzrichtung": "quer" or "laengs"; with a die "radius" is null, as the die makes it. A part
// without any of them is written as version 1, as it always was.

#include "profile.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace kantrix::profile {

inline constexpr std::string_view profileFormatName = "kantrix-profil";
inline constexpr int profileFormatVersion = 2;
inline constexpr std::string_view profileFileSuffix = ".kprofil";

// A file that is refused: its German message names the file and, for text that is not JSON, the
// line and column.
class ProfileFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The file's text; every number reads back to the same double.
std::string writeProfileFile(const Profile& profile);

// The profile of a file's text, or ProfileFileError: not JSON, another format, a newer version, a
// missing or wrong key, a key twice in one object, or a value checkProfile refuses. `fileName` is
// only for the message. Nothing is half-read: either the whole profile or the error.
Profile readProfileFile(std::string_view text, std::string_view fileName);

} // namespace kantrix::profile
