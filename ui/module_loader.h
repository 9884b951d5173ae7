#pragma once

// The program's modules: parts of it that it loads at their first use, so that a start which
// needs none of them neither loads nor relocates them, nor the Qt libraries only they link.

#include <QtGlobal>

namespace kantrix {

// The function `entry` of the module `name`: looked for where the module is installed relative
// to the program, then where it was built (the tests and probes run there). nullptr, after a
// warning that says why, if neither place has it.
QFunctionPointer moduleEntry(const char* name, const char* entry);

// What the module `name` offers through its entry `entry`, a function that returns a pointer to
// an Interface; nullptr, after the warning, if the module cannot be loaded.
template <typename Interface> const Interface* moduleInterface(const char* name, const char* entry)
{
    using Entry = const Interface* (*)();
    const auto found = reinterpret_cast<Entry>(moduleEntry(name, entry));
    return found ? found() : nullptr;
}

} // namespace kantrix
