#pragma once

// The sticky floating-point exception flags, read the way the calculation needs them: invalid
// operation, division by zero and overflow are faults; underflow and inexact results are not.

namespace kantrix {

void clearFloatFaults();

// Throws BendError if a fault flag has been raised since the flags were last cleared.
// It takes the value just stored so that its computation is finished before the flags are read:
// the function lives in its own translation unit, so the compiler cannot move the arithmetic past
// it.
void checkFloatFaults(double justStored);

} // namespace kantrix
