#include "big_uint.h"

#include <algorithm>

namespace {
constexpr size_t LIMB_BITS = 32;
constexpr uint32_t POW5_13 = 1220703125u;  // the largest power of 5 in 32 bits
constexpr uint32_t DECIMAL_CHUNK = 1000000000u;
constexpr int DECIMAL_CHUNK_DIGITS = 9;

uint32_t Low32(uint64_t value) {
    return static_cast<uint32_t>(value & 0xFFFFFFFFu);
}
}  // namespace

BigUInt::BigUInt(uint64_t value) {
    while (value != 0) {
        m_limbs.push_back(Low32(value));
        value >>= LIMB_BITS;
    }
}

void BigUInt::Trim() {
    while (!m_limbs.empty() && m_limbs.back() == 0) m_limbs.pop_back();
}

size_t BigUInt::BitLength() const {
    if (m_limbs.empty()) return 0;
    size_t bits = (m_limbs.size() - 1) * LIMB_BITS;
    for (uint32_t top = m_limbs.back(); top != 0; top >>= 1) ++bits;
    return bits;
}

bool BigUInt::TestBit(size_t index) const {
    const size_t limb = index / LIMB_BITS;
    if (limb >= m_limbs.size()) return false;
    return ((m_limbs[limb] >> (index % LIMB_BITS)) & 1u) != 0;
}

bool BigUInt::AnyBitBelow(size_t count) const {
    const size_t wholeLimbs = std::min(count / LIMB_BITS, m_limbs.size());
    for (size_t i = 0; i < wholeLimbs; ++i) {
        if (m_limbs[i] != 0) return true;
    }
    const size_t restBits = count % LIMB_BITS;
    if (wholeLimbs == m_limbs.size() || restBits == 0) return false;
    const uint32_t mask = (1u << restBits) - 1u;
    return (m_limbs[wholeLimbs] & mask) != 0;
}

void BigUInt::MulAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (uint32_t& limb : m_limbs) {
        const uint64_t product = static_cast<uint64_t>(limb) * factor + carry;
        limb = Low32(product);
        carry = product >> LIMB_BITS;
    }
    if (carry != 0) m_limbs.push_back(Low32(carry));
    Trim();
}

void BigUInt::MulPow5(uint32_t exponent) {
    for (; exponent >= 13; exponent -= 13) MulAdd(POW5_13, 0);
    uint32_t factor = 1;
    for (; exponent > 0; --exponent) factor *= 5;
    MulAdd(factor, 0);
}

void BigUInt::ShiftLeft(size_t bits) {
    if (m_limbs.empty()) return;
    const size_t limbShift = bits / LIMB_BITS;
    const size_t bitShift = bits % LIMB_BITS;
    if (bitShift != 0) {
        uint32_t carry = 0;
        for (uint32_t& limb : m_limbs) {
            const uint32_t next = limb >> (LIMB_BITS - bitShift);
            limb = (limb << bitShift) | carry;
            carry = next;
        }
        if (carry != 0) m_limbs.push_back(carry);
    }
    m_limbs.insert(m_limbs.begin(), limbShift, 0u);
}

void BigUInt::ShiftRight(size_t bits) {
    const size_t limbShift = bits / LIMB_BITS;
    if (limbShift >= m_limbs.size()) {
        m_limbs.clear();
        return;
    }
    m_limbs.erase(m_limbs.begin(), m_limbs.begin() + static_cast<std::ptrdiff_t>(limbShift));
    const size_t bitShift = bits % LIMB_BITS;
    if (bitShift != 0) {
        for (size_t i = 0; i < m_limbs.size(); ++i) {
            const uint32_t high = i + 1 < m_limbs.size() ? m_limbs[i + 1] : 0u;
            m_limbs[i] = (m_limbs[i] >> bitShift) | (high << (LIMB_BITS - bitShift));
        }
    }
    Trim();
}

uint32_t BigUInt::DivSmall(uint32_t divisor) {
    uint64_t remainder = 0;
    for (size_t i = m_limbs.size(); i-- > 0;) {
        const uint64_t current = (remainder << LIMB_BITS) | m_limbs[i];
        m_limbs[i] = static_cast<uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    Trim();
    return static_cast<uint32_t>(remainder);
}

std::string BigUInt::ToDecimal() const {
    if (IsZero()) return "0";
    // Chunks of nine digits, least significant first.
    std::vector<uint32_t> chunks;
    BigUInt rest = *this;
    while (!rest.IsZero()) chunks.push_back(rest.DivSmall(DECIMAL_CHUNK));
    std::string text = std::to_string(chunks.back());
    for (size_t i = chunks.size() - 1; i-- > 0;) {
        const std::string chunk = std::to_string(chunks[i]);
        text.append(static_cast<size_t>(DECIMAL_CHUNK_DIGITS) - chunk.size(), '0');
        text += chunk;
    }
    return text;
}

int Compare(const BigUInt& left, const BigUInt& right) {
    if (left.m_limbs.size() != right.m_limbs.size()) {
        return left.m_limbs.size() < right.m_limbs.size() ? -1 : 1;
    }
    for (size_t i = left.m_limbs.size(); i-- > 0;) {
        if (left.m_limbs[i] != right.m_limbs[i]) return left.m_limbs[i] < right.m_limbs[i] ? -1 : 1;
    }
    return 0;
}

BigUInt operator*(const BigUInt& left, const BigUInt& right) {
    BigUInt product;
    if (left.IsZero() || right.IsZero()) return product;
    product.m_limbs.assign(left.m_limbs.size() + right.m_limbs.size(), 0u);
    for (size_t i = 0; i < left.m_limbs.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < right.m_limbs.size(); ++j) {
            const uint64_t sum = static_cast<uint64_t>(left.m_limbs[i]) * right.m_limbs[j] +
                                 product.m_limbs[i + j] + carry;
            product.m_limbs[i + j] = Low32(sum);
            carry = sum >> LIMB_BITS;
        }
        product.m_limbs[i + right.m_limbs.size()] = Low32(carry);
    }
    product.Trim();
    return product;
}
