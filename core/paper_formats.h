#pragma once
// The paper formats of the preset list and the two sides.
#include <cstdint>
#include <string_view>

inline constexpr int32_t FORMAT_COUNT = 30;  // the placeholder plus 29 formats
inline constexpr int32_t SIDE_COUNT = 2;
inline constexpr int32_t SIDE_WIDTH = 0;
inline constexpr int32_t SIDE_HEIGHT = 1;

// The list texts, in list order; entry 0 is the placeholder "（请选择）".
extern const std::u16string_view FORMAT_TEXTS[FORMAT_COUNT];
extern const std::u16string_view SIDE_TEXTS[SIDE_COUNT];

// Width and height in centimetres of entry `index`; 0.0 and 0.0 for the
// placeholder and for every index outside the table.
void GetPaperSize(int32_t index, double& width, double& height);
