#pragma once

#include "double_double.h"

namespace kantrix {

// The natural logarithm, the same bits on every platform and correctly rounded (to nearest) but
// for a chance far below one in a billion: 0 gives -infinity, a negative value or NaN gives NaN.
// The C library's log differs between platforms in the last bit.
double naturalLog(double x);

namespace detail {

// The two evaluations behind naturalLog, for m in [sqrt(1/2), sqrt(2)]: the quick one, good to
// 2^-66, decides about 99 % of the roundings; the accurate one, good to 2^-100, the rest. Open
// to the tests that hold each to its bound.
dd::DoubleDouble quickLog(double m);
dd::DoubleDouble accurateLog(double m);

} // namespace detail

} // namespace kantrix
