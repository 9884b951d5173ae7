#pragma once

// An unsigned integer of any size, with just what the exact conversions between doubles and
// decimal digits need.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kantrix {

class BigUnsigned
{
public:
    BigUnsigned() = default;
    explicit BigUnsigned(std::uint64_t value);
    static BigUnsigned fromDigits(std::string_view decimalDigits);

    void multiply(std::uint32_t factor);
    void multiplyByPowerOf10(int exponent);
    void multiplyByPowerOf5(int exponent);
    void shiftLeft(int bits);
    void shiftRight(int bits);
    // a -= b for b <= a.
    void subtract(const BigUnsigned& b);
    // Divides by a divisor below 2^32 and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor);

    bool isZero() const { return m_words.empty(); }
    int bitLength() const;
    // Whether any of the lowest `bits` bits is set.
    bool anyLowBitSet(int bits) const;
    std::uint64_t low64() const;
    std::string toDigits() const;

    friend int compare(const BigUnsigned& a, const BigUnsigned& b);

private:
    void trim();

    std::vector<std::uint32_t> m_words; // least significant first, no leading zero words
};

} // namespace kantrix
