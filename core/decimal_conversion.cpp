#include "decimal_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "big_uint.h"

namespace {

constexpr int FRACTION_DIGITS = 6;
constexpr uint32_t FRACTION_SCALE_POW5 = 6;  // 10^6 = 5^6 x 2^6
constexpr uint64_t LARGEST_FINITE_BITS = 0x7FEFFFFFFFFFFFFFu;
constexpr uint64_t MANTISSA_MASK = (uint64_t{1} << 52) - 1;
constexpr uint64_t HIDDEN_BIT = uint64_t{1} << 52;
constexpr int EXPONENT_BIAS_AND_SHIFT = 1075;  // bias 1023 plus 52 fraction bits
// Decimal magnitudes outside these bounds round to infinity or to zero.
constexpr int64_t OVERFLOW_MAGNITUDE = 310;    // value >= 10^309 > largest double
constexpr int64_t UNDERFLOW_MAGNITUDE = -324;  // value < 10^-324 < half the least subnormal
constexpr int64_t EXPONENT_LIMIT = INT64_C(1000000000000000000);
// No halfway point between two doubles needs more than 767 significant
// digits, so digits beyond these only matter as "something non-zero follows".
constexpr size_t SIGNIFICANT_DIGITS_KEPT = 800;

uint64_t BitsOf(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DoubleOf(uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A non-negative value mantissa x 2^exponent.
struct BinaryValue {
    uint64_t mantissa;
    int exponent;
};

// Exact value of a positive double (or of the pattern just above the largest
// one, which stands for 2^1024).
BinaryValue Decompose(uint64_t bits) {
    const int biased = static_cast<int>(bits >> 52);
    const uint64_t fraction = bits & MANTISSA_MASK;
    if (biased == 0) return {fraction, 1 - EXPONENT_BIAS_AND_SHIFT};
    return {fraction | HIDDEN_BIT, biased - EXPONENT_BIAS_AND_SHIFT};
}

std::string NonFiniteText(double value) {
    std::string text = std::signbit(value) ? "-" : "";
    return text + (std::isnan(value) ? "nan" : "inf");
}

// round(value x 10^6) for a non-negative finite value, ties to even.
BigUInt ScaledFixed6(uint64_t bits) {
    const BinaryValue binary = Decompose(bits);
    BigUInt scaled(binary.mantissa);
    scaled.MulPow5(FRACTION_SCALE_POW5);
    const int shift = binary.exponent + FRACTION_DIGITS;
    if (shift >= 0) {
        scaled.ShiftLeft(static_cast<size_t>(shift));
        return scaled;
    }
    const size_t dropped = static_cast<size_t>(-shift);
    const bool half = scaled.TestBit(dropped - 1);
    const bool belowHalf = scaled.AnyBitBelow(dropped - 1);
    scaled.ShiftRight(dropped);
    const bool odd = scaled.TestBit(0);
    if (half && (belowHalf || odd)) scaled.MulAdd(1, 1);
    return scaled;
}

// V = ratioNumerator / ratioDenominator x 2^exponent2, compared exactly with
// mantissa x 2^exponent.
class ExactDecimal {
   public:
    ExactDecimal(std::string_view digits, int exponent10) : m_exponent2(exponent10) {
        for (const char digit : digits) m_numerator.MulAdd(10, static_cast<uint32_t>(digit - '0'));
        m_denominator = BigUInt(1);
        if (exponent10 >= 0) {
            m_numerator.MulPow5(static_cast<uint32_t>(exponent10));
        } else {
            m_denominator.MulPow5(static_cast<uint32_t>(-exponent10));
        }
    }

    // Sign of V - mantissa x 2^exponent.
    int CompareWith(uint64_t mantissa, int exponent) const {
        BigUInt left = m_numerator;
        BigUInt right = m_denominator * BigUInt(mantissa);
        const int difference = m_exponent2 - exponent;
        if (difference >= 0) {
            left.ShiftLeft(static_cast<size_t>(difference));
        } else {
            right.ShiftLeft(static_cast<size_t>(-difference));
        }
        return Compare(left, right);
    }

    int CompareWithDouble(uint64_t bits) const {
        const BinaryValue binary = Decompose(bits);
        return CompareWith(binary.mantissa, binary.exponent);
    }

    // Against the point halfway between the double `bits` and the next one up.
    int CompareWithHalfwayAbove(uint64_t bits) const {
        const BinaryValue binary = Decompose(bits);
        return CompareWith(2 * binary.mantissa + 1, binary.exponent - 1);
    }

   private:
    BigUInt m_numerator;
    BigUInt m_denominator;
    int m_exponent2;
};

// A guess within a few units in the last place, from the leading digits and
// the platform's pow; only used to narrow the exact search below.
uint64_t EstimateBits(std::string_view digits, int exponent10) {
    constexpr size_t GUESS_DIGITS = 19;
    const size_t used = std::min(digits.size(), GUESS_DIGITS);
    uint64_t leading = 0;
    for (size_t i = 0; i < used; ++i)
        leading = leading * 10 + static_cast<uint64_t>(digits[i] - '0');
    const int scale = exponent10 + static_cast<int>(digits.size() - used);
    // Two factors keep each power inside the range of a double.
    const double guess = static_cast<double>(leading) * std::pow(10.0, scale / 2) *
                         std::pow(10.0, scale - scale / 2);
    return std::isfinite(guess) ? BitsOf(guess) : LARGEST_FINITE_BITS;
}

// The largest double not above the value, found by bisection: positive
// doubles order like their bits.
uint64_t FloorBits(const ExactDecimal& value, uint64_t low, uint64_t high) {
    while (low < high) {
        const uint64_t middle = low + (high - low + 1) / 2;
        if (value.CompareWithDouble(middle) >= 0) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

// Bits of the correctly rounded positive double; the infinity pattern when
// the value rounds beyond the largest double.
uint64_t RoundToDoubleBits(const ExactDecimal& value, uint64_t estimate) {
    constexpr uint64_t WINDOW = 64;
    uint64_t low = estimate > WINDOW ? estimate - WINDOW : 0;
    uint64_t high = std::min(estimate + WINDOW, LARGEST_FINITE_BITS);
    const bool bracketed = value.CompareWithDouble(low) >= 0 &&
                           (high == LARGEST_FINITE_BITS || value.CompareWithDouble(high + 1) < 0);
    if (!bracketed) {
        low = 0;
        high = LARGEST_FINITE_BITS;
    }
    const uint64_t floor = FloorBits(value, low, high);
    const int versusHalfway = value.CompareWithHalfwayAbove(floor);
    if (versusHalfway < 0) return floor;
    if (versusHalfway > 0) return floor + 1;
    return (floor & 1u) == 0 ? floor : floor + 1;
}

size_t LeadingZeroCount(std::string_view digits) {
    size_t count = 0;
    while (count < digits.size() && digits[count] == '0') ++count;
    return count;
}

// Keeps the leading significant digits; a non-zero digit among the dropped
// ones becomes a final 1 one place further down, which rounds the same way.
std::string FoldExcessDigits(std::string_view digits, int64_t& exponent10) {
    if (digits.size() <= SIGNIFICANT_DIGITS_KEPT) return std::string(digits);
    std::string kept(digits.substr(0, SIGNIFICANT_DIGITS_KEPT));
    const std::string_view dropped = digits.substr(SIGNIFICANT_DIGITS_KEPT);
    exponent10 += static_cast<int64_t>(dropped.size());
    if (dropped.find_first_not_of('0') != std::string_view::npos) {
        kept += '1';
        exponent10 -= 1;
    }
    return kept;
}

}  // namespace

std::string FormatFixed6(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const uint64_t magnitudeBits = BitsOf(value) & ~(uint64_t{1} << 63);
    std::string digits = ScaledFixed6(magnitudeBits).ToDecimal();
    if (digits.size() <= FRACTION_DIGITS) {
        digits.insert(0, FRACTION_DIGITS + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - FRACTION_DIGITS, 1, '.');
    return std::signbit(value) ? "-" + digits : digits;
}

double NearestDouble(bool negative, std::string_view digits, int64_t exponent10) {
    const double sign = negative ? -1.0 : 1.0;
    digits.remove_prefix(LeadingZeroCount(digits));
    if (digits.empty()) return sign * 0.0;
    exponent10 = std::clamp(exponent10, -EXPONENT_LIMIT, EXPONENT_LIMIT);
    const std::string significant = FoldExcessDigits(digits, exponent10);
    // The value lies in [10^(magnitude-1), 10^magnitude).
    const int64_t magnitude = static_cast<int64_t>(significant.size()) + exponent10;
    if (magnitude > OVERFLOW_MAGNITUDE) return sign * HUGE_VAL;
    if (magnitude < UNDERFLOW_MAGNITUDE) return sign * 0.0;
    const int exponent = static_cast<int>(exponent10);
    const ExactDecimal exact(significant, exponent);
    return sign * DoubleOf(RoundToDoubleBits(exact, EstimateBits(significant, exponent)));
}
