#include "big_unsigned.h"

#include <algorithm>

namespace kantrix {

BigUnsigned::BigUnsigned(std::uint64_t value)
{
    for (; value != 0; value >>= 32)
        m_words.push_back(static_cast<std::uint32_t>(value));
}

BigUnsigned BigUnsigned::fromDigits(std::string_view decimalDigits)
{
    BigUnsigned result;
    for (char digit : decimalDigits) {
        result.multiply(10);
        if (digit != '0') {
            std::uint64_t carry = static_cast<std::uint64_t>(digit - '0');
            for (std::size_t i = 0; carry != 0; ++i) {
                if (i == result.m_words.size())
                    result.m_words.push_back(0);
                carry += result.m_words[i];
                result.m_words[i] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
        }
    }
    return result;
}

void BigUnsigned::multiply(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t& word : m_words) {
        carry += std::uint64_t{word} * factor;
        word = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        m_words.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

void BigUnsigned::multiplyByPowerOf10(int exponent)
{
    multiplyByPowerOf5(exponent);
    shiftLeft(exponent);
}

void BigUnsigned::multiplyByPowerOf5(int exponent)
{
    constexpr std::uint32_t fiveToThe13 = 1'220'703'125;
    for (; exponent >= 13; exponent -= 13)
        multiply(fiveToThe13);
    std::uint32_t rest = 1;
    for (; exponent > 0; --exponent)
        rest *= 5;
    multiply(rest);
}

void BigUnsigned::shiftLeft(int bits)
{
    if (isZero() || bits <= 0)
        return;
    const auto wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    if (bitShift != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& word : m_words) {
            const std::uint32_t shifted = word << bitShift | carry;
            carry = word >> (32 - bitShift);
            word = shifted;
        }
        if (carry != 0)
            m_words.push_back(carry);
    }
    m_words.insert(m_words.begin(), wordShift, 0);
}

void BigUnsigned::shiftRight(int bits)
{
    const auto wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    if (wordShift >= m_words.size()) {
        m_words.clear();
        return;
    }
    m_words.erase(m_words.begin(), m_words.begin() + static_cast<std::ptrdiff_t>(wordShift));
    if (bitShift != 0) {
        for (std::size_t i = 0; i < m_words.size(); ++i) {
            const std::uint32_t next = i + 1 < m_words.size() ? m_words[i + 1] : 0;
            m_words[i] = m_words[i] >> bitShift | next << (32 - bitShift);
        }
    }
    trim();
}

void BigUnsigned::subtract(const BigUnsigned& b)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        std::int64_t difference = std::int64_t{m_words[i]} - borrow;
        if (i < b.m_words.size())
            difference -= b.m_words[i];
        borrow = difference < 0 ? 1 : 0;
        m_words[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    trim();
}

std::uint32_t BigUnsigned::divide(std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (auto word = m_words.rbegin(); word != m_words.rend(); ++word) {
        remainder = remainder << 32 | *word;
        *word = static_cast<std::uint32_t>(remainder / divisor);
        remainder %= divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
}

int BigUnsigned::bitLength() const
{
    if (isZero())
        return 0;
    int length = static_cast<int>(m_words.size() - 1) * 32;
    for (std::uint32_t top = m_words.back(); top != 0; top >>= 1)
        ++length;
    return length;
}

bool BigUnsigned::anyLowBitSet(int bits) const
{
    for (std::size_t i = 0; i < m_words.size() && bits > 0; ++i, bits -= 32) {
        const std::uint32_t mask = bits >= 32 ? ~std::uint32_t{0} : (std::uint32_t{1} << bits) - 1;
        if ((m_words[i] & mask) != 0)
            return true;
    }
    return false;
}

std::uint64_t BigUnsigned::low64() const
{
    std::uint64_t value = 0;
    for (std::size_t i = std::min<std::size_t>(m_words.size(), 2); i-- > 0;)
        value = value << 32 | m_words[i];
    return value;
}

std::string BigUnsigned::toDigits() const
{
    if (isZero())
        return "0";
    BigUnsigned rest = *this;
    std::string reversed;
    while (!rest.isZero()) {
        std::uint32_t chunk = rest.divide(1'000'000'000);
        for (int i = 0; i < 9 && (chunk != 0 || !rest.isZero()); ++i) {
            reversed += static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
    }
    return {reversed.rbegin(), reversed.rend()};
}

int compare(const BigUnsigned& a, const BigUnsigned& b)
{
    if (a.m_words.size() != b.m_words.size())
        return a.m_words.size() < b.m_words.size() ? -1 : 1;
    for (std::size_t i = a.m_words.size(); i-- > 0;)
        if (a.m_words[i] != b.m_words[i])
            return a.m_words[i] < b.m_words[i] ? -1 : 1;
    return 0;
}

void BigUnsigned::trim()
{
    while (!m_words.empty() && m_words.back() == 0)
        m_words.pop_back();
}

} // namespace kantrix
