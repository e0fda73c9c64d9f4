#pragma once
// CWnd: a C++ object attached to a window by subclassing. The object sees
// every message through its message map; what it leaves alone (or hands on
// with Default()) goes to the window's original procedure.
#include <windows.h>

#include "cmd_target.h"
#include "dc.h"
#include "font.h"
#include "geometry.h"
#include "wide_string.h"

class CDataExchange;

class CWnd : public CCmdTarget {
   public:
    CWnd() = default;
    // Destroys the window if one is still attached.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    // The handle of `wnd`, or null for a null object.
    static HWND SafeHwnd(const CWnd* wnd) { return wnd ? wnd->m_hWnd : nullptr; }
    operator HWND() const { return m_hWnd; }

    // The object attached to `hWnd`, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // The attached object, else a temporary wrapper that only holds the
    // handle (kept until AfxWinTerm / the end of the modal run). Null for null.
    static CWnd* FromHandle(HWND hWnd);
    // Deletes the temporary wrappers of this thread.
    static void DeleteTempMap();

    // Attaching. SubclassWindow records the object, calls PreSubclassWindow
    // and then routes the window's messages through this object. FALSE if
    // the handle is null, this object already has a window, or the window
    // already has an object.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the window its original procedure back and forgets it.
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // Message handling.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Hands the message being handled, unchanged, to the original procedure.
    LRESULT Default();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    // Data exchange: runs DoDataExchange in the given direction. While it
    // runs, notifications from child controls are dropped, so writing a
    // control never re-enters a handler. Never fails: returns TRUE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // Window helpers.
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const {
        return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
    }
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    UINT GetDlgCtrlID() const { return static_cast<UINT>(::GetDlgCtrlID(m_hWnd)); }
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) {
        ::SetDlgItemInt(m_hWnd, id, value, isSigned);
    }
    void SetDlgItemText(int id, LPCWSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }
    void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    // Converts a rectangle; swaps left and right for a right-to-left window.
    void ScreenToClient(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy,
                              flags);
    }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL ShowWindow(int cmdShow) { return ::ShowWindow(m_hWnd, cmdShow); }
    // Sends WM_SETFONT; a null font or a CFont holding none gives the system font.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    // The font the window draws with (WM_GETFONT); not owned by the caller.
    HFONT GetFont() const;
    HICON SetIcon(HICON icon, BOOL bigIcon);

    // The id of the dialog help topic for this window; 0 when it has none.
    virtual DWORD GetHelpContextId() const { return 0; }

   protected:
    // Called while attaching, before the window's messages reach this object.
    virtual void PreSubclassWindow() {}
    // Called after WM_NCDESTROY, once the object has let go of the window.
    virtual void PostNcDestroy() {}

    // Dispatch: WindowProc runs the message map and falls back to the
    // original procedure. OnWndMsg returns FALSE when no entry handled it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND: lock-out, reflection to the control, own map, then the app.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A notification of this control that its parent reflects back first.
    // TRUE when this control handled it; the parent then does nothing more.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Default handlers: each passes the message on unchanged.
    void OnPaint() { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnMouseMove(UINT, CPoint) { Default(); }

    // Attaches the object without touching the window procedure (used for
    // windows whose procedure the object does not replace).
    void Attach(HWND hWnd);
    HWND Detach();

    DECLARE_MESSAGE_MAP()

   private:
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
    LRESULT DispatchToObject(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;         // the window's original procedure
    const MSG* m_pCurrentMsg = nullptr;   // the message being handled, for Default()
    bool m_bNotificationsLocked = false;  // set while UpdateData runs
};

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
