#include "paper_formats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "number_text.h"

namespace {

// Typed from the product's format table, independently of the sources.
const std::u16string EXPECTED_FORMAT_TEXTS[] = {
    u"（请选择）",
    u"4开报纸",
    u"8开报纸",
    u"787x1092mm, 1/16",
    u"787x1092mm, 1/32",
    u"787x1092mm, 1/64",
    u"787x1092mm, 1/128",
    u"850x1168mm, 1/16",
    u"850x1168mm, 1/32",
    u"850x1168mm, 1/64",
    u"850x1168mm, 1/128",
    u"889x1194mm, 1/16",
    u"889x1194mm, 1/32",
    u"889x1194mm, 1/64",
    u"889x1194mm, 1/128",
    u"890x1240mm, 1/16",
    u"890x1240mm, 1/32",
    u"890x1240mm, 1/64",
    u"890x1240mm, 1/128",
    u"1000x1400mm, 1/32",
    u"1000x1400mm, 1/64",
    u"1000x1400mm, 1/128",
    u"A2",
    u"A3",
    u"A4",
    u"A5",
    u"A6",
    u"B5",
    u"B6",
    u"B7",
};

struct SizeRow {
    double width;
    double height;
};

const SizeRow EXPECTED_SIZES[] = {
    {55.0, 39.0}, {27.5, 39.0}, {18.5, 26.0}, {13.0, 18.5}, {9.2, 12.7},  {6.0, 8.7},
    {20.0, 28.5}, {14.0, 20.3}, {10.1, 13.7}, {6.5, 9.7},   {21.0, 28.5}, {14.3, 21.0},
    {10.5, 14.0}, {6.7, 10.0},  {20.1, 29.7}, {14.8, 21.0}, {10.5, 14.4}, {6.9, 10.0},
    {16.9, 23.9}, {11.9, 16.5}, {8.2, 11.5},  {42.0, 59.4}, {29.7, 42.0}, {21.0, 29.7},
    {14.8, 21.0}, {10.5, 14.4}, {16.9, 23.9}, {11.9, 16.5}, {8.2, 11.5},
};

static_assert(std::size(EXPECTED_FORMAT_TEXTS) == FORMAT_COUNT);
static_assert(std::size(EXPECTED_SIZES) == FORMAT_COUNT - 1);

TEST(PaperFormats, ListTextsMatchCharacterForCharacter) {
    for (int32_t index = 0; index < FORMAT_COUNT; ++index) {
        EXPECT_EQ(std::u16string(FORMAT_TEXTS[index]), EXPECTED_FORMAT_TEXTS[index])
            << "entry " << index;
    }
    // Full-width parentheses, ASCII x.
    EXPECT_EQ(FORMAT_TEXTS[0].front(), u'\uFF08');
    EXPECT_EQ(FORMAT_TEXTS[3][3], u'x');
}

TEST(PaperFormats, SideTexts) {
    ASSERT_EQ(SIDE_COUNT, 2);
    EXPECT_EQ(std::u16string(SIDE_TEXTS[SIDE_WIDTH]), u"宽度");
    EXPECT_EQ(std::u16string(SIDE_TEXTS[SIDE_HEIGHT]), u"高度");
}

TEST(PaperFormats, EveryFormatHasItsWidthAndHeight) {
    for (int32_t index = 1; index < FORMAT_COUNT; ++index) {
        double width = -1.0;
        double height = -1.0;
        GetPaperSize(index, width, height);
        EXPECT_EQ(width, EXPECTED_SIZES[index - 1].width) << "entry " << index;
        EXPECT_EQ(height, EXPECTED_SIZES[index - 1].height) << "entry " << index;
    }
}

TEST(PaperFormats, IndicesOutsideTheTableGiveZeroSizes) {
    for (const int32_t index : {0, -1, 30, 31, 1000, INT32_MAX, INT32_MIN, INT32_MIN + 1}) {
        double width = 5.0;
        double height = 6.0;
        GetPaperSize(index, width, height);
        EXPECT_EQ(width, 0.0) << "index " << index;
        EXPECT_EQ(height, 0.0) << "index " << index;
    }
}

// The sizes are shown through the number text: none may need a second decimal.
TEST(PaperFormats, EverySizeShowsWithAtMostOneDecimal) {
    for (int32_t index = 1; index < FORMAT_COUNT; ++index) {
        double width = 0.0;
        double height = 0.0;
        GetPaperSize(index, width, height);
        for (const double size : {width, height}) {
            const std::u16string text = DoubleToText(size);
            const size_t point = text.find(u'.');
            if (point != std::u16string::npos) {
                EXPECT_EQ(text.size() - point, 2u) << "entry " << index;
            }
            double readBack = 0.0;
            TextToDouble(text, readBack, -1.0);
            EXPECT_EQ(readBack, size) << "entry " << index;
        }
    }
}

struct ShownSize {
    int32_t index;
    std::u16string width;
    std::u16string height;
};

class ShownSizes : public ::testing::TestWithParam<ShownSize> {};

TEST_P(ShownSizes, ReadAsTheTableWritesThem) {
    double width = 0.0;
    double height = 0.0;
    GetPaperSize(GetParam().index, width, height);
    EXPECT_EQ(DoubleToText(width), GetParam().width);
    EXPECT_EQ(DoubleToText(height), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Samples, ShownSizes,
                         ::testing::Values(ShownSize{1, u"55", u"39"}, ShownSize{2, u"27.5", u"39"},
                                           ShownSize{5, u"9.2", u"12.7"},
                                           ShownSize{8, u"14", u"20.3"},
                                           ShownSize{15, u"20.1", u"29.7"},
                                           ShownSize{22, u"42", u"59.4"},
                                           ShownSize{6, u"6", u"8.7"}));

}  // namespace
