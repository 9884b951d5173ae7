#include "profile.h"

#include "die.h"

namespace kantrix::profile {

const char* measureName(Measure measure)
{
    return measure == Measure::Innen ? "innen" : "aussen";
}

const char* directionName(Direction direction)
{
    return direction == Direction::Minus ? "-" : "+";
}

double dieRadiusOf(const Profile& profile)
{
    if (!profile.die)
        return profile.radius;
    return press::dieRadius(profile.material ? profile.material->radiusFactor
                                             : press::defaultRadiusFactor,
                            *profile.die);
}

void followDie(Profile& profile)
{
    // A die or f that is refused makes no radius: the radius keeps the last one, and the
    // refusal names the die or f, not an r nobody typed.
    if (const double radius = dieRadiusOf(profile); radius > 0)
        profile.radius = radius;
}

} // namespace kantrix::profile
