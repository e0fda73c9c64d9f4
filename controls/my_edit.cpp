#include "my_edit.h"

void CMyEdit::OnKeyDown(UINT nChar, UINT, UINT) {
    const EditCommand command =
        (::GetKeyState(VK_CONTROL) & 0x8000) != 0 ? MapCtrlShortcut(nChar) : cmdNone;
    switch (command) {
        case cmdSelectAll:
            SendMessage(EM_SETSEL, 0, -1);
            SendMessage(EM_SCROLLCARET, 0, 0);
            break;
        case cmdCopy: SendMessage(WM_COPY, 0, 0); break;
        case cmdPaste: SendMessage(WM_PASTE, 0, 0); break;
        case cmdCut: SendMessage(WM_CUT, 0, 0); break;
        case cmdUndo: SendMessage(EM_UNDO, 0, 0); break;
        case cmdNone: break;
    }
    // Key-downs are never swallowed: arrows, Delete, Home, End keep working.
    Default();
}

void CMyEdit::OnChar(UINT nChar, UINT, UINT) {
    if (IsInputCharAllowed(m_nMode, GetDecimalPointChar(), nChar)) Default();
}

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()
