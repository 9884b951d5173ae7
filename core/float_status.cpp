#include "float_status.h"

#include "bend_error.h"

#include <cfenv>
#include <cmath>

namespace kantrix {

void clearFloatFaults()
{
    std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
}

void checkFloatFaults(double /*justStored*/)
{
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised & FE_INVALID)
        throw BendError(FaultKind::InvalidOperation);
    if (raised & FE_DIVBYZERO)
        throw BendError(FaultKind::DivisionByZero);
    if (raised & FE_OVERFLOW)
        throw BendError(FaultKind::Overflow);
}

double naturalLog(double x)
{
    return std::log(x);
}

double tangent(double x)
{
    return std::tan(x);
}

} // namespace kantrix
