#include "die.h"

#include "bend_formulas.h"
#include "number_text.h"
#include "press_refusal.h"
#include "tangent.h"

#include <cmath>
#include <string>

namespace kantrix::press {

double dieRadius(double radiusFactor, double opening)
{
    return radiusFactor * opening;
}

void checkDie(double opening, double thickness)
{
    const std::string shown =
        std::isfinite(opening) ? NumberToText(opening) : std::string(opening > 0 ? "∞" : "NaN");
    if (!(opening > 0 && std::isfinite(opening)))
        throw PressRefusal(PressItem::Die,
                           "Matrizenöffnung V = " + shown + ": muss eine Zahl größer als 0 sein");
    if (opening < 2 * thickness)
        throw PressRefusal(PressItem::Die,
                           "Matrizenöffnung V = " + shown + ": schmaler als 2 · s = " +
                               FormatNumber(2 * thickness, threeDecimals) +
                               " mm, das Blech liegt nicht auf beiden Schultern auf");
}

std::optional<double> suggestedDie(double thickness)
{
    const double least = 8 * thickness;
    for (double opening : dieOpenings)
        if (opening >= least)
            return opening;
    return std::nullopt;
}

bool dieFitsThickness(double opening, double thickness)
{
    return opening >= 6 * thickness && opening <= 12 * thickness;
}

double leastFlange(double opening, double beta)
{
    // sin x = tan x / sqrt(1 + tan² x) with the core's tangent, so that every platform gives the
    // same bits; beta / 2 lies below 90 degrees.
    const double t = tangent(beta * pi / 360);
    const double sine = t / std::sqrt(1 + t * t);
    return opening / (2 * sine);
}

} // namespace kantrix::press
