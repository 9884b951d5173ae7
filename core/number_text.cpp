#include "number_text.h"

#include "bend_error.h"
#include "decimal_conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kantrix {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

// Walks a text character by character, stepping over the blanks that ParseNumber ignores.
class BlankSkippingCursor
{
public:
    explicit BlankSkippingCursor(std::string_view text) : m_text(text) {}

    int peek()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? static_cast<unsigned char>(m_text[m_pos]) : -1;
    }
    void advance() { ++m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

struct Pattern
{
    int decimals = 0;
    int minimumIntegerDigits = 0;
    // For each literal blank, how many digit places stand to its right in the integer part.
    int blankPlaces[4] = {};
    int blankCount = 0;
};

Pattern parsePattern(std::string_view text)
{
    Pattern pattern;
    const std::size_t point = text.find('.');
    const std::string_view integerPart = text.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);

    // The leftmost "0" sets how many integer digits are always written.
    int placesToTheRight = 0;
    for (auto it = integerPart.rbegin(); it != integerPart.rend(); ++it) {
        if (*it == '#' || *it == '0') {
            ++placesToTheRight;
            if (*it == '0')
                pattern.minimumIntegerDigits = placesToTheRight;
        } else if (*it == ' ' && pattern.blankCount < 4) {
            pattern.blankPlaces[pattern.blankCount++] = placesToTheRight;
        } else {
            throw std::invalid_argument("unsupported display pattern");
        }
    }
    for (char c : fractionPart) {
        if (c != '0')
            throw std::invalid_argument("unsupported display pattern");
        ++pattern.decimals;
    }
    return pattern;
}

// |value| rounded half away from zero to the pattern's decimals, as the digits of an integer
// count of 10^-decimals units, without leading zeros ("" for zero).
std::string roundedUnits(double magnitude, int decimals)
{
    if (magnitude == 0)
        return {};
    const Decimal15 decimal = toDecimal15(magnitude);
    const long keep = static_cast<long>(decimal.exponent) + decimals;
    std::string units;
    if (keep >= significantDigits) {
        units.assign(decimal.digits, significantDigits);
        units.append(static_cast<std::size_t>(keep - significantDigits), '0');
    } else if (keep >= 0) {
        units.assign(decimal.digits, static_cast<std::size_t>(keep));
        if (decimal.digits[keep] >= '5') {
            auto digit = units.rbegin();
            for (; digit != units.rend() && *digit == '9'; ++digit)
                *digit = '0';
            if (digit == units.rend())
                units.insert(units.begin(), '1');
            else
                ++*digit;
        }
    }
    const auto firstNonZero = units.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string{} : units.substr(firstNonZero);
}

} // namespace

double ParseNumber(std::string_view text)
{
    BlankSkippingCursor cursor(text);
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    // The integer and fraction digits in one run; the point sits fractionDigits from its end.
    std::string digits;
    digits.reserve(text.size());
    bool anyDigit = false;
    while (isDigit(cursor.peek())) {
        digits += static_cast<char>(cursor.peek());
        cursor.advance();
        anyDigit = true;
    }
    std::int64_t fractionDigits = 0;
    if (cursor.peek() == '.') {
        cursor.advance();
        while (isDigit(cursor.peek())) {
            digits += static_cast<char>(cursor.peek());
            cursor.advance();
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;

    // An exponent counts only when at least one digit follows the "E" and its sign.
    std::int64_t exponent = 0;
    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        cursor.advance();
        bool negativeExponent = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            negativeExponent = cursor.peek() == '-';
            cursor.advance();
        }
        while (isDigit(cursor.peek())) {
            exponent = std::min<std::int64_t>(exponent * 10 + (cursor.peek() - '0'), 1'000'000'000);
            cursor.advance();
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const double magnitude = decimalToDouble(digits, exponent - fractionDigits);
    if (magnitude == std::numeric_limits<double>::infinity())
        throw BendError(FaultKind::Overflow);
    return negative ? -magnitude : magnitude;
}

std::string FormatNumber(double value, std::string_view patternText)
{
    if (!std::isfinite(value))
        throw BendError(FaultKind::InvalidOperation);
    const Pattern pattern = parsePattern(patternText);

    std::string units = roundedUnits(std::fabs(value), pattern.decimals);
    const std::size_t minimumDigits =
        static_cast<std::size_t>(pattern.decimals + pattern.minimumIntegerDigits);
    if (units.size() < minimumDigits)
        units.insert(0, minimumDigits - units.size(), '0');

    const std::size_t integerCount = units.size() - static_cast<std::size_t>(pattern.decimals);
    std::string text;
    text.reserve(units.size() + 4);
    if (value < 0)
        text += '-';
    // A literal blank is written only where a digit stands on its left; digits beyond the
    // leftmost placeholder all go there, so the blank does not repeat.
    for (std::size_t i = 0; i < integerCount; ++i) {
        text += units[i];
        const std::size_t placesToTheRight = integerCount - 1 - i;
        for (int b = 0; b < pattern.blankCount; ++b) {
            if (placesToTheRight > 0 &&
                placesToTheRight == static_cast<std::size_t>(pattern.blankPlaces[b]))
                text += ' ';
        }
    }
    if (pattern.decimals > 0) {
        text += '.';
        text.append(units, units.size() - pattern.decimals, std::string::npos);
    }
    return text;
}

std::string NumberToText(double value)
{
    if (!std::isfinite(value))
        throw BendError(FaultKind::InvalidOperation);
    if (value == 0)
        return "0";

    const Decimal15 decimal = toDecimal15(std::fabs(value));
    std::string_view digits(decimal.digits, significantDigits);
    digits = digits.substr(0, digits.find_last_not_of('0') + 1);
    const int pointExponent = decimal.exponent - 1; // as in d.ddd x 10^pointExponent

    std::string text;
    if (value < 0)
        text += '-';
    if (pointExponent >= -5 && pointExponent <= 14) {
        if (pointExponent >= 0) {
            const auto integerCount = static_cast<std::size_t>(pointExponent + 1);
            text.append(digits.substr(0, integerCount));
            if (digits.size() < integerCount)
                text.append(integerCount - digits.size(), '0');
            if (digits.size() > integerCount) {
                text += '.';
                text.append(digits.substr(integerCount));
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-pointExponent - 1), '0');
            text.append(digits);
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += '.';
        text.append(digits.substr(1));
    }
    text += pointExponent < 0 ? "E-" : "E+";
    const int exponentMagnitude = std::abs(pointExponent);
    if (exponentMagnitude < 10)
        text += '0';
    text += std::to_string(exponentMagnitude);
    return text;
}

std::size_t characterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace kantrix
