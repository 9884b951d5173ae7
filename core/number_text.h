#pragma once

// The three conversions between numbers and field texts. They ignore the process locale: "." is
// the only decimal separator, read and written.

#include <string>
#include <string_view>

namespace kantrix {

// The display patterns: digits rounded to two or three decimals, with one literal blank between
// the thousands and the hundreds digit that does not repeat (1234567 -> "1234 567.00").
inline constexpr std::string_view twoDecimals = "# ##0.00";
inline constexpr std::string_view threeDecimals = "# ##0.000";

// Reads the longest leading number and ignores the rest: blanks, tabs and line feeds are removed
// first wherever they stand; then an optional sign, digits, at most one "." with digits, and an
// optional exponent ("E-06"). Text that does not begin with a number reads as 0. A number beyond
// the double range raises an Overflow BendError; one too small for it reads as 0.
double ParseNumber(std::string_view text);

// Renders a value by a pattern made of "#", "0" and literal blanks, then "." and "0"s. The value
// is first taken to 15 significant digits, as it is shown everywhere else, then rounded half away
// from zero, so that a typed 2.345 shows as 2.35. A negative value keeps its "-" even when it
// rounds to zero. Non-finite values raise an InvalidOperation BendError.
std::string FormatNumber(double value, std::string_view pattern);

// The value rounded to 15 significant digits without trailing zeros or grouping ("2", "1.2").
// Magnitudes from 1E-05 up to below 1E+15 are written out; others in exponent form
// ("1.5E+20", "4E-06"). Every text it writes reads back through ParseNumber.
std::string NumberToText(double value);

// The number of characters, not bytes, of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

} // namespace kantrix
