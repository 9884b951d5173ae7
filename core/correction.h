#pragma once

// An entry that a leave rule replaced because it broke a rule of its field, kept so that every
// face can tell the user what was changed and why: the command line as a note on standard error,
// the bend sheet in its notes.

#include "field_set.h"

#include <cstdint>
#include <string>

namespace kantrix {

enum class CorrectionRule : std::uint8_t
{
    NotPositive,        // radius or thickness not greater than 0: "0.00001"
    AngleNotPositive,   // opening angle not greater than 0: 1
    AngleTooLarge,      // opening angle 180 or more: 179
    BelowMinimumLength, // flange shorter than 4 * r: 4 * r
};

struct Correction
{
    Field field = Field::Txt_Radius;
    CorrectionRule rule = CorrectionRule::NotPositive;
    std::string typed;       // the field's text when it was left
    std::string replacement; // the text the rule put in its place

    bool operator==(const Correction&) const = default;
};

// The symbol of an input field as the user knows it: "r", "s", "β", "a", "b".
std::string_view fieldSymbol(Field field);

// The German note for a correction, e.g. "a auf 8 korrigiert (eingegeben: „5“): minimale
// Schenkellänge = 4*r".
std::string correctionNote(const Correction& correction);

} // namespace kantrix
