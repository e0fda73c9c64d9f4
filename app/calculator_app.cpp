#include "calculator_app.h"

#include "calculator_dlg.h"

// clang-format off
BEGIN_MESSAGE_MAP(CCalculatorApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()
// clang-format on

BOOL CCalculatorApp::InitInstance() {
    Enable3dControlsStatic();

    CCalculatorDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog dies with this frame: the exit processing must not find it.
    m_pMainWnd = nullptr;
    return FALSE;
}
