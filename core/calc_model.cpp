#include "calc_model.h"

#include <cmath>

#include "paper_formats.h"

namespace {
constexpr double CM_PER_INCH = 2.54;
}

bool ApplyPreset(CalcState& state) {
    if (state.m_nFormat == 0) return false;
    double width = 0.0;
    double height = 0.0;
    GetPaperSize(state.m_nFormat, width, height);
    const double size = state.m_nSide == 0 ? width : height;
    state.m_dSize1 = size;
    state.m_dSize2 = size;
    return true;
}

// Each step is its own statement so that no two operations can be merged.
int32_t CalcPixels(const CalcState& state) {
    double v = static_cast<double>(state.m_nDpi);
    v = v * state.m_dSize1;
    v = v / CM_PER_INCH;
    v = v + 0.5;
    return TruncateToResult(v);
}

int32_t CalcDpi(const CalcState& state) {
    double v = static_cast<double>(state.m_nPixels);
    v = v / state.m_dSize2;
    v = v * CM_PER_INCH;
    v = v + 0.5;
    return TruncateToResult(v);
}

int32_t TruncateToResult(double value) {
    if (!std::isfinite(value)) return RESULT_INVALID;
    const double truncated = std::trunc(value);
    // Both bounds are exact doubles; the comparison happens before any cast.
    if (truncated < -2147483648.0 || truncated > 2147483647.0) return RESULT_INVALID;
    return static_cast<int32_t>(truncated);
}
