#pragma once

// What a screen reader says for a quantity's field: the caption up to its "=" and the unit as a
// word, "Biegeradius r, Millimeter". A caption such as "Biegewinkel a = 180 - b =" keeps only its
// name; the rest is a formula, not a name. Every face that gives its fields accessible names
// takes them from here.

#include "form_description.h"

#include <string>
#include <string_view>

namespace kantrix::form {

// The unit as it is spoken: " mm" is "Millimeter", " °" is "Grad"; a row without a unit has none.
std::string_view spokenUnit(std::string_view unit);

std::string spokenName(const RowDescription& row);

// A quantity with the text its field shows, "Gestreckte Länge L: 196.163 Millimeter".
std::string spokenQuantity(const RowDescription& row, std::string_view shown);

} // namespace kantrix::form
