#include "about_test_support.h"

#include <gtest/gtest.h>

#include "link_test_support.h"

namespace {

TestApp g_app;

class AppEnvironment : public ::testing::Environment {
   public:
    void SetUp() override {
        ASSERT_TRUE(AfxWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_SHOW));
    }
    void TearDown() override { AfxWinTerm(); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

constexpr UINT kTickMs = 10;
constexpr int kTicksAfterLastStep = 300;
const wchar_t kAboutCaption[] = L"关于塔维斯";

struct Script {
    std::vector<AboutStep> steps;
    size_t next = 0;
    int idleTicks = 0;
};
Script* g_script = nullptr;

BOOL CALLBACK MatchAboutBox(HWND window, LPARAM out) {
    if (IsWindowVisible(window) && WindowText(window) == kAboutCaption) {
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindAboutBox() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &MatchAboutBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    Script* script = g_script;
    if (script == nullptr) return;
    const HWND about = FindAboutBox();
    if (about == nullptr) return;
    if (script->next < script->steps.size()) {
        script->steps[script->next++](about);
        return;
    }
    if (++script->idleTicks == kTicksAfterLastStep) {
        ADD_FAILURE() << "the about box is still open after the last step";
        if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(about))) {
            dialog->EndDialog(kAboutTimedOut);
        }
    }
}

}  // namespace

BOOL TestApp::CallHelpViewer(HWND, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
    m_helpRequests.push_back({helpFile ? helpFile : L"", command, data});
    return TRUE;
}

TestApp& TheTestApp() {
    return g_app;
}

MainWindowFixture::MainWindowFixture() {
    static const ATOM windowClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = L"TarvexAboutTestMain";
        return RegisterClassW(&wc);
    }();
    EXPECT_NE(windowClass, 0);
    const HWND window =
        CreateWindowExW(0, L"TarvexAboutTestMain", L"main", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        200, 150, 700, 500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(m_wnd.SubclassWindow(window));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    AfxGetApp()->m_pMainWnd = &m_wnd;
}

MainWindowFixture::~MainWindowFixture() {
    AfxGetApp()->m_pMainWnd = nullptr;
    m_wnd.DestroyWindow();
}

int RunWithAboutSteps(const std::function<int()>& runModal, std::vector<AboutStep> steps) {
    Script script{std::move(steps)};
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &OnTick);
    const int result = runModal();
    KillTimer(nullptr, timer);
    g_script = nullptr;
    EXPECT_EQ(script.next, script.steps.size()) << "the box closed before every step ran";
    return result;
}

void PostKeyDown(HWND target, UINT virtualKey, bool alt) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
    if (alt) down |= LPARAM{1} << 29;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down);
    // previous state down, key being released
    const LPARAM up = down | static_cast<LPARAM>(static_cast<LONG>(0xC0000000u));
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, up);
}
