#pragma once

namespace kantrix {

// The tangent, the same bits on every platform and correctly rounded (to nearest) but for a
// chance far below one in a billion, for |x| up to maxTangentArgument. Beyond it, and for
// infinities and NaN, it gives NaN: the reduction by multiples of pi/2 below is exact enough only
// that far. The C library's tan differs between platforms in the last bit.
inline constexpr double maxTangentArgument = 1e6;

double tangent(double x);

} // namespace kantrix
