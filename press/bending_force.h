#pragma once

// The force an air bend in a V die needs, by Oehler's formula as Lange's forming handbook gives
// it: F = (1 + 4 s / V) x Rm x W x s² / V, in kN for N/mm² and mm. It holds for steel with
// 0.5 <= s <= 10 mm and 5 <= V / s <= 20; outside that it is an estimate.

#include <string_view>

namespace kantrix::press {

// Forces are shown in kN with one decimal.
inline constexpr std::string_view forceDecimals = "# ##0.0";

// The force in kN for a bend line of length `length`; Rm in N/mm².
double bendingForce(double thickness, double opening, double tensileStrength, double length);

// Whether s and V lie where the formula was measured.
bool forceFormulaHolds(double thickness, double opening);

} // namespace kantrix::press
