#pragma once
// CWinApp: the one application object of the process. Constructing it
// registers it as the application; AfxWinMain (or a test fixture through
// AfxWinInit) starts it.
#include <windows.h>

#include "cmd_target.h"
#include "wide_string.h"

class CWnd;

class CWinApp : public CCmdTarget {
   public:
    // `appName` is ignored: the name always comes from the module's path.
    explicit CWinApp(LPCWSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    // FALSE ends the program after InitInstance instead of running a loop.
    virtual BOOL InitInstance() { return FALSE; }
    // Saves nothing; returns the exit code.
    virtual int ExitInstance() { return 0; }
    // The message loop used when InitInstance returns TRUE.
    virtual int Run();

    // Does nothing on current systems (they draw the 3-D look themselves).
    BOOL Enable3dControlsStatic() { return TRUE; }
    HICON LoadIcon(UINT id) const;

    // The stock help command: asks the help viewer for the topic of the
    // active dialog in m_pszHelpFilePath; reports a failure in a message box.
    void OnHelp();
    // Help request with failure report ("启动帮助失败。").
    virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
    // The one place that calls the system help viewer (WinHelpW). Tests
    // replace it, because a missing help file can block inside the viewer.
    virtual BOOL CallHelpViewer(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data);

    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    LPCWSTR m_pszAppName = L"";       // module file name without directory and extension
    LPCWSTR m_pszHelpFilePath = L"";  // module path with ".HLP" for its extension

    DECLARE_MESSAGE_MAP()

   private:
    friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPWSTR, int);
    CString m_strAppName;
    CString m_strHelpFilePath;
};

// Records the module and computes the names, and prepares the common controls.
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE prevInstance, LPWSTR cmdLine, int cmdShow);
// Releases what the layer keeps for the thread (temporary window wrappers).
void AfxWinTerm();
// The process entry routine: AfxWinInit, InitApplication, InitInstance, then
// the loop or the exit processing. Never follows a stale main-window reference.
int AfxWinMain(HINSTANCE instance, HINSTANCE prevInstance, LPWSTR cmdLine, int cmdShow);

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();
// A modal message box with the application's name as caption, owned by the
// main window's active pop-up (or the active window when there is no main
// window). `helpId` is accepted for compatibility and not used.
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);
