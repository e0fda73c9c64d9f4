#include "test_support.h"

#include <cstring>

namespace {

constexpr UINT kStepMessage = WM_APP + 0x300;

MessageBoxWatcher* g_watcher = nullptr;

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    ::EnumChildWindows(hWnd, &CountChild, counter);
    return TRUE;
}

std::wstring ClassName(HWND hWnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hWnd, name, 64);
    return name;
}

}  // namespace

BOOL TestApp::CallHelpViewer(HWND, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
    helpCalls.push_back({helpFile ? helpFile : L"", command, data});
    return helpViewerStarts ? TRUE : FALSE;
}

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

TestApp& PrepareTestApp() {
    static TestApp app;
    static const bool initialised =
        AfxWinInit(::GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_SHOW) != 0;
    (void)initialised;
    app.m_pMainWnd = nullptr;
    app.helpCalls.clear();
    app.helpViewerStarts = true;
    app.initInstance = nullptr;
    app.exitCount = 0;
    return app;
}

void PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

int CountThreadWindows() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

KeyboardState::KeyboardState(const std::vector<int>& keysDown) {
    ::GetKeyboardState(m_saved);
    BYTE state[256] = {};
    for (int key : keysDown) state[static_cast<size_t>(key)] = 0x80;
    ::SetKeyboardState(state);
}

KeyboardState::~KeyboardState() {
    ::SetKeyboardState(m_saved);
}

BOOL ScriptedDialog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    initRan = true;
    PostMessage(kStepMessage);
    return result;
}

LRESULT ScriptedDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kStepMessage) return CDialog::WindowProc(message, wParam, lParam);
    if (m_nextStep < steps.size()) {
        steps[m_nextStep++](*this);
        PostMessage(kStepMessage);
    } else {
        PostMessage(WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

MessageBoxWatcher::MessageBoxWatcher(int answer) : m_answer(answer) {
    g_watcher = this;
    m_timer = ::SetTimer(nullptr, 0, 50, &OnTimer);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    ::KillTimer(nullptr, m_timer);
    g_watcher = nullptr;
}

void CALLBACK MessageBoxWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watcher == nullptr) return;
    ::EnumThreadWindows(::GetCurrentThreadId(), &MessageBoxWatcher::OnWindow, 0);
}

BOOL CALLBACK MessageBoxWatcher::OnWindow(HWND hWnd, LPARAM) {
    if (ClassName(hWnd) != L"#32770" || !::IsWindowVisible(hWnd)) return TRUE;
    // A message box has no object of ours behind it.
    if (CWnd::FromHandlePermanent(hWnd) != nullptr) return TRUE;
    MessageBoxWatcher::Seen seen{WindowText(hWnd), L"", ::GetWindow(hWnd, GW_OWNER)};
    for (HWND child = ::GetWindow(hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == L"Static" && !WindowText(child).empty()) {
            seen.text = WindowText(child);
        }
    }
    g_watcher->seen.push_back(seen);
    ::PostMessageW(hWnd, WM_COMMAND, static_cast<WPARAM>(g_watcher->m_answer), 0);
    return TRUE;
}

std::wstring WindowText(HWND hWnd) {
    const int length = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::wstring ComboItems(HWND combo) {
    std::wstring joined;
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length =
            static_cast<size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring item(length + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(item.data()));
        item.resize(length);
        if (i > 0) joined += L'|';
        joined += item;
    }
    return joined;
}
