#pragma once

// Whether two paths of the command line name one file, so that an output never lands on another
// output or on the file being read.

#include <string>

namespace kantrix::cli {

// Two files that exist are the same when they are one file on one device, whatever the paths
// ("./teil.kprofil", "d/../teil.kprofil", a hard or symbolic link). A file still to be written
// is named by its folder's canonical path and its own name. "-" is an ordinary name here: the
// caller knows where it stands for standard input.
bool sameFile(const std::string& a, const std::string& b);

} // namespace kantrix::cli
