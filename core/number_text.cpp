#include "number_text.h"

#include "bend_error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kantrix {

namespace {

constexpr int significantDigits = 15;

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
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t position) { m_pos = position; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A finite value's magnitude as 15 significant decimal digits: |value| = 0.digits x 10^exponent.
struct Decimal15
{
    char digits[significantDigits];
    int exponent;
};

#if defined(__SIZEOF_INT128__)
__extension__ using Unsigned128 = unsigned __int128;

// 10^0 to 10^22: the factors that bring a magnitude from 1E-08 up to fifteen integer digits.
constexpr auto powersOfTen = [] {
    std::array<Unsigned128, 23> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

// The digits of toDecimal15 for a normal magnitude from 1E-08 to below 1E+15, where the
// calculation's values lie, in plain integer arithmetic: |value| = m x 2^-s, so the fifteen
// digits are m x 10^k / 2^s for the k that leaves fifteen integer digits, rounded half to even
// as std::to_chars rounds; the product stays below 2^127. The general conversion of std::to_chars
// takes most of a recalculation's time. Outside its range this returns false.
bool toDecimal15Exactly(double magnitude, Decimal15& decimal)
{
    constexpr std::uint64_t fifteenDigits = 100'000'000'000'000; // 10^14
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0)
        return false; // subnormal
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
    const int shift = 1075 - biasedExponent; // magnitude = mantissa / 2^shift
    if (shift < 1 || shift > 127)
        return false;

    // log10(2) is a little more than 1233 / 4096: a first guess of the power of ten, off by one
    // at most, that the bounds on the digits then correct.
    const int power2 = 52 - shift;          // 2^power2 <= magnitude < 2^(power2 + 1)
    int exponent10 = (power2 * 1233) >> 12; // floor, also for negative values
    Unsigned128 scaled = 0;
    std::uint64_t digits = 0;
    for (;;) {
        const int k = 14 - exponent10;
        if (k < 0 || k >= static_cast<int>(powersOfTen.size()))
            return false;
        scaled = Unsigned128{mantissa} * powersOfTen[static_cast<std::size_t>(k)];
        digits = static_cast<std::uint64_t>(scaled >> shift);
        if (digits < fifteenDigits)
            --exponent10;
        else if (digits >= 10 * fifteenDigits)
            ++exponent10;
        else
            break;
    }
    const Unsigned128 remainder = scaled & ((Unsigned128{1} << shift) - 1);
    const Unsigned128 half = Unsigned128{1} << (shift - 1);
    if (remainder > half || (remainder == half && digits % 2 == 1))
        ++digits;
    if (digits == 10 * fifteenDigits) {
        digits = fifteenDigits;
        ++exponent10;
    }
    for (int i = significantDigits - 1; i >= 0; --i) {
        decimal.digits[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    decimal.exponent = exponent10 + 1;
    return true;
}
#else
bool toDecimal15Exactly(double, Decimal15&)
{
    return false;
}
#endif

Decimal15 toDecimal15(double magnitude)
{
    Decimal15 decimal{};
    if (toDecimal15Exactly(magnitude, decimal))
        return decimal;
    // The largest 15-digit decimal that is still a double. Above it, rounding to nearest would
    // give digits beyond the double range, a text that could not be read back; they are cut.
    constexpr double largestFifteenDigitDouble = 1.79769313486231e308;
    if (magnitude > largestFifteenDigitDouble) {
        std::copy_n("179769313486231", significantDigits, decimal.digits);
        decimal.exponent = 309;
        return decimal;
    }
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, significantDigits - 1);
    // buffer holds "d.ddddddddddddddde+XX"
    decimal.digits[0] = buffer[0];
    std::copy_n(buffer + 2, significantDigits - 1, decimal.digits + 1);
    int exponent = 0;
    const char* exponentStart = buffer + significantDigits + 2;
    if (*exponentStart == '+')
        ++exponentStart;
    std::from_chars(exponentStart, written.ptr, exponent);
    decimal.exponent = exponent + 1;
    return decimal;
}

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

    int placesToTheRight = 0;
    bool zeroSeen = false;
    for (auto it = integerPart.rbegin(); it != integerPart.rend(); ++it) {
        if (*it == '#' || *it == '0') {
            ++placesToTheRight;
            if (*it == '0' && !zeroSeen)
                pattern.minimumIntegerDigits = placesToTheRight;
            zeroSeen = zeroSeen || *it == '0';
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

// The decimal magnitude of a digit sequence: the power of ten just above its first non-zero digit.
long decimalMagnitude(std::string_view integerDigits, std::string_view fractionDigits,
                      long exponent)
{
    const auto inInteger = integerDigits.find_first_not_of('0');
    if (inInteger != std::string_view::npos)
        return static_cast<long>(integerDigits.size() - inInteger) + exponent;
    const auto inFraction = fractionDigits.find_first_not_of('0');
    return -static_cast<long>(inFraction) + exponent;
}

} // namespace

double ParseNumber(std::string_view text)
{
    BlankSkippingCursor cursor(text);
    std::string number;
    number.reserve(text.size());

    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }
    if (negative)
        number += '-';

    const std::size_t integerStart = number.size();
    while (isDigit(cursor.peek())) {
        number += static_cast<char>(cursor.peek());
        cursor.advance();
    }
    const std::size_t integerEnd = number.size();
    std::size_t fractionStart = integerEnd;
    if (cursor.peek() == '.') {
        cursor.advance();
        number += '.';
        fractionStart = number.size();
        while (isDigit(cursor.peek())) {
            number += static_cast<char>(cursor.peek());
            cursor.advance();
        }
    }
    const std::size_t fractionEnd = number.size();
    if (integerEnd == integerStart && fractionEnd == fractionStart)
        return 0;

    // An exponent counts only when at least one digit follows the "E" and its sign.
    long exponent = 0;
    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        const std::size_t mark = cursor.position();
        const std::size_t numberEnd = number.size();
        number += 'e';
        cursor.advance();
        bool negativeExponent = false;
        if (cursor.peek() == '+' || cursor.peek() == '-') {
            negativeExponent = cursor.peek() == '-';
            number += static_cast<char>(cursor.peek());
            cursor.advance();
        }
        bool anyDigit = false;
        while (isDigit(cursor.peek())) {
            anyDigit = true;
            exponent = std::min(exponent * 10 + (cursor.peek() - '0'), 1'000'000'000L);
            number += static_cast<char>(cursor.peek());
            cursor.advance();
        }
        if (anyDigit) {
            exponent = negativeExponent ? -exponent : exponent;
        } else {
            number.resize(numberEnd);
            cursor.rewind(mark);
        }
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const std::string_view all(number);
        const long magnitude =
            decimalMagnitude(all.substr(integerStart, integerEnd - integerStart),
                             all.substr(fractionStart, fractionEnd - fractionStart), exponent);
        if (magnitude > 0)
            throw BendError(FaultKind::Overflow);
        return negative ? -0.0 : 0.0;
    }
    return value;
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
