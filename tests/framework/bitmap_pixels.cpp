#include "bitmap_pixels.h"

BITMAPINFO TopDownDibInfo(int width, int height, WORD bitCount) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitCount;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<RGBQUAD> ReadPixels32(HBITMAP bitmap) {
    BITMAP shape{};
    if (::GetObjectW(bitmap, sizeof shape, &shape) == 0) return {};
    std::vector<RGBQUAD> pixels(static_cast<size_t>(shape.bmWidth) *
                                static_cast<size_t>(shape.bmHeight));
    BITMAPINFO request = TopDownDibInfo(shape.bmWidth, shape.bmHeight, 32);
    const HDC screen = ::GetDC(nullptr);
    const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight),
                                 pixels.data(), &request, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != shape.bmHeight) return {};
    return pixels;
}
