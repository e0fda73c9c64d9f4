#pragma once
// CBitmap owns one bitmap handle: the destructor deletes it.
#include <windows.h>

#include "geometry.h"

class CBitmap {
   public:
    CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    ~CBitmap() { DeleteObject(); }

    // Takes ownership of `bitmap`, deleting the one held before.
    void Attach(HBITMAP bitmap);
    // Gives up ownership without deleting; returns the handle.
    HBITMAP Detach();
    // Deletes the held bitmap, if any. TRUE when a bitmap was deleted.
    BOOL DeleteObject();
    HBITMAP GetSafeHandle() const { return m_hBitmap; }
    operator HBITMAP() const { return m_hBitmap; }

    // Replaces the held bitmap with a smoothly resampled copy of `source`
    // at `width` x `height`: a 24-bit top-down DIB section (no alpha, so a
    // static control shows it as it is instead of copying it). FALSE, and
    // nothing held, when the copy cannot be made.
    BOOL CreateResampled(HBITMAP source, int width, int height);

   private:
    HBITMAP m_hBitmap = nullptr;
};

// Width and height of any bitmap; 0, 0 for a handle that is not one.
CSize GetBitmapSize(HBITMAP bitmap);
