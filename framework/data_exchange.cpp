#include "data_exchange.h"

#include "wnd.h"

HWND CDataExchange::PrepareCtrl(int id) const {
    if (m_pDlgWnd == nullptr || m_pDlgWnd->m_hWnd == nullptr) return nullptr;
    return ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    CWnd* control = CWnd::FromHandle(dx->PrepareCtrl(id));
    if (control == nullptr) return;
    const CString current = control->GetWindowText();
    if (dx->m_bSaveAndValidate) {
        value = current;
    } else if (current != value) {
        control->SetWindowText(value);
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd != nullptr) return;
    control.SubclassWindow(dx->PrepareCtrl(id));
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    const HWND combo = dx->PrepareCtrl(id);
    if (combo == nullptr) return;
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
    } else {
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}
