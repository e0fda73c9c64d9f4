#include "about_icon.h"

#include "about_dlg.h"
#include "hover_tracking.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CAboutIcon, CStatic)
ON_CONTROL_REFLECT(STN_CLICKED, &CAboutIcon::OnIconClicked)
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CAboutIcon::CAboutIcon() : m_bHover(FALSE), m_hHandCursor(nullptr) {}

// The hand is the program's shared resource cursor: it is never destroyed here.
CAboutIcon::~CAboutIcon() = default;

void CAboutIcon::PreSubclassWindow() {
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(GetStyle() | SS_NOTIFY));
    if (m_hHandCursor == nullptr) {
        m_hHandCursor = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    }
    CStatic::PreSubclassWindow();
}

BOOL CAboutIcon::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/) {
    if (m_hHandCursor == nullptr) return FALSE;
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CAboutIcon::OnMouseMove(UINT /*nFlags*/, CPoint point) {
    Default();
    TrackHover(*this, m_bHover, point);
}

void CAboutIcon::OnIconClicked() {
    m_bHover = FALSE;
    ::ReleaseCapture();
    RedrawNow(*this);
    CAboutDlg dlg;
    dlg.DoModal();
}
