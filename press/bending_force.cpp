#include "bending_force.h"

namespace kantrix::press {

double bendingForce(double thickness, double opening, double tensileStrength, double length)
{
    const double s = thickness;
    return (1 + 4 * s / opening) * tensileStrength * length * s * s / opening / 1000;
}

bool forceFormulaHolds(double thickness, double opening)
{
    const double ratio = opening / thickness;
    return thickness >= 0.5 && thickness <= 10 && ratio >= 5 && ratio <= 20;
}

} // namespace kantrix::press
