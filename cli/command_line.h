#pragma once

// The whole command line, apart from the process: arguments in, texts for standard output and
// standard error and an exit status out, so that tests and the fuzzer can drive it directly.

#include <functional>
#include <optional>
#include <string>

namespace kantrix::cli {

// Reads a whole file, or standard input for "-". On failure it returns none and says why, in
// German, in `reason`.
using InputReader =
    std::function<std::optional<std::string>(const std::string& path, std::string& reason)>;

int runCommandLine(int argc, const char* const* argv, const InputReader& read, std::string& out,
                   std::string& err);

} // namespace kantrix::cli
