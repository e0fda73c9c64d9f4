#include "link_label.h"

#include <commctrl.h>

#include <string>

#include "cursor_release.h"
#include "hover_tracking.h"
#include "link_platform.h"
#include "link_rules.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kToolId = 1;

std::wstring ToWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string ToU16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CLinkLabel, CStatic)
ON_CONTROL_REFLECT(BN_CLICKED, &CLinkLabel::OnLinkClicked)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CLinkLabel::CLinkLabel()
    : m_clrNormal(RGB(0, 0, 238)),
      m_clrOpened(RGB(85, 26, 139)),
      m_clrHover(::GetSysColor(COLOR_HIGHLIGHT)),
      m_bHover(FALSE),
      m_bOpened(FALSE),
      m_bUnderlined(TRUE),
      m_bFitToText(TRUE),
      m_hHandCursor(nullptr) {}

CLinkLabel::~CLinkLabel() {
    // A window that outlives the label must not keep drawing with a deleted font.
    if (::IsWindow(m_hWnd) && m_fontLink.GetSafeHandle() != nullptr &&
        GetFont() == m_fontLink.GetSafeHandle()) {
        SendMessage(WM_SETFONT, 0, FALSE);
    }
    m_fontLink.DeleteObject();
    // The hand is the shared cursor of the program's resources: the about
    // icon and the other label keep using it, so it is not destroyed.
    ReleaseCursorHandle(m_hHandCursor, CursorOrigin::sharedResource);
}

void CLinkLabel::PreSubclassWindow() {
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(GetStyle() | SS_NOTIFY));

    if (m_strTarget.IsEmpty()) m_strTarget = GetWindowText();
    if (GetWindowText().IsEmpty()) SetWindowText(m_strTarget);

    // The underlined copy of the control's font; a static without a font
    // draws with the system font, so that one is underlined.
    HFONT current = GetFont();
    if (current == nullptr) current = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONTW logFont{};
    bool created = false;
    if (::GetObjectW(current, sizeof logFont, &logFont) == static_cast<int>(sizeof logFont)) {
        logFont.lfUnderline = m_bUnderlined ? TRUE : FALSE;
        created = m_fontLink.CreateFontIndirect(&logFont) != FALSE;
    }
    if (!created) m_fontLink.DeleteObject();
    SetFont(&m_fontLink, TRUE);

    FitToText();

    if (m_hHandCursor == nullptr) {
        m_hHandCursor = ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    }

    // Attached a second time: the old tip goes before the new one comes.
    if (m_tipCtrl.m_hWnd != nullptr) m_tipCtrl.DestroyWindow();
    CRect client;
    GetClientRect(client);
    m_tipCtrl.Create(this, 0);
    m_tipCtrl.AddTool(this, m_strTarget, client, kToolId);

    CStatic::PreSubclassWindow();
}

void CLinkLabel::SetLinkTarget(CString target) {
    m_strTarget = target;
    if (::IsWindow(m_hWnd)) {
        FitToText();
        m_tipCtrl.UpdateTipText(target, this, kToolId);
    }
}

void CLinkLabel::FitToText() {
    if (!::IsWindow(m_hWnd) || !m_bFitToText) return;

    CRect rect;
    GetWindowRect(rect);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(rect);

    const CString text = GetWindowText();
    CSize extent;
    {
        CClientDC dc(this);
        HGDIOBJ previous = dc.SelectObject(&m_fontLink);
        extent = dc.GetTextExtent(text);
        if (previous != nullptr) dc.SelectObject(previous);
    }

    const LinkRect fitted = FitLinkRect(LinkRect{rect.left, rect.top, rect.right, rect.bottom},
                                        extent.cx, extent.cy, GetStyle());
    SetWindowPos(nullptr, fitted.left, fitted.top, Wrap32(int64_t{fitted.right} - fitted.left),
                 Wrap32(int64_t{fitted.bottom} - fitted.top), SWP_NOZORDER);
}

BOOL CLinkLabel::PreTranslateMessage(MSG* pMsg) {
    if (m_tipCtrl.m_hWnd != nullptr) {
        ::SendMessageW(m_tipCtrl.m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
    }
    return CStatic::PreTranslateMessage(pMsg);
}

void CLinkLabel::OnLinkClicked() {
    LinkPlatform& platform = CurrentLinkPlatform();
    const std::wstring target = m_strTarget.GetString();
    intptr_t result = platform.OpenTarget(nullptr, target);

    if (result <= 32) {
        // The shell refused: try the browser that opens ".htm" files.
        const std::optional<std::wstring> fileClass = platform.ReadClassesRootDefault(L".htm");
        std::optional<std::wstring> commandTemplate;
        if (fileClass) {
            commandTemplate =
                platform.ReadClassesRootDefault(*fileClass + L"\\shell\\open\\command");
        }
        if (commandTemplate) {
            const std::wstring command =
                ToWide(BuildFallbackCommand(ToU16(*commandTemplate), ToU16(target)));
            result = platform.OpenTarget(CWnd::SafeHwnd(AfxGetMainWnd()), command);
        }
    }

    if (result > 32) {
        m_bOpened = TRUE;
        if (::IsWindow(m_hWnd)) InvalidateRect(nullptr, TRUE);
    } else {
        m_bOpened = FALSE;
        platform.Beep(MB_ICONEXCLAMATION);
        ShowOpenError(static_cast<int>(result));
    }
}

void CLinkLabel::ShowOpenError(int nError) {
    const std::wstring text = ToWide(OpenErrorText(nError));
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION, 0);
}

HBRUSH CLinkLabel::CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
    pDC->SetTextColor(ChooseLinkColor(m_bHover != FALSE, m_bOpened != FALSE, m_clrNormal,
                                      m_clrOpened, m_clrHover));
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CLinkLabel::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/) {
    if (m_hHandCursor == nullptr) return FALSE;
    ::SetCursor(m_hHandCursor);
    return TRUE;
}

void CLinkLabel::OnMouseMove(UINT /*nFlags*/, CPoint point) {
    Default();
    TrackHover(*this, m_bHover, point);
}
