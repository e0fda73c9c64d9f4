#include "number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "input_filter.h"
#include "number_test_support.h"

namespace {

using namespace std::string_literals;

// Schoolbook decimal arithmetic on digit strings (see DecimalTimes),
// independent of the code under test, for the exact values of powers of two.
std::string DecimalPower(unsigned base, unsigned exponent) {
    std::string digits = "1";
    for (unsigned i = 0; i < exponent; ++i) digits = DecimalTimes(digits, base);
    return digits;
}

// a - b for digit strings with a >= b.
std::string DecimalMinus(const std::string& a, const std::string& b) {
    std::string difference = a;
    int borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const size_t ai = a.size() - 1 - i;
        const int bd = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        int digit = a[ai] - '0' - bd - borrow;
        borrow = digit < 0 ? 1 : 0;
        if (digit < 0) digit += 10;
        difference[ai] = static_cast<char>('0' + digit);
    }
    const size_t first = difference.find_first_not_of('0');
    return first == std::string::npos ? "0" : difference.substr(first);
}

// --- size to text ---------------------------------------------------------

struct FormatCase {
    double value;
    std::u16string expected;
};

class DoubleFormatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DoubleFormatting, RoundsToSixPlacesAndTrimsZeros) {
    EXPECT_EQ(DoubleToText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DoubleFormatting,
    ::testing::Values(FormatCase{18.5, u"18.5"}, FormatCase{26.0, u"26"}, FormatCase{100.0, u"100"},
                      FormatCase{0.0, u"0"}, FormatCase{20.3, u"20.3"},
                      FormatCase{1234.5678901, u"1234.56789"}, FormatCase{0.0000004, u"0"},
                      FormatCase{-2.5, u"-2.5"}, FormatCase{55.0, u"55"}, FormatCase{9.2, u"9.2"},
                      FormatCase{10.0, u"10"}, FormatCase{1000000.0, u"1000000"},
                      FormatCase{0.1, u"0.1"}, FormatCase{0.000001, u"0.000001"},
                      FormatCase{-1234.000001, u"-1234.000001"},
                      // exact ties go to the even digit
                      FormatCase{0.0078125, u"0.007812"}, FormatCase{0.0234375, u"0.023438"},
                      FormatCase{2.0078125, u"2.007812"}, FormatCase{-100.0234375, u"-100.023438"},
                      // decided by the exact binary value, not by the decimal literal
                      FormatCase{1.0000005, u"1.000001"}, FormatCase{0.1234565, u"0.123456"},
                      FormatCase{0.0000005, u"0"}, FormatCase{0.0000015, u"0.000002"},
                      FormatCase{0.9999996, u"1"}, FormatCase{9.5367431640625e-07, u"0.000001"},
                      FormatCase{1e23, u"99999999999999991611392"},
                      FormatCase{123456789012345678.0, u"123456789012345680"},
                      FormatCase{4294967295.0, u"4294967295"},
                      // printf keeps the sign of a negative that rounds to zero
                      FormatCase{-0.0, u"-0"}, FormatCase{-1e-9, u"-0"},
                      FormatCase{-0.0000004, u"-0"}, FormatCase{-0.0000006, u"-0.000001"},
                      FormatCase{4.9406564584124654e-324, u"0"},
                      FormatCase{std::numeric_limits<double>::infinity(), u"inf"},
                      FormatCase{-std::numeric_limits<double>::infinity(), u"-inf"},
                      FormatCase{std::numeric_limits<double>::quiet_NaN(), u"nan"},
                      FormatCase{-std::numeric_limits<double>::quiet_NaN(), u"-nan"}));

TEST(DoubleFormatting, LargestDoubleGivesAllItsDigits) {
    // DBL_MAX = (2^53 - 1) x 2^971
    const std::string expected = DecimalMinus(DecimalPower(2, 1024), DecimalPower(2, 971));
    ASSERT_EQ(expected.size(), 309u);
    EXPECT_EQ(DoubleToText(DBL_MAX), Widen(expected));
    EXPECT_EQ(DoubleToText(-DBL_MAX), u"-" + Widen(expected));
    EXPECT_EQ(DoubleToText(0x1p1000), Widen(DecimalPower(2, 1000)));
}

TEST(DoubleFormatting, UsesTheDecimalPointCharacter) {
    const std::u16string text = DoubleToText(0.5);
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[1], GetDecimalPointChar());
}

// --- text to size ---------------------------------------------------------

struct ReadCase {
    std::u16string text;
    double fallback;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << "text of " << c.text.size() << " units starting";
    for (size_t i = 0; i < c.text.size() && i < 24; ++i) *out << ' ' << std::hex << +c.text[i];
}

class DoubleReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DoubleReading, StoresTheNearestDoubleOrTheFallback) {
    double value = 12345.0;
    TextToDouble(GetParam().text, value, GetParam().fallback);
    // Bitwise, so that -0.0 and +0.0 differ.
    EXPECT_EQ(BitsOf(value), BitsOf(GetParam().expected))
        << "got " << value << ", want " << GetParam().expected;
}

constexpr double FB = -77.25;  // a fall-back that no text below reads as
const double INF = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Grammar, DoubleReading,
    ::testing::Values(
        ReadCase{u"18.5", 0.0, 18.5}, ReadCase{u"  18.5", 0.0, 18.5},
        ReadCase{u"18.5cm", 0.0, 18.5}, ReadCase{u".5", 0.0, 0.5}, ReadCase{u"5.", 0.0, 5.0},
        ReadCase{u"1.2.3", 0.0, 1.2}, ReadCase{u"-3", 0.0, -3.0}, ReadCase{u"1e3", 0.0, 1000.0},
        ReadCase{u".", 0.0, 0.0}, ReadCase{u"abc", 0.0, 0.0}, ReadCase{u"inf", 0.0, 0.0},
        ReadCase{u"0x10", 0.0, 0.0}, ReadCase{u"", 0.0, 0.0}, ReadCase{u"", FB, FB},
        ReadCase{u"abc", FB, FB}, ReadCase{u"0", FB, 0.0}, ReadCase{u"0x10", FB, 0.0},
        ReadCase{u"+.5e1", FB, 5.0}, ReadCase{u"-.25", FB, -0.25}, ReadCase{u"+7", FB, 7.0},
        ReadCase{u"-", FB, FB}, ReadCase{u"+", FB, FB}, ReadCase{u"-.", FB, FB},
        ReadCase{u"+-1", FB, FB}, ReadCase{u"- 1", FB, FB}, ReadCase{u"e5", FB, FB},
        ReadCase{u".e5", FB, FB}, ReadCase{u"   ", FB, FB}, ReadCase{u"1,5", FB, 1.0},
        // an exponent needs a digit; otherwise the number ends before the e
        ReadCase{u"1e", FB, 1.0}, ReadCase{u"1e+", FB, 1.0}, ReadCase{u"1E-x", FB, 1.0},
        ReadCase{u"1E-2", FB, 0.01}, ReadCase{u"1e+2x", FB, 100.0}, ReadCase{u"2.5E1", FB, 25.0},
        ReadCase{u"1e1.5", FB, 10.0}, ReadCase{u"000123.4500", FB, 123.45},
        ReadCase{u"-0", FB, -0.0}, ReadCase{u"-0.000e5", FB, -0.0}, ReadCase{u"0e999999", FB, 0.0},
        // words and hexadecimal are not numbers
        ReadCase{u"nan", FB, FB}, ReadCase{u"-inf", FB, FB}, ReadCase{u"infinity", FB, FB},
        ReadCase{u"NAN(1)", FB, FB}, ReadCase{u"0x1p3", FB, 0.0}, ReadCase{u"-0X10", FB, -0.0}));

INSTANTIATE_TEST_SUITE_P(CodeUnits, DoubleReading,
                         ::testing::Values(
                             // the white space of the classic convention, and nothing else
                             ReadCase{u"\t\n\v\f\r 7", FB, 7.0}, ReadCase{u"\u30007", FB, FB},
                             ReadCase{u"\u00A07", FB, FB}, ReadCase{u"\u20287", FB, FB},
                             // full-width digits and points are not digits
                             ReadCase{u"\uFF11\uFF12", FB, FB}, ReadCase{u"1\uFF12", FB, 1.0},
                             ReadCase{u"1\uFF0E5", FB, 1.0}, ReadCase{u"1\u30025", FB, 1.0},
                             ReadCase{u"\uFF0D1", FB, FB},
                             // a NUL ends the number like any other character
                             ReadCase{u"12\0 34"s, FB, 12.0},
                             ReadCase{u"\0"s
                                      u"5",
                                      FB, FB},
                             ReadCase{u"1.5\0e3"s, FB, 1.5},
                             // lone surrogates
                             ReadCase{u"\xD800"s
                                      u"5",
                                      FB, FB},
                             ReadCase{u"5\xDC00"s, FB, 5.0}, ReadCase{u"\xFFFF", FB, FB},
                             ReadCase{u"6\xFFFF", FB, 6.0}));

