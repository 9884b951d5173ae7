#pragma once

// The thirteen quantities as lines of plain text, in the window's order: the caption, the
// field's text right-aligned in a common column, and the unit, as the window shows them
// ("Biegeradius r =      2.00 mm"). For the clipboard, the terminal and printed notes.

#include "field_set.h"

#include <string>

namespace kantrix {

// One line per quantity, each ending in "\n"; no trailing blanks where a row has no unit.
std::string quantityLines(const FieldSet& fields);

} // namespace kantrix
