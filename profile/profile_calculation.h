#pragma once

// The arithmetic of a profile. Each bend is the window's bend: k_wert, v_wert and the bend-zone
// step on a BendState of its own r, s and beta, so its k, n, v and bz are the bits the window
// shows for them. A bend takes the setback (r + s) * t from each leg beside it, t = tan(alpha / 2)
// for beta above 90 degrees and 1 up to 90; the straight parts are what is left, and the
// developed length is the sum of the outer leg lengths and of the deductions.

#include "profile.h"

#include <optional>
#include <string>
#include <vector>

namespace kantrix::profile {

struct LegResult
{
    double given = 0;    // the length as entered
    double outer = 0;    // measured to the outer virtual sharps
    double straight = 0; // between the arcs of the bends at its ends
    // With a die: the note where the leg is shorter than the least flange of a bend at its ends.
    std::optional<std::string> leastFlangeNote;
};

struct BendResult
{
    double beta = 0;     // opening angle
    double alpha = 0;    // bend angle, 180 - beta
    double radius = 0;   // the inside radius it is bent with
    double k = 0;        // correction factor
    double n = 0;        // neutral-fibre factor
    double v = 0;        // bend deduction
    double bz = 0;       // length of the neutral fibre through the bend
    double setback = 0;  // (r + s) * t, taken from each leg beside it
    double bendLine = 0; // middle of the bend zone, from the free end of leg 1 on the blank
    Direction direction = Direction::Plus;

    // At the press brake, each where it can be worked out.
    double kDin = 0;                     // DIN 6935's k; k itself may be the shop's
    bool kFromTestBends = false;         // k from the material's test bends
    std::optional<double> force;         // kN over the width W: material, die and W
    std::optional<double> forcePerMetre; // kN over 1000 mm: material and die
    std::optional<double> leastFlange;   // shortest leg that rests on the die: a die
    std::optional<double> minimumRadius; // the material's, for s and the rolling direction
    std::optional<double> setAngle;      // beta_e to set: test bends with set angles
};

struct ProfileResult
{
    std::vector<LegResult> legs;
    std::vector<BendResult> bends;
    double developedLength = 0;     // L
    std::vector<std::string> notes; // German, where the formulas leave real sheet

    // With a material: the Rm the force is worked out with, the upper value for s (the safe
    // side). With anything of the press brake: the die suggested for s. With the force of
    // every bend: the largest.
    std::optional<double> tensileStrength;
    std::optional<double> suggestedDie;
    std::optional<double> largestForce;
    // The blank's mass in kg: L x W x s with the material's density, where all are known.
    std::optional<double> mass;
};

// Refuses (ProfileRefusal) a value out of range, lists that do not fit and a leg too short for
// its bends; a result that is not finite raises the core's BendError.
ProfileResult computeProfile(const Profile& profile);

// Only the checks of single values and of the lists, without the arithmetic: thickness, radii
// and legs above 0, 0 < beta < 180, the width above 0 where given, 2 to 101 legs with one bend
// fewer; the die and the press limit above 0, a default radius that is the die's where there is
// one, and a material checkMaterial takes, its test bends included. computeProfile runs it
// first.
void checkProfile(const Profile& profile);

// The refusal of a value that must be positive and finite ("Blechdicke s = 0: muss …"), for the
// parts built on profiles, so that the sentence is worded once.
std::string notPositiveText(const std::string& name, double value);
// A value as a refusal shows it: its digits, "∞" or "NaN".
std::string shownValue(double value);

} // namespace kantrix::profile
