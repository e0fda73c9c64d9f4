#include "calc_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct RowCase {
    uint32_t count;
    double size;
    int32_t expected;
};

class PixelsRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(PixelsRow, MultipliesThenDividesAndRoundsHalfUp) {
    CalcState state;
    state.m_nDpi = GetParam().count;
    state.m_dSize1 = GetParam().size;
    EXPECT_EQ(CalcPixels(state), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, PixelsRow,
                         ::testing::Values(RowCase{300, 18.5, 2185}, RowCase{600, 21.0, 4961},
                                           RowCase{72, 2.54, 72}, RowCase{1, 1.27, 1},
                                           RowCase{12345, 0.0, 0}, RowCase{300, -5.0, -590},
                                           RowCase{4294967295u, 55.0, RESULT_INVALID},
                                           RowCase{2147483647u, 2.54, 2147483647},
                                           // top bit set: converted as a large unsigned value
                                           RowCase{2147483648u, 2.54, RESULT_INVALID}));

class DpiRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(DpiRow, DividesThenMultipliesAndRoundsHalfUp) {
    CalcState state;
    state.m_nPixels = GetParam().count;
    state.m_dSize2 = GetParam().size;
    EXPECT_EQ(CalcDpi(state), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, DpiRow,
                         ::testing::Values(RowCase{2416, 18.5, 332}, RowCase{2480, 21.0, 300},
                                           RowCase{1, 0.0, RESULT_INVALID},
                                           RowCase{0, 0.0, RESULT_INVALID},
                                           RowCase{1000, 0.0001, 25400000}));

TEST(CalcModel, FreshStateGivesZeroPixelsAndInvalidDpi) {
    const CalcState state;
    EXPECT_EQ(CalcPixels(state), 0);
    EXPECT_EQ(CalcDpi(state), RESULT_INVALID);
}

}  // namespace
