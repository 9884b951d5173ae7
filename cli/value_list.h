#pragma once

// Lists and ranges of values for the tables. Items are separated by "/" and a range is written
// "from:to:step", so that neither can be taken for a decimal comma: "1/1.5/2", "1:3:0.5",
// "0.5/1:3:1".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kantrix::cli {

// The most values one list may hold.
inline constexpr std::size_t maxListValues = 1000;

// Appends the values of `list` to `values` as texts to type: a plain number as written, the steps
// of a range as their plain texts ("1.5"). Returns the German refusal, naming `option`, of a list
// that is not a plain number, a range running upwards by a positive step, or a list of them of
// at most maxListValues values.
std::optional<std::string> expandValues(std::string_view option, std::string_view list,
                                        std::vector<std::string>& values);

} // namespace kantrix::cli
