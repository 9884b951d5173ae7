#pragma once

namespace kantrix {

// The natural logarithm, the same bits on every platform and correctly rounded (to nearest) but
// for a chance far below one in a billion: 0 gives -infinity, a negative value or NaN gives NaN.
// The C library's log differs between platforms in the last bit.
double naturalLog(double x);

} // namespace kantrix
