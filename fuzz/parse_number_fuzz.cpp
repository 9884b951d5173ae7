// ParseNumber on arbitrary bytes. It must not crash, and the only error it may raise is an
// Overflow. Its value is checked against the C library's strtod, which reads the same decimal
// numbers, and whatever it reads must survive NumberToText and a second reading.

#include "bend_error.h"
#include "fuzz_check.h"
#include "number_text.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace kantrix::fuzz {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool canBelongToNumber(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E';
}

// The value by strtod: the blanks removed first, then only the leading run of characters that a
// decimal number can contain, so that strtod's own extras (hexadecimal, "inf", "nan", other
// white space) never come into play. Empty when the number is beyond the double range.
std::optional<double> referenceValue(std::string_view text)
{
    std::string candidate;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (!canBelongToNumber(c))
            break;
        candidate += c;
    }
    const double value = std::strtod(candidate.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

void checkRoundTrip(double value, std::string_view input)
{
    const std::string written = NumberToText(value);
    double back = 0;
    try {
        back = ParseNumber(written);
    } catch (const BendError&) {
        require(false, "what NumberToText writes reads back", written);
    }
    require(NumberToText(back) == written, "NumberToText(ParseNumber(text)) == text", input);
}

} // namespace
} // namespace kantrix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;
    using namespace kantrix::fuzz;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> expected = referenceValue(text);
    double value = 0;
    try {
        value = ParseNumber(text);
    } catch (const BendError& error) {
        require(error.kind() == FaultKind::Overflow, "ParseNumber raises only Overflow", text);
        require(!expected.has_value(), "Overflow only beyond the double range", text);
        return 0;
    }
    require(expected.has_value(), "a number beyond the double range raises Overflow", text);
    require(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(*expected),
            "ParseNumber reads what strtod reads, to the bit", text);
    checkRoundTrip(value, text);
    return 0;
}
