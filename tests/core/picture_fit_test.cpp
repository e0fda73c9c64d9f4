#include "picture_fit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>

static std::ostream& operator<<(std::ostream& out, const PixelSize& s) {
    return out << s.width << "x" << s.height;
}

namespace {

constexpr PixelSize kImprint{391, 100};
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct FitCase {
    PixelSize picture;
    PixelSize box;
    PixelSize expected;
};

TEST(FitInBox, KeepsProportionsAndRoundsToNearest) {
    const FitCase cases[] = {
        // The imprint in its box at 96, 144 and 192 DPI (8x16, 12x24, 16x32
        // dialog base units): the height decides, the width rounds half up.
        {kImprint, {392, 100}, {391, 100}},
        {kImprint, {588, 150}, {587, 150}},
        {kImprint, {784, 200}, {782, 200}},
        // A box narrower than the picture's proportions: the width decides.
        {kImprint, {300, 200}, {300, 77}},
        {kImprint, {391, 1000}, {391, 100}},
        // Shrinking works the same way.
        {kImprint, {196, 50}, {196, 50}},
        {kImprint, {100, 100}, {100, 26}},
        // Exact proportions fill the box.
        {{4, 2}, {8, 4}, {8, 4}},
        {{4, 2}, {2, 1}, {2, 1}},
        // A side never vanishes.
        {kImprint, {1, 1000}, {1, 1}},
        {{1, 1000}, {1000, 2}, {1, 2}},
        // Extremes stay exact (no overflow in the products).
        {{kMax, 1}, {kMax, kMax}, {kMax, 1}},
        {{1, kMax}, {kMax, kMax}, {1, kMax}},
        {{kMax, kMax}, {kMax, 1}, {1, 1}},
        {{3, 3}, {kMax, kMax - 1}, {kMax - 1, kMax - 1}},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(FitInBox(c.picture, c.box), c.expected) << c.picture << " in " << c.box;
    }
}

TEST(FitInBox, NothingToScaleGivesThePictureBack) {
    const FitCase cases[] = {
        {kImprint, {0, 100}, kImprint},     {kImprint, {392, 0}, kImprint},
        {kImprint, {-392, 100}, kImprint},  {{0, 100}, {392, 100}, {0, 100}},
        {{391, -1}, {392, 100}, {391, -1}},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(FitInBox(c.picture, c.box), c.expected) << c.picture << " in " << c.box;
    }
}

// Over a spread of sizes: the result touches the box on one side, stays
// inside it, and is within half a pixel of the picture's proportions.
TEST(FitInBox, TouchesTheBoxAndStaysInside) {
    uint32_t seed = 12345;
    auto next = [&seed](int32_t limit) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(limit)) + 1;
    };
    for (int i = 0; i < 5000; ++i) {
        const PixelSize picture{next(2000), next(2000)};
        const PixelSize box{next(3000), next(3000)};
        const PixelSize fit = FitInBox(picture, box);
        SCOPED_TRACE(testing::Message() << picture << " in " << box << " gave " << fit);
        ASSERT_GE(fit.width, 1);
        ASSERT_GE(fit.height, 1);
        ASSERT_LE(fit.width, box.width);
        ASSERT_LE(fit.height, box.height);
        ASSERT_TRUE(fit.width == box.width || fit.height == box.height);
        // The free side is the exact proportional length, rounded.
        const double scale = std::min(static_cast<double>(box.width) / picture.width,
                                      static_cast<double>(box.height) / picture.height);
        if (fit.width == box.width && fit.height != box.height) {
            ASSERT_LE(std::abs(fit.height - std::max(1.0, picture.height * scale)), 0.5 + 1e-9);
        } else if (fit.height == box.height && fit.width != box.width) {
            ASSERT_LE(std::abs(fit.width - std::max(1.0, picture.width * scale)), 0.5 + 1e-9);
        }
    }
}

TEST(PictureDisplaySize, OwnSizeAtTheDesignDpiFittedElsewhere) {
    struct DpiCase {
        PixelSize box;
        int32_t dpi;
        PixelSize expected;
    };
    const DpiCase cases[] = {
        // At 96 the picture is never resampled, even where a substitute
        // font makes its box a little wider, narrower or taller.
        {{392, 100}, 96, kImprint},
        {{343, 100}, 96, kImprint},
        {{392, 112}, 96, kImprint},
        {{588, 150}, 144, {587, 150}},
        {{490, 125}, 120, {489, 125}},
        {{784, 200}, 192, {782, 200}},
        // A lower resolution than the design shrinks the picture with the box.
        {{294, 75}, 72, {293, 75}},
    };
    for (const DpiCase& c : cases) {
        EXPECT_EQ(PictureDisplaySize(kImprint, c.box, c.dpi), c.expected)
            << c.box << " at " << c.dpi << " DPI";
    }
}

}  // namespace
