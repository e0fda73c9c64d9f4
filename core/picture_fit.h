#pragma once
// How large a picture drawn for the dialog's design resolution is shown when
// the dialog is laid out at another one.
#include <cstdint>

struct PixelSize {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const PixelSize& o) const { return width == o.width && height == o.height; }
    bool operator!=(const PixelSize& o) const { return !(*this == o); }
};

// The resolution the dialog's pictures are drawn for: at this DPI they are
// shown pixel for pixel, whatever the font makes of their boxes.
inline constexpr int32_t DESIGN_DPI = 96;

// The largest size with the picture's proportions that fits in `box`, each
// side rounded to the nearest pixel and at least 1. A picture or box with
// no area gives the picture's own size (nothing sensible to scale to).
PixelSize FitInBox(PixelSize picture, PixelSize box);

// The size to show `picture` at in `box` (the picture's template rectangle
// in pixels) on a dialog laid out at `dpi`: the picture's own size at the
// design DPI, else FitInBox.
PixelSize PictureDisplaySize(PixelSize picture, PixelSize box, int32_t dpi);
