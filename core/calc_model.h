#pragma once
// The calculator's six values and the three operations the window offers.
#include <cstdint>

struct CalcState {
    int32_t m_nFormat = 0;   // index into the format list; 0 is the placeholder
    int32_t m_nSide = 0;     // 0 = width, any other value = height
    double m_dSize1 = 0.0;   // row 1: size in centimetres
    uint32_t m_nDpi = 0;     // row 1: dots per inch
    uint32_t m_nPixels = 0;  // row 2: pixel count
    double m_dSize2 = 0.0;   // row 2: size in centimetres
};

// The value a row shows when its result is not a number, infinite or out of range.
inline constexpr int32_t RESULT_INVALID = INT32_MIN;

// Fills both sizes from the chosen format and side. False (and nothing
// changed) while the placeholder format is chosen.
bool ApplyPreset(CalcState& state);

// Row 1: dpi x size / 2.54, rounded by adding 0.5 and truncating.
int32_t CalcPixels(const CalcState& state);

// Row 2: pixels / size x 2.54, rounded the same way.
int32_t CalcDpi(const CalcState& state);

// Truncates toward zero; NaN, infinities and anything outside the signed
// 32-bit range give RESULT_INVALID. Defined for every double.
int32_t TruncateToResult(double value);
