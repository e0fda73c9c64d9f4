#pragma once
// Helpers shared by the number tests: a double's exact bit pattern (so that
// checks tell -0.0 from 0.0 and see every last bit), and ASCII test text
// as the UTF-16 the conversions take.
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
