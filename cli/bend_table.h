#pragma once

// Tables of the bend deduction v to pin to a press brake: thicknesses down, radii across, one
// table for each opening angle, each cell the v text the window shows for that r, s and β.

#include <cstddef>
#include <string>
#include <vector>

namespace kantrix::cli {

// The most cells all tables of one call may hold, so that a slip in a range cannot keep the
// program busy for hours.
inline constexpr std::size_t maxTableCells = 100'000;

struct TableRequest
{
    std::vector<std::string> thicknesses; // typed texts, rows
    std::vector<std::string> radii;       // typed texts, columns
    std::vector<std::string> angles;      // typed texts, one table each
    bool csv = false;
    char separator = ','; // for csv: "," with a decimal point, ";" with a decimal comma
};

// Writes the tables as aligned text for printing, or as CSV. Corrections of r, s and β go to `err`
// as notes, a cell whose arithmetic faults is named there too. Returns Success, or Fault when any
// cell could not be computed.
int writeTable(const TableRequest& request, std::string& out, std::string& err);

} // namespace kantrix::cli
