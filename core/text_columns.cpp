#include "text_columns.h"

#include "number_text.h"

#include <algorithm>

namespace kantrix {

TextColumns::TextColumns(std::vector<std::string> heading, std::size_t gap)
    : m_left(heading.size(), false), m_gap(gap)
{
    m_rows.push_back(std::move(heading));
}

void TextColumns::alignLeft(std::size_t column)
{
    m_left.at(column) = true;
}

void TextColumns::add(std::vector<std::string> row)
{
    m_rows.push_back(std::move(row));
}

void TextColumns::write(std::string& out) const
{
    std::vector<std::size_t> widths(m_rows.front().size());
    for (const std::vector<std::string>& row : m_rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], characterCount(row[c]));
    for (const std::vector<std::string>& row : m_rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::size_t padding = widths[c] - characterCount(row[c]);
            line.append(c ? m_gap : 0, ' ');
            if (!m_left[c])
                line.append(padding, ' ');
            line += row[c];
            if (m_left[c])
                line.append(padding, ' ');
        }
        // A left-aligned last column leaves no blanks at the end of the line.
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + '\n';
    }
}

} // namespace kantrix
