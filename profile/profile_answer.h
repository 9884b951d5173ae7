#pragma once

// The answer of a profile as text for people and as JSON for programs, the same for the command
// line, the window's copy and the page. Numbers are shown by the window's patterns: two decimals
// for thickness, radius and angles, three for all other lengths and factors.

#include "profile.h"
#include "profile_calculation.h"

#include <nlohmann/json_fwd.hpp>
#include <string>

namespace kantrix::profile {

// An aligned German table: the legs (as given, outer, straight), the bends (beta, alpha, r, k,
// v, bz, bend line), L set apart, then the notes. At the press brake also the material, die and
// press under the thickness, a table of each bend's k source, DIN's k, force, force per metre,
// least flange, minimum radius and angle to set, and the largest force under L.
std::string answerTable(const Profile& profile, const ProfileResult& result);

// {"dicke", "breite" (or null), "L", "schenkel": [{"mass", "eingegeben", "aussen", "gerade"}],
//  "biegungen": [{"winkel", "alpha", "radius", "k", "n", "v", "bz", "biegelinie", "richtung"}],
//  "hinweise": [...]}; every number is {"text", "value"}, as in the single bend's JSON. At the
// press brake "L" is followed by "werkstoff" ({"name", "zugfestigkeit"} or null), "matrize",
// "matrize_empfohlen", "presse", "walzrichtung", "kraft_max", "masse" (kg, with W and a material
// of known density), and each bend gains "k_din",
// "k_quelle", "kraft", "kraft_je_meter", "kleinster_schenkel", "mindestradius",
// "winkel_eingestellt"; a number that does not apply is null.
std::string answerJson(const Profile& profile, const ProfileResult& result);

// The same answer as a JSON value, for an answer that holds it (the box's sections).
nlohmann::ordered_json answerObject(const Profile& profile, const ProfileResult& result);

// The name proposed for the profile's files, without suffix: "Profil U 50-100-50" for three legs
// whose two bends turn the same way, "Profil Z 30-60-30" where they turn opposite ways,
// "Profil 20-30-40-30-20" otherwise.
std::string profileBaseName(const Profile& profile);

} // namespace kantrix::profile
