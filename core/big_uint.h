#pragma once
// A small arbitrary-precision unsigned integer: just enough arithmetic for
// exact conversions between doubles and decimal text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class BigUInt {
   public:
    BigUInt() = default;
    explicit BigUInt(uint64_t value);

    bool IsZero() const { return m_limbs.empty(); }
    size_t BitLength() const;
    bool TestBit(size_t index) const;
    // Whether any of the `count` lowest bits is set.
    bool AnyBitBelow(size_t count) const;

    // *this = *this * factor + addend.
    void MulAdd(uint32_t factor, uint32_t addend);
    void MulPow5(uint32_t exponent);
    void ShiftLeft(size_t bits);
    // Drops the `bits` lowest bits.
    void ShiftRight(size_t bits);
    // *this /= divisor; returns the remainder. `divisor` must not be 0.
    uint32_t DivSmall(uint32_t divisor);

    std::string ToDecimal() const;

    friend int Compare(const BigUInt& left, const BigUInt& right);
    friend BigUInt operator*(const BigUInt& left, const BigUInt& right);

   private:
    void Trim();

    std::vector<uint32_t> m_limbs;  // least significant first, no leading zero limbs
};
