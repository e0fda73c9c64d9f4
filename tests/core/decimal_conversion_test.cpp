#include "decimal_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "number_test_support.h"

namespace {

struct NearestCase {
    bool negative;
    std::string digits;
    int64_t exponent10;
    double expected;
};

class NearestDoubleCase : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestDoubleCase, RoundsDigitsTimesPowerOfTen) {
    const NearestCase& c = GetParam();
    EXPECT_EQ(BitsOf(NearestDouble(c.negative, c.digits, c.exponent10)), BitsOf(c.expected))
        << c.digits << "e" << c.exponent10;
}

const double INF = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, NearestDoubleCase,
    ::testing::Values(NearestCase{false, "", 5, 0.0}, NearestCase{true, "", 5, -0.0},
                      NearestCase{true, "000", 0, -0.0}, NearestCase{false, "00025", -1, 2.5},
                      NearestCase{false, "1", INT64_MAX, INF},
                      NearestCase{true, "1", INT64_MAX, -INF},
                      NearestCase{false, "1", INT64_MIN, 0.0},
                      NearestCase{true, "1", INT64_MIN, -0.0},
                      NearestCase{false, "1" + std::string(899, '0'), -899, 1.0},
                      NearestCase{true, "5" + std::string(2000, '0'), -2001, -0.5},
                      // the 801st digit and beyond only count as "non-zero follows"
                      NearestCase{false, "9007199254740993" + std::string(900, '0') + "1", -901,
                                  9007199254740994.0},
                      NearestCase{false, "17976931348623157", 292, 1.7976931348623157e308},
                      NearestCase{false, "1", 309, INF}, NearestCase{false, "99", -326, 0.0},
                      NearestCase{false, "5", -324, 4.9406564584124654e-324}));

TEST(FormatFixed6, KeepsSixFractionDigitsAndTheSign) {
    EXPECT_EQ(FormatFixed6(0.0), "0.000000");
    EXPECT_EQ(FormatFixed6(-0.0), "-0.000000");
    EXPECT_EQ(FormatFixed6(18.5), "18.500000");
    EXPECT_EQ(FormatFixed6(0.0000005), "0.000000");
    EXPECT_EQ(FormatFixed6(-0.0000015), "-0.000002");
    EXPECT_EQ(FormatFixed6(99.9999996), "100.000000");
    EXPECT_EQ(FormatFixed6(4294967296.0), "4294967296.000000");
}

}  // namespace
