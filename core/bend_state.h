#pragma once

// The record of one bend: the inputs r, s, beta and the flange lengths, and every result the
// formulas derive from them. Lengths are millimetres, angles degrees. It is a plain value, so a
// copy is a complete snapshot.

#include <array>
#include <cstdint>

namespace kantrix {

struct BendState
{
    double r = 0;     // bend radius
    double s = 0;     // sheet thickness
    double alpha = 0; // bend angle, 180 - beta
    double beta = 0;  // opening angle between the flanges
    double k = 0;     // correction factor
    double n = 0;     // neutral-fibre factor, k / 2
    double v = 0;     // bend deduction
    double z = 0;     // bend-zone length bz
    // Part lengths: 1 flange a, 2 flange b, 3 a', 4 b', 5 developed length L; 0 is unused.
    std::array<double, 6> lengths{};

    // l(i) with the bounds 0 to 5; any other index raises SubscriptOutOfRange.
    double& l(std::int16_t index);
    double l(std::int16_t index) const;

    bool operator==(const BendState&) const = default;
};

} // namespace kantrix
