#include "picture_fit.h"

namespace {

// numerator / denominator rounded half up, for non-negative numerator and
// positive denominator; 64-bit so that no product of two int32 overflows.
int64_t DivideRounded(int64_t numerator, int64_t denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

int32_t AtLeastOne(int64_t value) {
    return value < 1 ? 1 : static_cast<int32_t>(value);
}

}  // namespace

PixelSize FitInBox(PixelSize picture, PixelSize box) {
    if (picture.width <= 0 || picture.height <= 0 || box.width <= 0 || box.height <= 0) {
        return picture;
    }
    const int64_t pw = picture.width, ph = picture.height;
    const int64_t bw = box.width, bh = box.height;
    // Compare bw/pw with bh/ph exactly: the smaller ratio decides.
    if (bw * ph <= bh * pw) {
        return {box.width, AtLeastOne(DivideRounded(ph * bw, pw))};
    }
    return {AtLeastOne(DivideRounded(pw * bh, ph)), box.height};
}

PixelSize PictureDisplaySize(PixelSize picture, PixelSize box, int32_t dpi) {
    if (dpi == DESIGN_DPI) return picture;
    return FitInBox(picture, box);
}
