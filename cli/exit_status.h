#pragma once

namespace kantrix::cli {

// What the command line tells its caller. Documented in --help and the manual page.
enum ExitStatus : int
{
    Success = 0,   // everything was computed
    Unwritten = 1, // the results could not be written to standard output
    Refused = 2,   // the call, a file or a value was refused; nothing was computed
    Fault = 3,     // the arithmetic left the double range, for the bend or for a row or cell
};

} // namespace kantrix::cli
