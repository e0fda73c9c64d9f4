#include "paper_formats.h"

const std::u16string_view FORMAT_TEXTS[FORMAT_COUNT] = {
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

const std::u16string_view SIDE_TEXTS[SIDE_COUNT] = {u"宽度", u"高度"};

namespace {
struct PaperSize {
    double width;
    double height;
};

// Entries 1 to 29, as the format list names them. Some values are
// deliberately not what a neighbour or a familiar standard suggests
// (entry 15 is 20.1 wide, entry 8 is 20.3 high, A6 is 14.4 high).
constexpr PaperSize PAPER_SIZES[FORMAT_COUNT - 1] = {
    {55.0, 39.0},  // 4开报纸
    {27.5, 39.0},  // 8开报纸
    {18.5, 26.0},  // 787x1092mm, 1/16
    {13.0, 18.5},  // 787x1092mm, 1/32
    {9.2, 12.7},   // 787x1092mm, 1/64
    {6.0, 8.7},    // 787x1092mm, 1/128
    {20.0, 28.5},  // 850x1168mm, 1/16
    {14.0, 20.3},  // 850x1168mm, 1/32
    {10.1, 13.7},  // 850x1168mm, 1/64
    {6.5, 9.7},    // 850x1168mm, 1/128
    {21.0, 28.5},  // 889x1194mm, 1/16
    {14.3, 21.0},  // 889x1194mm, 1/32
    {10.5, 14.0},  // 889x1194mm, 1/64
    {6.7, 10.0},   // 889x1194mm, 1/128
    {20.1, 29.7},  // 890x1240mm, 1/16
    {14.8, 21.0},  // 890x1240mm, 1/32
    {10.5, 14.4},  // 890x1240mm, 1/64
    {6.9, 10.0},   // 890x1240mm, 1/128
    {16.9, 23.9},  // 1000x1400mm, 1/32
    {11.9, 16.5},  // 1000x1400mm, 1/64
    {8.2, 11.5},   // 1000x1400mm, 1/128
    {42.0, 59.4},  // A2
    {29.7, 42.0},  // A3
    {21.0, 29.7},  // A4
    {14.8, 21.0},  // A5
    {10.5, 14.4},  // A6
    {16.9, 23.9},  // B5
    {11.9, 16.5},  // B6
    {8.2, 11.5},   // B7
};
}  // namespace

void GetPaperSize(int32_t index, double& width, double& height) {
    width = 0.0;
    height = 0.0;
    // One unsigned comparison rejects 0, negative indices and 30 upwards.
    const uint32_t slot = static_cast<uint32_t>(index) - 1u;
    if (slot > static_cast<uint32_t>(FORMAT_COUNT - 2)) return;
    width = PAPER_SIZES[slot].width;
    height = PAPER_SIZES[slot].height;
}
