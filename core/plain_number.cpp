#include "plain_number.h"

namespace kantrix {

namespace {

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

} // namespace kantrix
