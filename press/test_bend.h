#pragma once

// A test bend: a strip of a material cut to a length, bent once at the press brake and measured.
// It gives the deduction the shop's machine really makes, and from it the correction factor k
// that reproduces that deduction in DIN 6935's formula.

#include <optional>

namespace kantrix::press {

struct TestBend
{
    double thickness = 0;           // s
    double radius = 0;              // inside radius r it was bent with
    std::optional<double> die;      // the die opening V that made r, where it came from one
    double angle = 0;               // opening angle beta measured after release, degrees
    std::optional<double> setAngle; // the angle beta_e the press was set to
    double cutLength = 0;           // L0, the strip before bending
    double legA = 0;                // outer leg a, measured
    double legB = 0;                // outer leg b, measured

    bool operator==(const TestBend&) const = default;
};

// What a test bend says, beside what DIN 6935 would have said of the same bend.
struct TestBendResult
{
    double v = 0;                     // measured deduction L0 - a - b
    double k = 0;                     // the k that gives exactly v
    double kDin = 0;                  // DIN 6935's k for r / s
    double vDin = 0;                  // DIN 6935's deduction
    double lengthDin = 0;             // a + b + vDin, the cut length DIN 6935 would give
    double deviation = 0;             // L0 - lengthDin
    std::optional<double> springback; // K = (180 - beta) / (180 - beta_e), with a set angle
};

// The opening angles a test bend may have: outside them the measured deduction decides k too
// loosely.
inline constexpr double minTestBendAngle = 45;
inline constexpr double maxTestBendAngle = 135;
// Above this a k is taken for a measuring fault.
inline constexpr double maxTestBendK = 1.2;

// Works a test bend out, or refuses it (PressRefusal) with a German message saying why: a value
// that is not above 0, beta outside 45 ... 135 degrees, a set angle not below beta (there is
// no springback into the bend), legs longer than the strip, and a k outside 0 < k <= 1.2.
TestBendResult evaluateTestBend(const TestBend& bend);

} // namespace kantrix::press