INSTANTIATE_TEST_SUITE_P(
    Rounding, DoubleReading,
    ::testing::Values(
        ReadCase{u"0.1", FB, 0.1}, ReadCase{u"0.30000000000000004", FB, 0.30000000000000004},
        ReadCase{u"20.3", FB, 20.3}, ReadCase{u"1.7976931348623157e308", FB, DBL_MAX},
        ReadCase{u"1.7976931348623158e308", FB, DBL_MAX}, ReadCase{u"1e308", FB, 1e308},
        ReadCase{u"1.8e308", FB, INF}, ReadCase{u"-1.8e308", FB, -INF},
        ReadCase{u"2.2250738585072011e-308", FB, DoubleOf(0x000FFFFFFFFFFFFFu)},
        ReadCase{u"2.2250738585072012e-308", FB, DBL_MIN},
        ReadCase{u"4.9406564584124654e-324", FB, DoubleOf(1)},
        // just above and below half of the least subnormal
        ReadCase{u"2.4703282292062328e-324", FB, DoubleOf(1)},
        ReadCase{u"2.4703282292062327e-324", FB, 0.0},
        ReadCase{u"-2.4703282292062328e-324", FB, -DoubleOf(1)},
        ReadCase{u"7.4109846876186982e-324", FB, DoubleOf(2)},  // just above 1.5 ulp
        ReadCase{u"1e-400", FB, 0.0}, ReadCase{u"-1e-400", FB, -0.0},
        // 2^53 + 1 and 2^53 + 3 lie exactly between two doubles
        ReadCase{u"9007199254740993", FB, 9007199254740992.0},
        ReadCase{u"9007199254740995", FB, 9007199254740996.0},
        ReadCase{u"9007199254740993.0000000000000000000000001", FB, 9007199254740994.0},
        ReadCase{u"9007199254740992.9999999999999999999999999", FB, 9007199254740992.0},
        ReadCase{u"1e23", FB, 1e23}, ReadCase{u"8.98846567431158e307", FB, 0x1p1023},
        // saturated exponents
        ReadCase{u"1e999999999999999999", FB, INF}, ReadCase{u"-1e999999999999999999", FB, -INF},
        ReadCase{u"1e-999999999999999999", FB, 0.0},
        ReadCase{u"-1e-999999999999999999999999999", FB, -0.0},
        ReadCase{u"0.000000000000000000001e999999999999999999", FB, INF}));

// Exact decimal forms of the points halfway between doubles.
TEST(DoubleReading, ExactHalfwayPointsRoundToEven) {
    // 2^-1075 = 5^1075 x 10^-1075: halfway between 0 and the least subnormal.
    const std::string halfLeast = DecimalPower(5, 1075);
    double value = FB;
    TextToDouble(Widen(halfLeast + "e-1075"), value, FB);
    EXPECT_EQ(BitsOf(value), 0u);
    // A single 1 far below still tips it up.
    TextToDouble(Widen(halfLeast + std::string(5000, '0') + "1e-6076"), value, FB);
    EXPECT_EQ(BitsOf(value), 1u);
    // 3 x 2^-1075 lies between the odd 1 and the even 2 ulps.
    TextToDouble(Widen(DecimalTimes(halfLeast, 3) + "e-1075"), value, FB);
    EXPECT_EQ(BitsOf(value), 2u);

    // 2^1024 - 2^970 is halfway between DBL_MAX (odd) and 2^1024: infinity.
    const std::string halfBeyondMax = DecimalMinus(DecimalPower(2, 1024), DecimalPower(2, 970));
    TextToDouble(Widen(halfBeyondMax), value, FB);
    EXPECT_EQ(value, INF);
    TextToDouble(Widen(DecimalMinus(halfBeyondMax, "1")), value, FB);
    EXPECT_EQ(value, DBL_MAX);
    TextToDouble(Widen("-" + halfBeyondMax + ".0"), value, FB);
    EXPECT_EQ(value, -INF);
}

