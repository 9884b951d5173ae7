#pragma once

// The bend formulas of DIN 6935 for one bend between two flanges, in its two ranges: opening
// angle up to 90 degrees and above. Pure arithmetic on a BendState, in a fixed order of
// evaluation. Every stored result is checked to be finite; a fault raises BendError and leaves the
// results stored before it in place.

#include "bend_state.h"

namespace kantrix {

// Not the double closest to pi (...2D18) but 3.14159265358979, bit pattern 0x400921FB54442D11.
inline constexpr double pi = 3.14159265358979;

// Correction factor: reads r, s; writes k and n = k / 2.
void k_wert(BendState& state);

// Bend deduction: reads r, s, alpha, beta, k; writes v. Runs after k_wert.
void v_wert(BendState& state);

// Bend-zone length and part lengths: reads r, s, alpha, n, v, l(1), l(2); writes z, l(5), l(3),
// l(4) in that order. Runs after v_wert.
void derivedLengths(BendState& state);

// A bend of radius r and thickness s with the opening angle beta between the flanges a and b,
// before any formula ran: alpha = 180 - beta, no results yet.
BendState bendOf(double r, double s, double beta, double a, double b);

// The same bend with every result, by the three steps above in their order.
BendState computedBend(double r, double s, double beta, double a, double b);

} // namespace kantrix
