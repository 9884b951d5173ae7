#pragma once

// Writing comma- or semicolon-separated lines that spreadsheets read back as they were meant.

#include <string>
#include <string_view>

namespace kantrix::cli {

// With ";", what German spreadsheets write, numbers carry a decimal comma; with "," a point.
constexpr char decimalSeparatorFor(char separator)
{
    return separator == ';' ? ',' : '.';
}

class CsvRow
{
public:
    CsvRow(std::string& out, char separator) : m_out(out), m_separator(separator) {}

    // A text, quoted when a reader would otherwise split or trim it.
    void cell(std::string_view text);
    // A number text of the window, without its group blank ("1 378.493" -> "1378.493") and with
    // the decimal separator of the convention, so that a spreadsheet reads it as a number.
    void number(std::string_view windowText);
    void end() { m_out += '\n'; }

private:
    void separate();

    std::string& m_out;
    char m_separator;
    bool m_first = true;
};

} // namespace kantrix::cli