TEST(DoubleReading, MillionDigitTexts) {
    const size_t million = 1000000;
    double value = FB;
    TextToDouble(Widen("1" + std::string(million, '0') + "e-1000000"), value, FB);
    EXPECT_EQ(value, 1.0);
    TextToDouble(Widen("0." + std::string(million, '0') + "25e1000000"), value, FB);
    EXPECT_EQ(value, 0.25);
    TextToDouble(Widen(std::string(million, '9')), value, FB);
    EXPECT_EQ(value, INF);
    TextToDouble(Widen("-0." + std::string(million, '9')), value, FB);
    EXPECT_EQ(value, -1.0);
    TextToDouble(Widen("0." + std::string(million, '0')), value, FB);
    EXPECT_EQ(BitsOf(value), 0u);
    TextToDouble(Widen(std::string(million, ' ') + "3"), value, FB);
    EXPECT_EQ(value, 3.0);
    // 2^53 + 1 followed by a million zeros and a final 1: just above halfway.
    TextToDouble(Widen("9007199254740993." + std::string(million, '0') + "1"), value, FB);
    EXPECT_EQ(value, 9007199254740994.0);
    TextToDouble(Widen("9007199254740993." + std::string(million, '0')), value, FB);
    EXPECT_EQ(value, 9007199254740992.0);
    // An exponent of a million digits saturates.
    TextToDouble(Widen("5e" + std::string(million, '9')), value, FB);
    EXPECT_EQ(value, INF);
    TextToDouble(Widen("5e-" + std::string(million, '9')), value, FB);
    EXPECT_EQ(BitsOf(value), 0u);
}

// Every text the window shows reads back as the same value.
TEST(DoubleReading, ShownTextReadsBackForValuesWithFewDecimals) {
    for (const double shown : {0.0, 18.5, 26.0, 20.3, 1234.56789, -2.5, 59.4, 1e15, 0.000001}) {
        double value = FB;
        TextToDouble(DoubleToText(shown), value, FB);
        EXPECT_EQ(value, shown);
    }
}

// --- counts -----------------------------------------------------------------

struct CountTextCase {
    uint32_t value;
    std::u16string expected;
};

class CountFormatting : public ::testing::TestWithParam<CountTextCase> {};

TEST_P(CountFormatting, WritesPlainDecimalDigits) {
    EXPECT_EQ(UIntToText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, CountFormatting,
                         ::testing::Values(CountTextCase{0, u"0"}, CountTextCase{7, u"7"},
                                           CountTextCase{10, u"10"}, CountTextCase{300, u"300"},
                                           CountTextCase{1000000, u"1000000"},
                                           CountTextCase{2147483648u, u"2147483648"},
                                           CountTextCase{4294967295u, u"4294967295"}));

struct CountReadCase {
    std::u16string text;
    uint32_t expected;
};

class CountReading : public ::testing::TestWithParam<CountReadCase> {};

TEST_P(CountReading, ReadsLeadingDigitsWrappingModulo2To32) {
    uint32_t value = 12345;
    TextToUInt(GetParam().text, value);
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CountReading,
    ::testing::Values(CountReadCase{u"300", 300}, CountReadCase{u"0300", 300},
                      CountReadCase{u"+7", 7}, CountReadCase{u"300.5", 300},
                      CountReadCase{u"12abc", 12}, CountReadCase{u"abc", 0},
                      CountReadCase{u"-1", 4294967295u}, CountReadCase{u"-0", 0},
                      CountReadCase{u"-4294967295", 1}, CountReadCase{u"4294967295", 4294967295u},
                      CountReadCase{u"4294967296", 0}, CountReadCase{u"4294967297", 1},
                      CountReadCase{u"99999999999999999999", 1661992959u}, CountReadCase{u"", 0},
                      CountReadCase{u"-", 0}, CountReadCase{u"+", 0}, CountReadCase{u"--1", 0},
                      CountReadCase{u"- 1", 0}, CountReadCase{u" \t\r\n\v\f42", 42},
                      CountReadCase{u"\u300042", 0}, CountReadCase{u"1e3", 1},
                      CountReadCase{u".5", 0}, CountReadCase{u"0x10", 0},
                      CountReadCase{u"\uFF14\uFF12", 0}, CountReadCase{u"4\uFF12", 4},
                      CountReadCase{u"12\0 34"s, 12},
                      CountReadCase{u"\xD800"s
                                    u"9",
                                    0},
                      CountReadCase{u"9\xDFFF"s, 9}));

TEST(CountReading, MinusOneWrittenBackShowsTheLargestCount) {
    uint32_t value = 0;
    TextToUInt(u"-1", value);
    EXPECT_EQ(UIntToText(value), u"4294967295");
}

TEST(CountReading, MillionDigitsWrapWithoutTrouble) {
    // 10^k mod 2^32 for k >= 32 is 0, so a 1 followed by many zeros wraps to 0.
    uint32_t value = 5;
    TextToUInt(Widen("1" + std::string(1000000, '0')), value);
    EXPECT_EQ(value, 0u);
    TextToUInt(Widen(std::string(1000000, '0') + "17"), value);
    EXPECT_EQ(value, 17u);
}

}  // namespace
