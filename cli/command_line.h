#pragma once

// The whole command line, apart from the process: arguments in, texts for standard output and
// standard error and an exit status out, so that tests and the fuzzer can drive it directly.

#include "output_files.h"

#include <functional>
#include <optional>
#include <string>

namespace kantrix::cli {

// Reads a whole file, or standard input for "-". On failure it returns none and says why, in
// German, in `reason`.
using InputReader =
    std::function<std::optional<std::string>(const std::string& path, std::string& reason)>;

// Files that a call writes (the drawings and the file of `profil`) go through `write`.
int runCommandLine(int argc, const char* const* argv, const InputReader& read,
                   const OutputWriter& write, std::string& out, std::string& err);

// The same with the program's own writer, writeFilesWhole.
int runCommandLine(int argc, const char* const* argv, const InputReader& read, std::string& out,
                   std::string& err);

} // namespace kantrix::cli
