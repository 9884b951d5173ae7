#include "profile.h"

namespace kantrix::profile {

const char* measureName(Measure measure)
{
    return measure == Measure::Innen ? "innen" : "aussen";
}

const char* directionName(Direction direction)
{
    return direction == Direction::Minus ? "-" : "+";
}

} // namespace kantrix::profile
