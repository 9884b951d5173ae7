#pragma once

// The answer of a box as text for people and as JSON for programs, for every face. Its sections
// are shown as the profile's answer shows a profile; numbers by the same patterns: two decimals
// for s and r, three for lengths, one for forces and the area, three for the mass.

#include "box.h"
#include "box_calculation.h"

#include <string>

namespace kantrix::box {

// The box's inputs, both sections, the walls with their bends and free edges, the blank's size,
// area and mass, the largest force and the notes.
std::string answerTable(const Box& box, const BoxResult& result);

// {"dicke", "radius", "laenge" and "breite" ({"eingegeben", "aussen"}), "ecken" {"stil",
//  "durchgehend", "spalt", "freistich", "durchmesser"}, "schnitte" {"x", "y": a section's answer
//  as the profile's JSON gives it, or null}, "waende" {"vorne", ...: only the walls there are,
//  each {"hoehe" {"eingegeben", "aussen"}, "gerade", "biegelinie", "von", "bis", "biegelaenge",
//  "kraft", "kleinster_schenkel", "winkel_eingestellt", "kante_von", "kante_bis"}},
//  "zuschnitt" {"laenge", "breite", "flaeche", "masse"}, "kraft_max", "hinweise"}; numbers as
// {"text", "value"}, null where they do not apply.
std::string answerJson(const Box& box, const BoxResult& result);

// "Kasten 300x200x50", or with the heights side by side where they differ ("Kasten
// 300x200x50--50-", an empty place for no wall).
std::string boxBaseName(const Box& box);

} // namespace kantrix::box
