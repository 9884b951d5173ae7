#pragma once

#include "double_double.h"

namespace kantrix {

// The tangent, the same bits on every platform and correctly rounded (to nearest) but for a
// chance far below one in a billion, for |x| up to maxTangentArgument. Beyond it, and for
// infinities and NaN, it gives NaN: the reduction by multiples of pi/2 below is exact enough only
// that far. The C library's tan differs between platforms in the last bit.
inline constexpr double maxTangentArgument = 1e6;

double tangent(double x);

namespace detail {

// The two evaluations behind tangent, of tan r or, when odd, -1 / tan r, for 0 <= r <= pi/4:
// the quick one, good to 2^-63, decides about 99 % of the roundings; the accurate one, good to
// 2^-100, the rest. Open to the tests that hold each to its bound.
dd::DoubleDouble quickTangent(dd::DoubleDouble r, bool odd);
dd::DoubleDouble accurateTangent(dd::DoubleDouble r, bool odd);

} // namespace detail

} // namespace kantrix
