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

// Rows whose result changes by one when the steps are kept in x87 extended
// precision (or merged), found by comparing both evaluations over many inputs.
INSTANTIATE_TEST_SUITE_P(StepwiseDoubleRounding, PixelsRow,
                         ::testing::Values(RowCase{1, 6.35, 3}, RowCase{150, 2.413, 143},
                                           RowCase{150, 2.921, 173}, RowCase{150, 3.175, 188}));

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

// Rows whose result changes by one when the steps are kept in x87 extended
// precision (or merged), found by comparing both evaluations over many inputs.
INSTANTIATE_TEST_SUITE_P(StepwiseDoubleRounding, DpiRow,
                         ::testing::Values(RowCase{5, 0.2, 64}, RowCase{15, 0.2, 191},
                                           RowCase{2480, 0.64, 9843}, RowCase{2416, 0.128, 47943},
                                           RowCase{4961, 0.008, 1575118}));

TEST(CalcModel, RowsReadOnlyTheirOwnValues) {
    CalcState state;
    state.m_nDpi = 300;
    state.m_dSize1 = 18.5;
    state.m_nPixels = 2416;
    state.m_dSize2 = 18.5;
    CalcState changedOther = state;
    changedOther.m_nPixels = 1;
    changedOther.m_dSize2 = 0.0;
    changedOther.m_nFormat = 7;
    changedOther.m_nSide = 1;
    EXPECT_EQ(CalcPixels(changedOther), CalcPixels(state));
    changedOther = state;
    changedOther.m_nDpi = 1;
    changedOther.m_dSize1 = -1.0;
    EXPECT_EQ(CalcDpi(changedOther), CalcDpi(state));
}

TEST(CalcModel, SizesOfNoNumberGiveTheInvalidResult) {
    CalcState state;
    state.m_nDpi = 300;
    state.m_dSize1 = std::numeric_limits<double>::quiet_NaN();
    state.m_nPixels = 300;
    state.m_dSize2 = -0.0;
    EXPECT_EQ(CalcPixels(state), RESULT_INVALID);
    EXPECT_EQ(CalcDpi(state), RESULT_INVALID);  // 300 / -0.0 is -infinity
    state.m_dSize1 = std::numeric_limits<double>::infinity();
    state.m_dSize2 = std::numeric_limits<double>::infinity();
    EXPECT_EQ(CalcPixels(state), RESULT_INVALID);
    EXPECT_EQ(CalcDpi(state), 0);  // 300 / inf is 0, plus 0.5
}

struct PresetCase {
    int32_t format;
    int32_t side;
    double expectedSize;
};

class ApplyPresetCase : public ::testing::TestWithParam<PresetCase> {};

TEST_P(ApplyPresetCase, WritesTheChosenSideIntoBothSizesOnly) {
    CalcState state;
    state.m_nFormat = GetParam().format;
    state.m_nSide = GetParam().side;
    state.m_dSize1 = 1.25;
    state.m_dSize2 = -7.5;
    state.m_nDpi = 300;
    state.m_nPixels = 2480;
    EXPECT_TRUE(ApplyPreset(state));
    EXPECT_EQ(state.m_dSize1, GetParam().expectedSize);
    EXPECT_EQ(state.m_dSize2, GetParam().expectedSize);
    EXPECT_EQ(state.m_nFormat, GetParam().format);
    EXPECT_EQ(state.m_nSide, GetParam().side);
    EXPECT_EQ(state.m_nDpi, 300u);
    EXPECT_EQ(state.m_nPixels, 2480u);
}

INSTANTIATE_TEST_SUITE_P(Formats, ApplyPresetCase,
                         ::testing::Values(PresetCase{3, 0, 18.5}, PresetCase{3, 1, 26.0},
                                           PresetCase{3, -1, 26.0}, PresetCase{3, 7, 26.0},
                                           PresetCase{15, 0, 20.1}, PresetCase{8, 1, 20.3},
                                           PresetCase{1, 0, 55.0}, PresetCase{29, 1, 11.5},
                                           // outside the table: a size of 0, but still applied
                                           PresetCase{30, 0, 0.0}, PresetCase{-1, 0, 0.0},
                                           PresetCase{1000, 1, 0.0},
                                           PresetCase{INT32_MIN, 0, 0.0}));

TEST(CalcModel, PlaceholderFormatChangesNothingWhateverTheSide) {
    for (const int32_t side : {0, 1, -1, 5, INT32_MAX}) {
        CalcState state;
        state.m_nSide = side;
        state.m_dSize1 = 12.5;
        state.m_dSize2 = -3.0;
        EXPECT_FALSE(ApplyPreset(state)) << "side " << side;
        EXPECT_EQ(state.m_dSize1, 12.5) << "side " << side;
        EXPECT_EQ(state.m_dSize2, -3.0) << "side " << side;
    }
}

struct TruncationCase {
    double value;
    int32_t expected;
};

class Truncation : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(Truncation, CutsTowardZeroAndMapsTheRestToInvalid) {
    EXPECT_EQ(TruncateToResult(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Truncation,
    ::testing::Values(
        TruncationCase{0.0, 0}, TruncationCase{-0.0, 0}, TruncationCase{0.99, 0},
        TruncationCase{-0.99, 0}, TruncationCase{-590.05, -590},
        TruncationCase{2147483647.0, 2147483647}, TruncationCase{2147483647.99, 2147483647},
        TruncationCase{2147483648.0, RESULT_INVALID}, TruncationCase{-2147483648.0, INT32_MIN},
        // RESULT_INVALID is INT32_MIN itself: these rows guard the cast, not
        // the value (-2147483648.9 truncates into the range, -2147483649 not)
        TruncationCase{-2147483648.9, INT32_MIN}, TruncationCase{-2147483649.0, RESULT_INVALID},
        TruncationCase{1e300, RESULT_INVALID}, TruncationCase{-1e300, RESULT_INVALID},
        TruncationCase{4.9e-324, 0},
        TruncationCase{std::numeric_limits<double>::infinity(), RESULT_INVALID},
        TruncationCase{-std::numeric_limits<double>::infinity(), RESULT_INVALID},
        TruncationCase{std::numeric_limits<double>::quiet_NaN(), RESULT_INVALID}));

TEST(CalcModel, FreshStateGivesZeroPixelsAndInvalidDpi) {
    const CalcState state;
    EXPECT_EQ(CalcPixels(state), 0);
    EXPECT_EQ(CalcDpi(state), RESULT_INVALID);
}

}  // namespace
