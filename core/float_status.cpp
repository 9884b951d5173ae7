#include "float_status.h"

#include "bend_error.h"

#include <cfenv>

namespace kantrix {

namespace {

constexpr int faultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

} // namespace

// Testing the flags reads two status registers and is cheap; clearing them rewrites the whole x87
// environment and costs as much as a recalculation's arithmetic. The flags are nearly always
// clear already, so they are cleared only when one of them is raised.
void clearFloatFaults()
{
    if (std::fetestexcept(faultFlags) != 0)
        std::feclearexcept(faultFlags);
}

void checkFloatFaults(double /*justStored*/)
{
    const int raised = std::fetestexcept(faultFlags);
    if (raised & FE_INVALID)
        throw BendError(FaultKind::InvalidOperation);
    if (raised & FE_DIVBYZERO)
        throw BendError(FaultKind::DivisionByZero);
    if (raised & FE_OVERFLOW)
        throw BendError(FaultKind::Overflow);
}

} // namespace kantrix
