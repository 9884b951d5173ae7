#pragma once

// How the calculation notices a fault: a stored result or a named intermediate that is not a
// finite number. IEEE arithmetic carries a fault forward in the value itself (an overflow stays
// infinite, an invalid operation gives NaN and stays NaN), so the value shows it on every platform
// alike, with no floating-point status flags to read.

#include "bend_error.h"

#include <cmath>

namespace kantrix {

// NaN is an invalid operation, an infinity an overflow.
inline void checkFinite(double value)
{
    if (std::isnan(value))
        throw BendError(FaultKind::InvalidOperation);
    if (std::isinf(value))
        throw BendError(FaultKind::Overflow);
}

// The same for a quotient, whose infinity is a division by zero when the divisor is zero and the
// dividend a finite number other than zero (0 / 0 is NaN).
inline void checkFiniteQuotient(double quotient, double dividend, double divisor)
{
    if (std::isinf(quotient) && divisor == 0 && std::isfinite(dividend))
        throw BendError(FaultKind::DivisionByZero);
    checkFinite(quotient);
}

} // namespace kantrix
