#pragma once

// The files a call writes beside its answer, such as a profile's drawings. They are written whole
// or not at all: a failure never leaves a truncated file where the old one stood.

#include <functional>
#include <string>
#include <vector>

namespace kantrix::cli {

struct OutputFile
{
    std::string path;
    std::string text;
    bool createFolder = false; // the folder is made first where it is missing
};

// Writes all files or says why not, in German, in `reason`. Tests and the fuzzer pass one that
// keeps the files in memory.
using OutputWriter = std::function<bool(const std::vector<OutputFile>& files, std::string& reason)>;

// The writer of the program: each text goes to a temporary file in its target's folder, and only
// when every one of them is complete are they renamed onto their targets. On failure the
// temporary files are removed again.
bool writeFilesWhole(const std::vector<OutputFile>& files, std::string& reason);

// Writes the files, if any, and then gives the answer: Success; or Unwritten with the reason, and
// no answer, where they cannot be written.
int writeThenAnswer(const OutputWriter& write, const std::vector<OutputFile>& files,
                    const std::string& answer, std::string& out, std::string& err);

} // namespace kantrix::cli
