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
    profile.radius = dieRadiusOf(profile);
}

} // namespace kantrix::profile
