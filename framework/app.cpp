#include "app.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app_name.h"
#include "wnd.h"

namespace {

// The process's one application object, as the entry routine must find it.
CWinApp* g_application = nullptr;

std::wstring ModulePath(HINSTANCE instance) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameW(instance, buffer.data(), size);
        if (length == 0) return std::wstring();
        if (length < size) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);  // truncated: try again with more room
    }
}

std::u16string_view AsU16(const std::wstring& text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

CString FromU16(const std::u16string& text) {
    return CString(reinterpret_cast<LPCWSTR>(text.c_str()), static_cast<int>(text.size()));
}

}  // namespace

CWinApp::CWinApp(LPCWSTR) {
    g_application = this;
}

CWinApp::~CWinApp() {
    if (g_application == this) g_application = nullptr;
}

int CWinApp::Run() {
    if (m_pMainWnd != nullptr) {
        MSG msg{};
        while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            bool handled = false;
            for (HWND h = msg.hwnd; h != nullptr && !handled; h = ::GetParent(h)) {
                CWnd* wnd = CWnd::FromHandlePermanent(h);
                handled = wnd != nullptr && wnd->PreTranslateMessage(&msg);
            }
            if (handled) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const {
    return ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
}

void CWinApp::OnHelp() {
    CWnd* source = CWnd::FromHandlePermanent(::GetActiveWindow());
    DWORD topic = source != nullptr ? source->GetHelpContextId() : 0;
    if (topic == 0 && m_pMainWnd != nullptr) topic = m_pMainWnd->GetHelpContextId();
    if (topic != 0) {
        WinHelp(topic, HELP_CONTEXT);
    } else {
        WinHelp(0, HELP_FINDER);
    }
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    if (!CallHelpViewer(CWnd::SafeHwnd(m_pMainWnd), m_pszHelpFilePath, command, data)) {
        AfxMessageBox(L"启动帮助失败。", MB_OK | MB_ICONEXCLAMATION);
    }
}

BOOL CWinApp::CallHelpViewer(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
    return ::WinHelpW(owner, helpFile, command, data);
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL AfxWinInit(HINSTANCE instance, HINSTANCE, LPWSTR cmdLine, int cmdShow) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    CWinApp* app = g_application;
    if (app == nullptr) return FALSE;
    app->m_hInstance = instance;
    app->m_lpCmdLine = cmdLine;
    app->m_nCmdShow = cmdShow;
    const std::wstring path = ModulePath(instance);
    app->m_strAppName = FromU16(AppNameFromModulePath(AsU16(path)));
    app->m_strHelpFilePath = FromU16(HelpFilePathFromModulePath(AsU16(path)));
    app->m_pszAppName = app->m_strAppName.GetString();
    app->m_pszHelpFilePath = app->m_strHelpFilePath.GetString();
    return TRUE;
}

void AfxWinTerm() {
    CWnd::DeleteTempMap();
}

int AfxWinMain(HINSTANCE instance, HINSTANCE prevInstance, LPWSTR cmdLine, int cmdShow) {
    int result = -1;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && AfxWinInit(instance, prevInstance, cmdLine, cmdShow) &&
        app->InitApplication()) {
        if (app->InitInstance()) {
            result = app->Run();
        } else {
            // The main window may have lived in InitInstance's own frame:
            // the reference is dropped, never followed.
            app->m_pMainWnd = nullptr;
            result = app->ExitInstance();
        }
    }
    AfxWinTerm();
    return result;
}

CWinApp* AfxGetApp() {
    return g_application;
}

CWnd* AfxGetMainWnd() {
    return g_application ? g_application->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

HINSTANCE AfxGetInstanceHandle() {
    if (g_application != nullptr && g_application->m_hInstance != nullptr) {
        return g_application->m_hInstance;
    }
    return ::GetModuleHandleW(nullptr);
}

int AfxMessageBox(LPCWSTR text, UINT type, UINT) {
    CWinApp* app = AfxGetApp();
    HWND owner = nullptr;
    const HWND mainWindow = CWnd::SafeHwnd(AfxGetMainWnd());
    if (mainWindow != nullptr && ::IsWindow(mainWindow)) {
        owner = ::GetLastActivePopup(mainWindow);
    } else {
        owner = ::GetActiveWindow();
    }
    return ::MessageBoxW(owner, text, app ? app->m_pszAppName : L"", type);
}
