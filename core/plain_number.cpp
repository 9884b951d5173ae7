#include "plain_number.h"

#include "bend_error.h"
#include "number_text.h"

#include <cmath>

namespace kantrix {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Steps over the digits at `pos` and returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos - start;
}

bool skipSign(std::string_view text, std::size_t& pos)
{
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

bool isPlainNumber(std::string_view text, char decimalSeparator)
{
    std::size_t pos = 0;
    skipSign(text, pos);
    std::size_t digits = skipDigits(text, pos);
    if (pos < text.size() && text[pos] == decimalSeparator) {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        skipSign(text, pos);
        if (skipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
}

std::string plainNumberRefusal(std::string_view field, std::string_view text, char decimalSeparator)
{
    std::string refusal = "Ungültiger Wert „";
    refusal += text;
    refusal += "“ für ";
    refusal += field;
    refusal += decimalSeparator == ','
                   ? ": erwartet wird eine Zahl wie 1,5, -2 oder 4e-3 (ohne Tausenderpunkt)"
                   : ": erwartet wird eine Zahl wie 1.5, -2 oder 4e-3 (Dezimalpunkt, kein Komma)";
    return refusal;
}

std::optional<double> readNumber(std::string_view text, NumberStyle style)
{
    std::string plain(text);
    if (style == NumberStyle::PointOrComma) {
        while (!plain.empty() && isBlank(plain.back()))
            plain.pop_back();
        const std::size_t start = plain.find_first_not_of(" \t");
        plain.erase(0, start == std::string::npos ? plain.size() : start);
        if (const std::size_t comma = plain.find(','); comma != std::string::npos)
            plain[comma] = '.';
    }
    if (!isPlainNumber(plain))
        return std::nullopt;
    try {
        const double value = ParseNumber(plain);
        if (std::isfinite(value))
            return value;
    } catch (const BendError&) {
        // beyond the double range, as "1e999"
    }
    return std::nullopt;
}

} // namespace kantrix
