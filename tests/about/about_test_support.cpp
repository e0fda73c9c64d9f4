#include "about_test_support.h"

#include <gtest/gtest.h>

#include "link_test_support.h"

namespace {

const wchar_t kAboutCaption[] = L"关于塔维斯";

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

}  // namespace

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
    return RunWithTimedSteps(runModal, std::move(steps), &FindAboutBox, "the about box");
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
