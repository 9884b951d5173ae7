#include "box.h"

#include "die.h"

namespace kantrix::box {

double dieRadiusOf(const Box& box)
{
    if (!box.die)
        return box.radius;
    return press::dieRadius(box.material ? box.material->radiusFactor : press::defaultRadiusFactor,
                            *box.die);
}

void followDie(Box& box)
{
    box.radius = dieRadiusOf(box);
}

const char* sideName(Side side)
{
    switch (side) {
    case Side::Vorne:
        return "vorne";
    case Side::Rechts:
        return "rechts";
    case Side::Hinten:
        return "hinten";
    case Side::Links:
        break;
    }
    return "links";
}

const char* cornerStyleName(CornerStyle style)
{
    return style == CornerStyle::Stumpf ? "stumpf" : "offen";
}

const char* throughName(Through through)
{
    return through == Through::LinksRechts ? "links-rechts" : "vorne-hinten";
}

const char* reliefName(Relief relief)
{
    return relief == Relief::Rund ? "rund" : "eckig";
}

} // namespace kantrix::box
