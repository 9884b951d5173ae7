#pragma once

// The whole command line, apart from the process: arguments in, texts for standard output and
// standard error and an exit status out, so that tests and the fuzzer can drive it directly.

#include "materials_transaction.h"
#include "output_files.h"

#include <functional>
#include <optional>
#include <string>

namespace kantrix::cli {

// Reads a whole file, or standard input for "-". On failure it returns none and says why, in
// German, in `reason`.
using InputReader =
    std::function<std::optional<std::string>(const std::string& path, std::string& reason)>;

// Changes the materials file at `path` as press::changeMaterialsFile does (its folder made first
// with `createFolder`). The program passes the real transaction; tests and fuzzers pass one that
// keeps the file in memory, so that no call of theirs writes a real file.
using MaterialsChanger = std::function<press::MaterialsFile(
    const std::string& path, bool createFolder, const press::MaterialsChange& change)>;

// The program's changer: press::changeMaterialsFile.
press::MaterialsFile changeMaterialsFileOnDisk(const std::string& path, bool createFolder,
                                               const press::MaterialsChange& change);

// Files that a call writes (the drawings and the file of `profil`) go through `write`, every
// change of the materials file through `change`.
int runCommandLine(int argc, const char* const* argv, const InputReader& read,
                   const OutputWriter& write, const MaterialsChanger& change, std::string& out,
                   std::string& err);

// The same with the program's own writer and changer, writeFilesWhole and
// changeMaterialsFileOnDisk.
int runCommandLine(int argc, const char* const* argv, const InputReader& read, std::string& out,
                   std::string& err);

} // namespace kantrix::cli
