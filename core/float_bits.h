#pragma once

// The bit pattern of a double and back. std::bit_cast is missing from some standard libraries the
// core is built with, so this copies the bytes, which compilers turn into a plain move.

#include <cstdint>
#include <cstring>

namespace kantrix {

inline std::uint64_t bitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline double doubleFromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace kantrix
