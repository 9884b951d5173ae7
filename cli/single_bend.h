#pragma once

// One bend from arguments such as "r=3 beta=120": as the window shows it, or as JSON.

#include "bend_error.h"
#include "quantities.h"

#include <optional>
#include <string>
#include <vector>

namespace kantrix::cli {

// Reads "key=value" arguments into the typed texts of a bend, each value checked to be a plain
// number. Returns the German refusal of the first argument that is not, or none.
std::optional<std::string> readAssignments(const std::vector<std::string>& arguments,
                                           TypedBend& bend);

// The result as one JSON object keyed by symbol, each quantity with the field's text and the
// stored number, and the corrections that stand.
std::string resultJson(const BendCalculation& calculation);

// The German message for a fault of the arithmetic, "Rechenfehler: Überlauf".
std::string faultText(FaultKind kind);

// Computes the bend and writes it to `out` (lines, or JSON); refusals, faults and correction notes
// go to `err`. Returns the exit status.
int runSingleBend(const std::vector<std::string>& arguments, bool json, std::string& out,
                  std::string& err);

} // namespace kantrix::cli
