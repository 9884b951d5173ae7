#pragma once

// Rows of texts under a heading for a terminal or a printout: every column right-aligned under
// its widest text (or left-aligned, for names), counted in characters, not bytes.

#include <string>
#include <vector>

namespace kantrix {

class TextColumns
{
public:
    explicit TextColumns(std::vector<std::string> heading, std::size_t gap = 3);

    void add(std::vector<std::string> row);

    // Aligns a column of names to the left.
    void alignLeft(std::size_t column);

    // Appends the heading and the rows, one line each.
    void write(std::string& out) const;

private:
    std::vector<std::vector<std::string>> m_rows;
    std::vector<bool> m_left;
    std::size_t m_gap;
};

} // namespace kantrix
