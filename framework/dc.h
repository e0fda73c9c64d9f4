#pragma once
// Device contexts. CDC wraps a handle it does not own; CClientDC and
// CPaintDC acquire one for a window and give it back when they go.
#include <windows.h>

#include "geometry.h"

class CFont;
class CString;
class CWnd;

class CDC {
   public:
    CDC() = default;
    explicit CDC(HDC hdc) : m_hDC(hdc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    // Return the previously selected object, to be selected back afterwards.
    HGDIOBJ SelectObject(CFont* font);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    // Extent of `text` as a single line with the selected font.
    CSize GetTextExtent(LPCWSTR text, int length) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

    HDC m_hDC = nullptr;
};

// GetDC/ReleaseDC for a window's client area.
class CClientDC : public CDC {
   public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

   private:
    HWND m_hWndOwner;
};

// BeginPaint/EndPaint for a window's WM_PAINT.
class CPaintDC : public CDC {
   public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

   private:
    HWND m_hWndOwner;
};
