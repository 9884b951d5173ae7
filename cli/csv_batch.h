#pragma once

// Many bends from comma- or semicolon-separated text, one result row for each input row.

#include <string>
#include <string_view>

namespace kantrix::cli {

// The header names any of r, s, beta, a, b in any order; the result columns a batch writes
// (alpha ... L, error) may stand there too and are ignored, so that a result can be read again.
// The separator is ";" when the header holds one, else ","; with ";" numbers are read and written
// with a decimal comma. Each row is computed as if typed into the window; a row that is refused
// or faults keeps its input values, names its fault in the error column, and the batch goes on.
// Returns Success when every row was computed, Fault when any was not, Refused (writing nothing
// to `out`) when the header is.
int runCsvBatch(std::string_view text, std::string& out, std::string& err);

} // namespace kantrix::cli
