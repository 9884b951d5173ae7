#pragma once

// The notes a part gets at the press brake and where the formulas leave real sheet, worded once
// for every part and face. A calculation finds the facts (which bend, which figure, which
// limit); these functions put them in German. The subject of a note ("Biegungen 1, 3",
// "Schenkel 3", "Wand vorne") is the caller's: each part names its own pieces.

#include "material.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kantrix::press {

// "V 12", as dies are named.
std::string dieName(double opening);

// "Biegungen 1, 3: β > 165°: …": one of the core's notes on a single bend, for the pieces it
// applies to.
std::string subjectNote(std::string_view subject, std::string_view note);

// Where k comes from: "k aus 3 Probebiegungen (S235JR)."
std::string testBendsNote(std::size_t testBends, std::string_view material);

// V lies outside 6 s … 12 s; names the suggested die where there is one.
std::string dieRangeNote(double opening, double thickness, std::optional<double> suggested);

// The force formula is used outside the s and V / s it was measured for.
std::string forceEstimateNote();

// Why the press limit is not checked: the force needs a material and a die, or (`needsWidth`)
// the force of one bend needs the width.
std::string pressUncheckedNote(bool needsWidth);

// The force of the subject's bends exceeds the press. The limit is shown as it was given, the
// force with as many decimals as it takes to differ from it (one to three).
std::string pressLimitNote(std::string_view subject, double force, double limit);

// The material gives Rm only from `from` on, above the thickness: the force is an estimate.
std::string strengthEstimateNote(std::string_view material, double from, double thickness);

// The material's table of minimum radii runs from `from` (excluded) to `to`, and the thickness lies
// outside it: the radius is not checked.
std::string minimumRadiusUnknownNote(std::string_view material, double from, double to,
                                     double thickness);

// The springback of the test bends would give the subject's bends a set angle outside
// 0° … 180°: they do not cover these bends.
std::string setAngleUncoveredNote(std::string_view subject);

// A part's file brought its own data of the material, other than those this computer has: the
// user's (`userData`, from the materials file) or, without an entry there, the built-in ones.
std::string partMaterialNote(std::string_view material, bool userData);

// The radius lies below the material's minimum at s across or along the rolling direction.
std::string minimumRadiusNote(std::string_view subject, double radius, double minimum,
                              std::string_view material, double thickness,
                              RollingDirection rolling);

// A leg shorter than the least flange that rests on the die, at the bend `bend` (empty where
// the piece has only one).
std::string leastFlangeNote(std::string_view subject, double leastFlange, std::string_view bend,
                            double opening);

// A leg shorter than 4 · r, the least leg length for a bend, at the bend `bend`.
std::string shortLegNote(std::string_view subject, double minimum, std::string_view bend);

// Walls that end at stumpf corners with a gap g before the walls that run through (`through`
// names their sides); without a gap they rub as they are bent.
// `several` where the subject names more than one wall.
std::string cornerGapNote(std::string_view subject, bool several, double gap,
                          std::string_view through);

} // namespace kantrix::press
