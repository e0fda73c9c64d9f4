#pragma once
// Helpers shared by the number tests: a double's exact bit pattern (so that
// checks tell -0.0 from 0.0 and see every last bit), and ASCII test text
// as the UTF-16 the conversions take, and exact decimal arithmetic.
#include <cstdint>
#include <cstring>
#include <string>

inline uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline double DoubleOf(uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

// digits x factor, on a string of decimal digits: schoolbook arithmetic,
// independent of the conversions under test.
inline std::string DecimalTimes(const std::string& digits, unsigned factor) {
    std::string reversed;
    unsigned carry = 0;
    for (size_t i = digits.size(); i-- > 0;) {
        const unsigned step = static_cast<unsigned>(digits[i] - '0') * factor + carry;
        reversed += static_cast<char>('0' + step % 10);
        carry = step / 10;
    }
    for (; carry != 0; carry /= 10) reversed += static_cast<char>('0' + carry % 10);
    return std::string(reversed.rbegin(), reversed.rend());
}
