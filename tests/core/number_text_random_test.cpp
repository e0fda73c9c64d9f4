// Randomized checks with a fixed seed: the same cases on every run and
// platform (the engine's output is fixed by the language; no distributions).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "decimal_conversion.h"
#include "number_test_support.h"
#include "number_text.h"

namespace {

constexpr uint64_t SEED = 0x7A7E5u;

// A finite double: half of them with any bit pattern, half of ordinary size.
double RandomFiniteDouble(std::mt19937_64& engine) {
    uint64_t bits = engine();
    if ((bits & 1u) != 0) {
        const uint64_t exponent = 1023 - 30 + (engine() % 90);  // about 1e-9 to 1e18
        bits = (bits & 0x800FFFFFFFFFFFFFu) | (exponent << 52);
    }
    if (((bits >> 52) & 0x7FFu) == 0x7FFu) bits &= ~(uint64_t{1} << 62);  // no inf or nan
    return DoubleOf(bits);
}

char16_t RandomCodeUnit(std::mt19937_64& engine) {
    static const char16_t interesting[] = {
        u'0', u'1',  u'5', u'9',  u'.',      u'e',      u'E',      u'+',      u'-',
        u' ', u'\t', u'x', u'\0', u'\uFF10', u'\u3000', u'\xD800', u'\xDFFF', u'\xFFFF'};
    const uint64_t pick = engine();
    if (pick % 4 == 0) return static_cast<char16_t>(pick >> 16);
    return interesting[(pick >> 8) % std::size(interesting)];
}

// Exact decimal digits of mantissa x 2^exponent as "digits" or "digitsE-n".
std::string ExactText(uint64_t mantissa, int exponent) {
    std::string digits = std::to_string(mantissa);
    for (int i = 0; i < std::abs(exponent); ++i)
        digits = DecimalTimes(digits, exponent > 0 ? 2 : 5);
    return exponent >= 0 ? digits : digits + "e" + std::to_string(exponent);
}

TEST(NumberTextRandom, ArbitraryCodeUnitsNeverBreakTheReaders) {
    std::mt19937_64 engine(SEED);
    for (int round = 0; round < 20000; ++round) {
        std::u16string text(static_cast<size_t>(engine() % 40), u' ');
        for (char16_t& unit : text) unit = RandomCodeUnit(engine);
        double value = 0.0;
        TextToDouble(text, value, -1.0);
        uint32_t count = 7;
        TextToUInt(text, count);
        // Nothing but a digit can make a count other than 0; text without a
        // digit never reads as a number.
        if (text.find_first_of(u"0123456789") == std::u16string::npos) {
            EXPECT_EQ(value, -1.0);
            EXPECT_EQ(count, 0u);
        }
    }
}

// The exact decimal value of a double reads back as that double, and the exact
// point halfway to its upper neighbour reads as the even one of the two.
TEST(NumberTextRandom, ExactValuesAndHalfwayPointsReadBackExactly) {
    std::mt19937_64 engine(SEED + 1);
    for (int round = 0; round < 60; ++round) {
        uint64_t bits = engine() & 0x7FEFFFFFFFFFFFFFu;  // positive, finite, not the largest
        const int biased = static_cast<int>(bits >> 52);
        const uint64_t fraction = bits & 0xFFFFFFFFFFFFFu;
        const uint64_t mantissa = biased == 0 ? fraction : fraction | (uint64_t{1} << 52);
        const int exponent = (biased == 0 ? 1 : biased) - 1075;

        double value = -1.0;
        TextToDouble(Widen(ExactText(mantissa, exponent)), value, -1.0);
        EXPECT_EQ(BitsOf(value), bits);

        TextToDouble(Widen("-" + ExactText(2 * mantissa + 1, exponent - 1)), value, -1.0);
        const uint64_t even = (bits & 1u) == 0 ? bits : bits + 1;
        EXPECT_EQ(BitsOf(value), even | (uint64_t{1} << 63));
    }
}

TEST(NumberTextRandom, ShownTextReadsBackWithinHalfAMillionth) {
    std::mt19937_64 engine(SEED + 2);
    for (int round = 0; round < 3000; ++round) {
        const double value = RandomFiniteDouble(engine);
        double readBack = std::nan("");
        TextToDouble(DoubleToText(value), readBack, std::nan(""));
        if (std::fabs(value) >= 0x1p53) {
            // Integers: every digit is shown, so the value comes back exactly.
            EXPECT_EQ(BitsOf(readBack), BitsOf(value)) << std::hexfloat << value;
        } else {
            const double tolerance = 0.5e-6 + std::fabs(value) * 0x1p-52;
            EXPECT_LE(std::fabs(readBack - value), tolerance) << std::hexfloat << value;
        }
    }
}

#ifdef __linux__
// glibc's printf and strtod are exact and round half to even: a reference.
TEST(NumberTextRandom, FormattingMatchesGlibc) {
    std::mt19937_64 engine(SEED + 3);
    std::string reference(400, '\0');
    for (int round = 0; round < 20000; ++round) {
        const double value = RandomFiniteDouble(engine);
        const int length = std::snprintf(reference.data(), reference.size(), "%.6f", value);
        ASSERT_GT(length, 0);
        ASSERT_EQ(FormatFixed6(value), std::string(reference.data(), static_cast<size_t>(length)))
            << std::hexfloat << value;
    }
}

std::string RandomDecimalText(std::mt19937_64& engine) {
    std::string text = engine() % 2 == 0 ? "" : "-";
    const size_t digits = 1 + engine() % 25;
    const size_t point = engine() % (digits + 1);
    for (size_t i = 0; i < digits; ++i) {
        if (i == point) text += '.';
        text += static_cast<char>('0' + engine() % 10);
    }
    if (engine() % 4 != 0) text += "e" + std::to_string(static_cast<int>(engine() % 660) - 340);
    return text;
}

TEST(NumberTextRandom, ReadingMatchesGlibc) {
    std::mt19937_64 engine(SEED + 4);
    for (int round = 0; round < 20000; ++round) {
        std::string text = RandomDecimalText(engine);
        if (round % 3 == 0) {
            // Near a halfway point: the 17-digit neighbourhood of a random double.
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.16e", RandomFiniteDouble(engine));
            text = buffer;
        }
        double value = 0.0;
        TextToDouble(Widen(text), value, -1.0);
        ASSERT_EQ(BitsOf(value), BitsOf(std::strtod(text.c_str(), nullptr))) << text;
    }
}
#endif

}  // namespace
