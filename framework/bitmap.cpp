#include "bitmap.h"

namespace {

// A memory device context with one bitmap selected for its lifetime.
class SelectedBitmapDC {
   public:
    explicit SelectedBitmapDC(HBITMAP bitmap) : m_hDC(::CreateCompatibleDC(nullptr)) {
        if (m_hDC != nullptr) m_hPrevious = ::SelectObject(m_hDC, bitmap);
    }
    SelectedBitmapDC(const SelectedBitmapDC&) = delete;
    SelectedBitmapDC& operator=(const SelectedBitmapDC&) = delete;
    ~SelectedBitmapDC() {
        if (m_hDC == nullptr) return;
        if (m_hPrevious != nullptr) ::SelectObject(m_hDC, m_hPrevious);
        ::DeleteDC(m_hDC);
    }
    // False when the context could not be made or the bitmap not selected
    // (a bitmap can be selected into one context at a time).
    bool Ready() const { return m_hDC != nullptr && m_hPrevious != nullptr; }
    HDC Get() const { return m_hDC; }

   private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious = nullptr;
};

HBITMAP CreateTopDownDib24(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

void CBitmap::Attach(HBITMAP bitmap) {
    if (bitmap == m_hBitmap) return;
    DeleteObject();
    m_hBitmap = bitmap;
}

HBITMAP CBitmap::Detach() {
    HBITMAP bitmap = m_hBitmap;
    m_hBitmap = nullptr;
    return bitmap;
}

BOOL CBitmap::DeleteObject() {
    if (m_hBitmap == nullptr) return FALSE;
    const BOOL deleted = ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    return deleted;
}

BOOL CBitmap::CreateResampled(HBITMAP source, int width, int height) {
    DeleteObject();
    const CSize sourceSize = GetBitmapSize(source);
    if (sourceSize.cx <= 0 || sourceSize.cy <= 0 || width <= 0 || height <= 0) return FALSE;

    CBitmap copy;
    copy.Attach(CreateTopDownDib24(width, height));
    if (copy.GetSafeHandle() == nullptr) return FALSE;
    {
        SelectedBitmapDC from(source);
        SelectedBitmapDC to(copy);
        if (!from.Ready() || !to.Ready()) return FALSE;
        // HALFTONE averages the source pixels each target pixel covers, so
        // lines stay smooth; it wants the brush origin reset after it is set.
        ::SetStretchBltMode(to.Get(), HALFTONE);
        ::SetBrushOrgEx(to.Get(), 0, 0, nullptr);
        if (!::StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, sourceSize.cx,
                          sourceSize.cy, SRCCOPY)) {
            return FALSE;
        }
    }
    ::GdiFlush();
    Attach(copy.Detach());
    return TRUE;
}

CSize GetBitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) {
        return CSize(0, 0);
    }
    return CSize(static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight));
}
