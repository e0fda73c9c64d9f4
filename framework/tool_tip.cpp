#include "tool_tip.h"

#include <commctrl.h>

#include <vector>

#include "app.h"

namespace {

// The record size that every comctl32 version accepts (up to lParam).
TTTOOLINFOW MakeToolInfo(CWnd* wnd, UINT_PTR toolId) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = CWnd::SafeHwnd(wnd);
    info.uId = toolId;
    return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (m_hWnd != nullptr) return FALSE;
    HWND tip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CWnd::SafeHwnd(parent), nullptr, AfxGetInstanceHandle(), nullptr);
    if (tip == nullptr) return FALSE;
    // Attached like any other window, so its destruction (also by its
    // owner's) is noticed and the handle never goes stale.
    if (!SubclassWindow(tip)) {
        ::DestroyWindow(tip);
        return FALSE;
    }
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCWSTR text, LPCRECT rect, UINT_PTR toolId) {
    if (m_hWnd == nullptr || wnd == nullptr) return FALSE;
    TTTOOLINFOW info = MakeToolInfo(wnd, toolId);
    if (rect != nullptr) {
        info.rect = *rect;
    } else {
        wnd->GetClientRect(&info.rect);
    }
    info.hinst = nullptr;
    info.lpszText = const_cast<LPWSTR>(text ? text : L"");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR toolId) {
    if (m_hWnd == nullptr) return;
    TTTOOLINFOW info = MakeToolInfo(wnd, toolId);
    info.lpszText = const_cast<LPWSTR>(text ? text : L"");
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    if (m_hWnd != nullptr) SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

CString CToolTipCtrl::GetText(CWnd* wnd, UINT_PTR toolId) const {
    if (m_hWnd == nullptr) return CString();
    // Some versions copy the whole text whatever size they are told, so the
    // buffer is far larger than any tip this program shows.
    std::vector<wchar_t> text(32768, L'\0');
    TTTOOLINFOW info = MakeToolInfo(wnd, toolId);
    info.lpszText = text.data();
    SendMessage(TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&info));
    text.back() = L'\0';
    return CString(text.data());
}
