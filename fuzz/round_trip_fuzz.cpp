// Eight input bytes taken as a double. NumberToText must write a text that reads back to the same
// fifteen digits, and both display patterns must read back within their rounding.

#include "bend_error.h"
#include "fuzz_check.h"
#include "number_text.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kantrix::fuzz {
namespace {

double readOrOverflow(const std::string& text, bool& overflowed)
{
    overflowed = false;
    try {
        return ParseNumber(text);
    } catch (const BendError& error) {
        require(error.kind() == FaultKind::Overflow, "ParseNumber raises only Overflow", text);
        overflowed = true;
        return 0;
    }
}

void checkNumberToText(double value)
{
    const std::string text = NumberToText(value);
    bool overflowed = false;
    const double back = readOrOverflow(text, overflowed);
    require(!overflowed, "what NumberToText writes reads back", text);
    require(NumberToText(back) == text, "NumberToText(ParseNumber(text)) == text", text);
    // Fifteen significant digits are within half a unit of the fifteenth, 5e-15 of the value,
    // plus the rounding of the reading. Subnormal values have fewer digits than that to give.
    if (std::fabs(value) >= DBL_MIN)
        require(std::fabs(back - value) <= std::fabs(value) * 5.2e-15,
                "NumberToText keeps fifteen significant digits", text);
}

void checkFormatNumber(double value, std::string_view pattern, double unit)
{
    const std::string text = FormatNumber(value, pattern);
    bool overflowed = false;
    const double back = readOrOverflow(text, overflowed);
    require(!overflowed, "what FormatNumber writes reads back", text);
    require(std::fabs(back - value) <= unit / 2 + std::fabs(value) * 1e-14,
            "a formatted value reads back within its rounding", text);
}

} // namespace
} // namespace kantrix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;
    using namespace kantrix::fuzz;

    if (size < sizeof(double))
        return -1; // too short for a double: keep it out of the corpus
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    checkNumberToText(value);
    checkFormatNumber(value, twoDecimals, 0.01);
    checkFormatNumber(value, threeDecimals, 0.001);
    return 0;
}
