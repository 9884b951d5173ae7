#pragma once

// Whether two paths of the command line name one file, so that an output never lands on another
// output or on the file being read.

#include <string>
#include <utility>
#include <vector>

namespace kantrix::cli {

// Two files that exist are the same when they are one file on one device, whatever the paths
// ("./teil.kprofil", "d/../teil.kprofil", a hard or symbolic link). A file still to be written
// is named by its folder's canonical path and its own name. "-" is an ordinary name here: the
// caller knows where it stands for standard input.
bool sameFile(const std::string& a, const std::string& b);

} // namespace kantrix::cli

namespace kantrix::cli {

// The files a part's call writes, and what they may not land on.
struct OutputTargets
{
    std::vector<std::pair<std::string, bool>> outputs; // path, and whether it is the part's file
    std::string partFile;      // the part's file being read ("" or "-": none)
    std::string partFileKind;  // "Profildatei", "Kastendatei"
    std::string materialsFile; // the one --werkstoffe names ("" or "-": the user's alone)
};

// The German refusal of an output that lands on the part's file being read (saving it there is
// allowed: it writes the same part back), on the user's materials file or the one --werkstoffe
// reads, whether they exist yet or not, or on another output; empty where every output is free.
std::string outputClash(const OutputTargets& targets);

} // namespace kantrix::cli
