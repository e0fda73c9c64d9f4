// CBitmap: one owned bitmap handle, and resampled copies.
#include <gtest/gtest.h>

#include <vector>

#include "bitmap_pixels.h"
#include "test_support.h"

namespace {

// A top-down 32-bit DIB section filled by `colourAt(x, y)` (0x00RRGGBB).
template <typename F>
HBITMAP MakeBitmap(int width, int height, F colourAt) {
    const BITMAPINFO info = TopDownDibInfo(width, height, 32);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels[y * width + x] = colourAt(x, y);
    }
    ::GdiFlush();
    return bitmap;
}

// The bitmap's pixels as 0x00RRGGBB, top row first.
std::vector<DWORD> Pixels(HBITMAP bitmap) {
    std::vector<DWORD> out;
    for (const RGBQUAD& p : ReadPixels32(bitmap)) {
        out.push_back(static_cast<DWORD>(p.rgbRed) << 16 | static_cast<DWORD>(p.rgbGreen) << 8 |
                      p.rgbBlue);
    }
    return out;
}

constexpr DWORD kRed = 0xFF0000, kBlue = 0x0000FF;

TEST(BitmapTest, OwnsExactlyOneBitmapAndDeletesIt) {
    const auto white = [](int, int) -> DWORD { return 0xFFFFFF; };
    HBITMAP first = MakeBitmap(4, 3, white);
    HBITMAP second = MakeBitmap(5, 2, white);
    HBITMAP kept = MakeBitmap(1, 1, white);
    {
        CBitmap bitmap;
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
        EXPECT_FALSE(bitmap.DeleteObject());
        bitmap.Attach(first);
        EXPECT_EQ(static_cast<HBITMAP>(bitmap), first);
        bitmap.Attach(first);  // the same handle again: still held, not deleted
        EXPECT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
        bitmap.Attach(second);
        EXPECT_EQ(::GetObjectType(first), 0u) << "replaced, so deleted";
        EXPECT_EQ(bitmap.Detach(), second);
        EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
        EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP)) << "let go, not deleted";
        bitmap.Attach(kept);
    }
    EXPECT_EQ(::GetObjectType(kept), 0u) << "the destructor deleted it";
    ::DeleteObject(second);
}

TEST(BitmapTest, SizeOfABitmapAndOfSomethingElse) {
    HBITMAP bitmap = MakeBitmap(391, 100, [](int, int) -> DWORD { return 0; });
    EXPECT_EQ(GetBitmapSize(bitmap).cx, 391);
    EXPECT_EQ(GetBitmapSize(bitmap).cy, 100);
    ::DeleteObject(bitmap);
    const auto brush = static_cast<HBITMAP>(::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetBitmapSize(brush).cx, 0);
    EXPECT_EQ(GetBitmapSize(nullptr).cy, 0);
}

// Left half red, right half blue; the copy keeps the halves where they
// were (no mirror, no flip) and is a 24-bit DIB section of the asked size.
TEST(BitmapTest, ResampledCopyHasTheSizeAndThePicture) {
    HBITMAP source = MakeBitmap(8, 8, [](int x, int y) -> DWORD {
        if (y < 3) return 0x000000;  // black rows along the top show a flip
        return x < 4 ? kRed : kBlue;
    });
    for (const CSize target : {CSize(16, 8), CSize(12, 6), CSize(4, 2)}) {
        CBitmap copy;
        ASSERT_TRUE(copy.CreateResampled(source, target.cx, target.cy));
        DIBSECTION section{};
        ASSERT_EQ(::GetObjectW(copy, sizeof(section), &section), static_cast<int>(sizeof(section)));
        EXPECT_EQ(section.dsBm.bmWidth, target.cx);
        EXPECT_EQ(section.dsBm.bmHeight, target.cy);
        EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
        const std::vector<DWORD> pixels = Pixels(copy);
        const auto at = [&](int x, int y) {
            return pixels[static_cast<size_t>(y * target.cx + x)];
        };
        const int bottom = target.cy - 1, right = target.cx - 1;
        EXPECT_EQ(at(0, bottom), kRed) << target.cx << "x" << target.cy;
        EXPECT_EQ(at(right, bottom), kBlue) << target.cx << "x" << target.cy;
        // Dark along the top, whatever the smoothing makes of the edge.
        const DWORD topLeft = at(0, 0);
        EXPECT_LT((topLeft >> 16) & 0xFF, 0x80u) << target.cx << "x" << target.cy;
    }
    ::DeleteObject(source);
}

TEST(BitmapTest, ResampledCopyRefusesWhatCannotBeCopied) {
    HBITMAP source = MakeBitmap(2, 2, [](int, int) -> DWORD { return kRed; });
    CBitmap copy;
    ASSERT_TRUE(copy.CreateResampled(source, 3, 3));
    const HBITMAP earlier = copy;
    EXPECT_FALSE(copy.CreateResampled(source, 0, 3));
    EXPECT_EQ(copy.GetSafeHandle(), nullptr);
    EXPECT_EQ(::GetObjectType(earlier), 0u) << "the earlier copy was let go and deleted";
    EXPECT_FALSE(copy.CreateResampled(source, 3, -1));
    EXPECT_FALSE(copy.CreateResampled(nullptr, 3, 3));
    EXPECT_FALSE(copy.CreateResampled(static_cast<HBITMAP>(::GetStockObject(BLACK_BRUSH)), 3, 3));
    EXPECT_EQ(copy.GetSafeHandle(), nullptr);
    // A bitmap selected into another context cannot be read from.
    const HDC busy = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(busy, source);
    EXPECT_FALSE(copy.CreateResampled(source, 3, 3));
    ::SelectObject(busy, previous);
    ::DeleteDC(busy);
    EXPECT_TRUE(copy.CreateResampled(source, 3, 3)) << "usable again once released";
    ::DeleteObject(source);
}

}  // namespace
