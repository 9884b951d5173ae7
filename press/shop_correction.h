#pragma once

// The shop's own k and springback from its test bends. Each test bend i at q_i = r / s gives
// d_i = k_i - k_DIN(q_i); d(q) runs linearly in log10 q between neighbouring test bends (those
// with the same q averaged) and is held at the nearest one outside them, and k = k_DIN(q) + d(q).
// A bend made like a test bend thus gets the deduction that was measured. The springback ratio
// K = (180 - beta) / (180 - beta_e) of the test bends with a set angle runs in q the same way.
// Where the material has test bends at the part's own thickness, only those count: a bend made
// like a test bend then gets what was measured, not an average with another thickness at the
// same r / s. Where it has none at that thickness, all of them count.

#include "material.h"

#include <optional>
#include <vector>

namespace kantrix::press {

class ShopCorrection
{
public:
    // Evaluates the material's test bends once, or refuses one as evaluateTestBendOf does; with
    // a thickness, takes those at it where there are any.
    explicit ShopCorrection(const Material& material,
                            std::optional<double> thickness = std::nullopt);

    bool empty() const { return m_k.empty(); }
    // The test bends the correction is made of.
    std::size_t testBendCount() const { return m_testBends; }

    struct At
    {
        double kOffset = 0;               // d(q), added to DIN 6935's k
        std::optional<double> springback; // K(q), where test bends with a set angle give one
    };

    // Both at q, with one logarithm at most.
    At at(double q) const;

    // k for a bend of r / s = q whose DIN 6935 k is kDin; kDin itself without test bends.
    double k(double q, double kDin) const { return kDin + at(q).kOffset; }

    // The springback ratio K at q, where test bends with a set angle give one.
    std::optional<double> springback(double q) const { return at(q).springback; }

private:
    struct Point
    {
        double q = 0;
        double x = 0; // log10 q
        double value = 0;
    };
    // The points by rising q, equal q averaged; log10 q taken from `known` where it holds q.
    static std::vector<Point> points(std::vector<std::pair<double, double>> samples,
                                     const std::vector<Point>& known);
    // log10 q is worked out only where q lies between two points, once for both lists.
    static double interpolate(const std::vector<Point>& points, double q, std::optional<double>& x);

    std::vector<Point> m_k;
    std::vector<Point> m_springback;
    std::size_t m_testBends = 0;
};

// The angle to set on the press so that the bend springs back to beta.
double setAngle(double beta, double springback);

} // namespace kantrix::press
