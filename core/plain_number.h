#pragma once

// The strict reading of a value that comes from a script or a spreadsheet rather than from a
// person at the window. The window reads "1,5" as 1 and "12 mm" as 12; a value handed over by a
// program must never be read so silently, so it is checked first and refused unless it is a
// plain number.

#include <optional>
#include <string>
#include <string_view>

namespace kantrix {

// An optional sign, digits with at most one decimal separator (with a digit on at least one
// side), and an optional exponent: "e" or "E", an optional sign and digits. Nothing else: no
// blanks, group marks, units or a second separator. `decimalSeparator` is "." or, for a German
// spreadsheet, ",".
bool isPlainNumber(std::string_view text, char decimalSeparator = '.');

// The German refusal that names the value and the field it was meant for, e.g.
// "Ungültiger Wert „1,5“ für r: erwartet wird eine Zahl wie 1.5, -2 oder 4e-3".
std::string plainNumberRefusal(std::string_view field, std::string_view text,
                               char decimalSeparator = '.');

// How a number may be typed. Scripts give plain numbers with a point; a person at the window or
// the page may type a decimal comma too, and blanks around the number.
enum class NumberStyle
{
    Plain,
    PointOrComma,
};

// Reads one number or returns none when it is not a number of that style ("12 mm", "1,5" for
// Plain, "", "1e999").
std::optional<double> readNumber(std::string_view text, NumberStyle style);

} // namespace kantrix
