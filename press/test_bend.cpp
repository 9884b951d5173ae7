#include "test_bend.h"

#include "bend_formulas.h"
#include "bend_state.h"
#include "die.h"
#include "number_text.h"
#include "press_refusal.h"
#include "tangent.h"

#include <cmath>
#include <string>

namespace kantrix::press {

namespace {

std::string shown(double value)
{
    return std::isfinite(value) ? NumberToText(value) : std::string(value > 0 ? "∞" : "NaN");
}

void requirePositive(double value, PressItem item, const std::string& name)
{
    if (!(value > 0 && std::isfinite(value)))
        throw PressRefusal(item,
                           name + " = " + shown(value) + ": muss eine Zahl größer als 0 sein");
}

} // namespace

TestBendResult evaluateTestBend(const TestBend& bend)
{
    requirePositive(bend.thickness, PressItem::Thickness, "Blechdicke s");
    if (bend.die)
        checkDie(*bend.die, bend.thickness);
    requirePositive(bend.radius, PressItem::Radius, "Biegeradius r");
    if (!(bend.angle >= minTestBendAngle && bend.angle <= maxTestBendAngle))
        throw PressRefusal(PressItem::Angle,
                           "Öffnungswinkel β = " + shown(bend.angle) +
                               ": eine Probebiegung braucht 45 bis 135 Grad, sonst bestimmt "
                               "die Messung k zu ungenau");
    if (bend.setAngle && !(*bend.setAngle > 0 && *bend.setAngle <= bend.angle))
        throw PressRefusal(PressItem::SetAngle,
                           "Eingestellter Winkel βe = " + shown(*bend.setAngle) +
                               ": muss größer als 0 und höchstens β = " + shown(bend.angle) +
                               " sein, denn das Blech federt auf");
    requirePositive(bend.cutLength, PressItem::CutLength, "Zuschnitt L0");
    requirePositive(bend.legA, PressItem::Legs, "Schenkel a");
    requirePositive(bend.legB, PressItem::Legs, "Schenkel b");

    // The window's bend for the strip: DIN 6935's k and v for its r, s and beta.
    const BendState din =
        computedBend(bend.radius, bend.thickness, bend.angle, bend.legA, bend.legB);
    TestBendResult result;
    result.v = bend.cutLength - bend.legA - bend.legB;
    result.kDin = din.k;
    result.vDin = din.v;
    result.lengthDin = din.l(5);
    result.deviation = bend.cutLength - result.lengthDin;

    // The k that gives v in v_wert: v = (s / 2 k + r) x arc angle - T, T the setback of both legs.
    const double r = bend.radius;
    const double s = bend.thickness;
    const double alpha = din.alpha;
    const double setbacks = bend.angle > 90 ? (r + s) * 2 * tangent(alpha * pi / 360) : (r + s) * 2;
    result.k = 2 / s * ((result.v + setbacks) / (alpha * pi / 180) - r);
    if (!(result.k > 0 && result.k <= maxTestBendK))
        throw PressRefusal(PressItem::TestBend,
                           "Die Probebiegung ergibt v = " + FormatNumber(result.v, threeDecimals) +
                               " mm und damit k = " +
                               (std::isfinite(result.k) ? FormatNumber(result.k, threeDecimals)
                                                        : shown(result.k)) +
                               "; k muss größer als 0 und höchstens 1.2 sein: wohl ein "
                               "Messfehler (L0, a oder b)");
    if (bend.setAngle)
        result.springback = alpha / (180 - *bend.setAngle);
    return result;
}

} // namespace kantrix::press
