// The main dialog at the prefix's DPI: the imprint picture fills its
// template box at the dialog's scale (and is left untouched at 96), and the
// icons are the images drawn for the system icon size. The same program
// runs at 96 and, in a second prefix, at 144; TARVEX_EXPECT_DPI names the
// DPI it must find (96 when unset), so a prefix at the wrong DPI fails
// instead of testing the wrong case.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bitmap_pixels.h"
#include "calculator_dlg.h"
#include "dialog_script.h"
#include "resource.h"
#include "test_app.h"

namespace {

int ExpectedDpi() {
    const char* text = std::getenv("TARVEX_EXPECT_DPI");
    return text != nullptr ? std::atoi(text) : 96;
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The template's one bitmap static (it shares IDC_STATIC with the texts).
HWND FindPicture(HWND dialog) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            found.push_back(child);
        }
    }
    EXPECT_EQ(found.size(), 1u);
    return found.empty() ? nullptr : found.front();
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Colour for colour, the unused fourth byte aside.
bool SameColours(const std::vector<RGBQUAD>& a, const std::vector<RGBQUAD>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const RGBQUAD& p, const RGBQUAD& q) {
            return p.rgbRed == q.rgbRed && p.rgbGreen == q.rgbGreen && p.rgbBlue == q.rgbBlue;
        });
}

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<RGBQUAD> bits;  // top-down rows
    const RGBQUAD& At(int x, int y) const {
        return bits[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

Pixels ReadPixels(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    Pixels out;
    out.width = info.bmWidth;
    out.height = info.bmHeight;
    out.bits = ReadPixels32(bitmap);
    EXPECT_EQ(out.bits.size(), static_cast<size_t>(out.width) * static_cast<size_t>(out.height));
    return out;
}

double Luma(const RGBQUAD& p) {
    return 0.299 * p.rgbRed + 0.587 * p.rgbGreen + 0.114 * p.rgbBlue;
}

// Mean luma and mean redness (red above the other two) of a cell of a
// grid laid over the picture, so that pictures of any size compare.
struct CellStats {
    double luma = 0;
    double red = 0;
};

CellStats Cell(const Pixels& p, int column, int row, int columns, int rows) {
    const int x0 = column * p.width / columns, x1 = (column + 1) * p.width / columns;
    const int y0 = row * p.height / rows, y1 = (row + 1) * p.height / rows;
    CellStats stats;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const RGBQUAD& px = p.At(x, y);
            stats.luma += Luma(px);
            stats.red += px.rgbRed - (px.rgbGreen + px.rgbBlue) / 2.0;
        }
    }
    const double count = static_cast<double>((x1 - x0) * (y1 - y0));
    stats.luma /= count;
    stats.red /= count;
    return stats;
}

HBITMAP LoadTemplateBitmap() {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(IDB_IMPRINT_SAMPLE), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return SIZE{0, 0};
    BITMAP colour{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(colour), &colour);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return SIZE{colour.bmWidth, colour.bmHeight};
}

std::vector<RGBQUAD> IconColours(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    std::vector<RGBQUAD> bits = ReadPixels(info.hbmColor).bits;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bits;
}

int RunMainDialog(const Step& check) {
    CCalculatorDlg dlg;
    return RunWithScript([&dlg] { return dlg.DoModal(); },
                         {check, [](HWND) { PostKey(GetFocus(), VK_ESCAPE); }});
}

TEST(DpiScaling, PrefixRunsAtTheExpectedDpi) {
    ASSERT_EQ(ScreenDpi(), ExpectedDpi());
}

