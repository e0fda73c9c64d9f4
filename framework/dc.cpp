#include "dc.h"

#include "font.h"
#include "wide_string.h"
#include "wnd.h"

HGDIOBJ CDC::SelectObject(CFont* font) {
    return ::SelectObject(m_hDC, font ? static_cast<HGDIOBJ>(font->GetSafeHandle()) : nullptr);
}

CSize CDC::GetTextExtent(LPCWSTR text, int length) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hDC, text, length, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const {
    return GetTextExtent(text.GetString(), text.GetLength());
}

CClientDC::CClientDC(CWnd* wnd) : m_hWndOwner(CWnd::SafeHwnd(wnd)) {
    m_hDC = ::GetDC(m_hWndOwner);
}

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) ::ReleaseDC(m_hWndOwner, m_hDC);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWndOwner(CWnd::SafeHwnd(wnd)) {
    m_hDC = ::BeginPaint(m_hWndOwner, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hDC != nullptr) ::EndPaint(m_hWndOwner, &m_ps);
}
