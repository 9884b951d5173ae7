#pragma once

// The program's modules: parts of it that it loads at their first use, so that a start which
// needs none of them neither loads nor relocates them, nor the Qt libraries only they link.

#include <QtGlobal>

namespace kantrix {

// The function `entry` of the module `name`: looked for where the module is installed relative
// to the program, then where it was built (the tests and probes run there). nullptr, after a
// warning that says why, if neither place has it.
QFunctionPointer moduleEntry(const char* name, const char* entry);

} // namespace kantrix