// The picture keeps its corner, fills its box on one side at the box's
// proportions, and shows the template's picture.
TEST(DpiScaling, PictureFitsItsTemplateBoxAtTheDialogsScale) {
    const int dpi = ScreenDpi();
    HBITMAP shownDuringRun = nullptr;
    const int result = RunMainDialog([&](HWND dlg) {
        const HWND picture = FindPicture(dlg);
        ASSERT_NE(picture, nullptr);
        RECT box{7, 236, 7 + 196, 236 + 50};
        MapDialogRect(dlg, &box);
        const RECT placed = ChildRect(dlg, picture);
        EXPECT_EQ(placed.left, box.left);
        EXPECT_EQ(placed.top, box.top);

        shownDuringRun =
            reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(shownDuringRun, nullptr);
        BITMAP shown{};
        ASSERT_EQ(GetObjectW(shownDuringRun, sizeof(shown), &shown),
                  static_cast<int>(sizeof(shown)));
        // The control is as large as what it shows.
        EXPECT_EQ(placed.right - placed.left, shown.bmWidth);
        EXPECT_EQ(placed.bottom - placed.top, shown.bmHeight);

        const int boxWidth = box.right - box.left, boxHeight = box.bottom - box.top;
        if (dpi == 96) {
            // Pixel for pixel: the template's own bitmap, no copy.
            EXPECT_EQ(shown.bmWidth, 391);
            EXPECT_EQ(shown.bmHeight, 100);
            const HBITMAP original = LoadTemplateBitmap();
            ASSERT_NE(original, nullptr);
            const Pixels before = ReadPixels(original);
            DeleteObject(original);
            const Pixels after = ReadPixels(shownDuringRun);
            EXPECT_TRUE(SameColours(before.bits, after.bits))
                << "not the template's picture as drawn";
            return;
        }
        SCOPED_TRACE(testing::Message() << "box " << boxWidth << "x" << boxHeight << ", shown "
                                        << shown.bmWidth << "x" << shown.bmHeight);
        EXPECT_LE(shown.bmWidth, boxWidth);
        EXPECT_LE(shown.bmHeight, boxHeight);
        EXPECT_TRUE(shown.bmWidth == boxWidth || shown.bmHeight == boxHeight);
        // 391:100 within the rounding of one side.
        EXPECT_NEAR(shown.bmWidth * 100.0 / 391.0, shown.bmHeight, 0.5 + 100.0 / 391.0);
        EXPECT_EQ(shown.bmBitsPixel, 24) << "no alpha channel for the static to copy";

        // Same picture: every cell of a grid has the original's brightness
        // and redness (the ellipse) within what smoothing changes.
        const HBITMAP original = LoadTemplateBitmap();
        ASSERT_NE(original, nullptr);
        const Pixels before = ReadPixels(original);
        const Pixels after = ReadPixels(shownDuringRun);
        DeleteObject(original);
        constexpr int kColumns = 12, kRows = 5;
        int cellsWithRed = 0;
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const CellStats a = Cell(before, column, row, kColumns, kRows);
                const CellStats b = Cell(after, column, row, kColumns, kRows);
                EXPECT_NEAR(a.luma, b.luma, 12.0) << "cell " << column << "," << row;
                EXPECT_NEAR(a.red, b.red, 12.0) << "cell " << column << "," << row;
                if (a.red > 5.0) ++cellsWithRed;
            }
        }
        EXPECT_GT(cellsWithRed, 4) << "the grid must see the ellipse to compare it";
    });
    EXPECT_EQ(result, IDCANCEL);
    if (dpi != 96) {
        EXPECT_EQ(GetObjectType(shownDuringRun), 0u) << "the copy goes with the dialog";
    }
}

// The window icon and the about icon are the icon group's image for the
// system icon size (32, 48 or 64), not another size stretched.
TEST(DpiScaling, IconsAreTheImageDrawnForTheSystemIconSize) {
    const int size = GetSystemMetrics(SM_CXICON);
    const HICON exact = static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON), IMAGE_ICON, size, size, 0));
    ASSERT_NE(exact, nullptr);
    const std::vector<RGBQUAD> expected = IconColours(exact);
    DestroyIcon(exact);
    RunMainDialog([&](HWND dlg) {
        const auto windowIcon = reinterpret_cast<HICON>(SendMessageW(dlg, WM_GETICON, ICON_BIG, 0));
        const auto aboutIcon =
            reinterpret_cast<HICON>(SendDlgItemMessageW(dlg, IDC_ABOUT_ICON, STM_GETICON, 0, 0));
        for (HICON icon : {windowIcon, aboutIcon}) {
            ASSERT_NE(icon, nullptr);
            const SIZE got = IconSize(icon);
            EXPECT_EQ(got.cx, size);
            EXPECT_EQ(got.cy, size);
            EXPECT_TRUE(SameColours(IconColours(icon), expected))
                << "a stretched image of another size";
        }
    });
}

}  // namespace
