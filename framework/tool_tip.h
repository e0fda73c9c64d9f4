#pragma once
// CToolTipCtrl: a tool tip window from the common controls library.
#include <windows.h>

#include "wnd.h"

class CToolTipCtrl : public CWnd {
   public:
    // Creates the tip window, owned by `parent`, with WS_POPUP | `style`.
    BOOL Create(CWnd* parent, DWORD style = 0);
    // A tool of `wnd` identified by (`wnd`, `toolId`) that covers `rect`
    // (the client area when null), with no flags.
    BOOL AddTool(CWnd* wnd, LPCWSTR text, LPCRECT rect, UINT_PTR toolId);
    void UpdateTipText(LPCWSTR text, CWnd* wnd, UINT_PTR toolId);
    // Passes a mouse message on to the tip (TTM_RELAYEVENT); no-op without a window.
    void RelayEvent(MSG* msg);
    // The tool's current text ("" when there is no such tool); for tips
    // shorter than 32767 characters.
    CString GetText(CWnd* wnd, UINT_PTR toolId) const;
};
