#include "csv_row.h"

namespace kantrix::cli {

void CsvRow::separate()
{
    if (!m_first)
        m_out += m_separator;
    m_first = false;
}

void CsvRow::cell(std::string_view text)
{
    separate();
    const bool quoted =
        text.find_first_of(std::string{m_separator, '"', '\n', '\r'}) != std::string_view::npos ||
        (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                           text.back() == '\t'));
    if (!quoted) {
        m_out += text;
        return;
    }
    m_out += '"';
    for (char c : text) {
        if (c == '"')
            m_out += '"';
        m_out += c;
    }
    m_out += '"';
}

void CsvRow::number(std::string_view windowText)
{
    separate();
    const char decimal = decimalSeparatorFor(m_separator);
    for (char c : windowText) {
        if (c == ' ')
            continue;
        m_out += c == '.' ? decimal : c;
    }
}

} // namespace kantrix::cli
