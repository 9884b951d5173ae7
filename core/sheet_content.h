#pragma once

// What the bend sheet says beyond the thirteen quantities, decided once for every face that
// prints, saves or shows the bend: its title, the notes that apply to the bend shown, and the
// name proposed for its file.

#include "bend_form.h"

#include <string>
#include <string_view>
#include <vector>

namespace kantrix {

inline constexpr std::string_view sheetTitle = "Biegung nach DIN 6935";

// The German notes for this bend, in a fixed order: where the formulas leave real sheet (k not
// above 0, k fixed at 1, the flat bend DIN neglects), then each correction that stands.
std::vector<std::string> sheetNotes(const BendForm& form);

// Only the first of those: where the formulas leave real sheet for a bend of these r, s and beta.
// One bend of a profile gets the same notes.
std::vector<std::string> bendRangeNotes(const BendState& bend);

// "Biegung r2 s2 b90.pdf": the inputs that shape the bend, as NumberToText writes them.
std::string sheetFileName(const BendState& state);

} // namespace kantrix
