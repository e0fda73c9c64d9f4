#pragma once
// Reading bitmaps back pixel by pixel, for tests that check what was drawn.
#include <windows.h>

#include <vector>

// Header of a top-down DIB (first row at the top) of `bitCount` bits per pixel.
BITMAPINFO TopDownDibInfo(int width, int height, WORD bitCount);

// A bitmap's pixels as 32-bit BGRX values, top row first; empty if unreadable.
std::vector<RGBQUAD> ReadPixels32(HBITMAP bitmap);
