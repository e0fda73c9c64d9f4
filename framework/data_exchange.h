#pragma once
// Dialog data exchange: moves values between members and controls. No
// routine here ever fails or shows a message; a missing control is skipped.
#include <windows.h>

#include "wide_string.h"

class CWnd;

class CDataExchange {
   public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    // The control's handle, or null if the dialog has no such control.
    HWND PrepareCtrl(int id) const;

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Saving reads the whole text. Loading sets the text only when it differs
// from the text already there, so caret and selection stay where they are.
void DDX_Text(CDataExchange* dx, int id, CString& value);
// Attaches `control` to the dialog item on the first exchange only.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Selection index of a combo box: -1 means none.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
