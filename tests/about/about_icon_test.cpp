// The about icon on a stand-in main window: hand cursor, hover capture, and
// the about box on a click.
#include "about_icon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "about_test_support.h"
#include "calculator_dlg.h"
#include "link_test_support.h"
#include "resource.h"

namespace {

HCURSOR HandCursor() {
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
}

void MoveTo(HWND control, int x, int y) {
    SendMessageW(control, WM_MOUSEMOVE, 0,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                            static_cast<WORD>(static_cast<short>(y))));
}

class AboutIconTest : public ::testing::Test {
   protected:
    void SetUp() override {
        m_static = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ICON, 10, 300, 32,
                                   32, m_main.Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_ICON)),
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_static, nullptr);
        SendMessageW(m_static, STM_SETICON,
                     reinterpret_cast<WPARAM>(
                         LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN_ICON))),
                     0);
    }

    void Click() {
        SendMessageW(m_main.Handle(), WM_COMMAND, MAKEWPARAM(IDC_ABOUT_ICON, STN_CLICKED),
                     reinterpret_cast<LPARAM>(m_static));
    }

    MainWindowFixture m_main;
    HWND m_static = nullptr;
};

TEST_F(AboutIconTest, AttachingAddsNotifyAndLoadsTheHand) {
    ASSERT_FALSE(GetWindowLongPtrW(m_static, GWL_STYLE) & SS_NOTIFY);
    const LONG_PTR before = GetWindowLongPtrW(m_static, GWL_STYLE);
    CAboutIcon icon;
    EXPECT_EQ(icon.m_hHandCursor, nullptr);
    EXPECT_FALSE(icon.m_bHover);
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    EXPECT_EQ(GetWindowLongPtrW(m_static, GWL_STYLE), before | SS_NOTIFY);
    EXPECT_EQ(icon.m_hHandCursor, HandCursor());

    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(m_static, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_static),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), HandCursor());
}

TEST_F(AboutIconTest, NotifyStyleAlreadyThereStaysUnchanged) {
    SetWindowLongPtrW(m_static, GWL_STYLE, GetWindowLongPtrW(m_static, GWL_STYLE) | SS_NOTIFY);
    const LONG_PTR before = GetWindowLongPtrW(m_static, GWL_STYLE);
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    EXPECT_EQ(GetWindowLongPtrW(m_static, GWL_STYLE), before);
}

TEST_F(AboutIconTest, WithoutACursorItSetsNone) {
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    icon.m_hHandCursor = nullptr;
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    EXPECT_FALSE(SendMessageW(m_static, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_static),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), arrow);
}

TEST_F(AboutIconTest, HoverCapturesUntilTheFirstMoveOutside) {
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    RECT client{};
    GetClientRect(m_static, &client);

    struct Move {
        int x, y;
        bool hover;
    };
    const std::vector<Move> moves = {
        {5, 5, true},
        {client.right - 1, client.bottom - 1, true},
        {client.right, 0, false},  // right edge: outside
        {3, 3, true},
        {0, client.bottom, false},  // bottom edge: outside
    };
    for (const Move& m : moves) {
        MoveTo(m_static, m.x, m.y);
        EXPECT_EQ(icon.m_bHover, m.hover ? TRUE : FALSE) << m.x << "," << m.y;
        EXPECT_EQ(GetCapture(), m.hover ? m_static : nullptr) << m.x << "," << m.y;
    }
}

TEST_F(AboutIconTest, ClickReleasesTheCaptureThenRunsTheAboutBox) {
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    MoveTo(m_static, 4, 4);
    ASSERT_EQ(GetCapture(), m_static);

    int boxes = 0;
    const HWND main = m_main.Handle();
    const HWND iconWindow = m_static;
    RunWithAboutSteps(
        [this] {
            Click();
            return 0;
        },
        {[&](HWND about) {
            ++boxes;
            EXPECT_FALSE(icon.m_bHover);
            EXPECT_NE(GetCapture(), iconWindow);
            EXPECT_EQ(GetWindow(about, GW_OWNER), main);
            EXPECT_FALSE(IsWindowEnabled(main));
            PostKeyDown(GetFocus(), VK_ESCAPE);
        }});
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(IsWindowEnabled(main));

    // Hovering starts again with the next move.
    MoveTo(m_static, 4, 4);
    EXPECT_TRUE(icon.m_bHover);
    EXPECT_EQ(GetCapture(), m_static);
    ReleaseCapture();
}

TEST_F(AboutIconTest, LostCaptureKeepsTheFlagUntilTheNextClick) {
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    MoveTo(m_static, 4, 4);
    SetCapture(m_main.Handle());
    MoveTo(m_static, 5, 5);
    EXPECT_TRUE(icon.m_bHover);
    EXPECT_EQ(GetCapture(), m_main.Handle());
    ReleaseCapture();
    RunWithAboutSteps(
        [this] {
            Click();
            return 0;
        },
        {[](HWND) { PostKeyDown(GetFocus(), VK_ESCAPE); }});
    EXPECT_FALSE(icon.m_bHover);
}

TEST_F(AboutIconTest, HandStillWorksAfterTheBoxOpenedAndClosedAgainAndAgain) {
    DestroyCursorRecorder cursorCalls;
    CAboutIcon icon;
    ASSERT_TRUE(icon.SubclassDlgItem(IDC_ABOUT_ICON, &m_main.Wnd()));
    const HCURSOR hand = icon.m_hHandCursor;
    ASSERT_NE(hand, nullptr);
    for (int run = 0; run < 5; ++run) {
        RunWithAboutSteps(
            [this] {
                Click();
                return 0;
            },
            {[](HWND) { PostKeyDown(GetFocus(), VK_RETURN); }});
    }
    EXPECT_TRUE(cursorCalls.calls.empty()) << "the links must not destroy the shared hand";
    EXPECT_EQ(icon.m_hHandCursor, hand);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(info.xHotspot, 6u);
    DeleteObject(info.hbmMask);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(m_static, WM_SETCURSOR, reinterpret_cast<WPARAM>(m_static),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), hand);
}

// The real main dialog attaches its icon at the end of its initialisation.
HWND g_mainDialog = nullptr;
bool g_iconClicked = false;

void CALLBACK ClickMainDialogIcon(HWND, UINT, UINT_PTR, DWORD) {
    if (g_iconClicked) return;
    const HWND main = FindWindowW(L"#32770", L"\u5854\u7EF4\u65AF");  // 塔维斯
    if (main == nullptr || !IsWindowVisible(main)) return;
    g_iconClicked = true;
    g_mainDialog = main;
    const HWND icon = GetDlgItem(main, IDC_ABOUT_ICON);
    EXPECT_TRUE(GetWindowLongPtrW(icon, GWL_STYLE) & SS_NOTIFY);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(icon, WM_SETCURSOR, reinterpret_cast<WPARAM>(icon),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), HandCursor());
    // Runs the about box to its end, then the main dialog is closed.
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_ICON, STN_CLICKED),
                 reinterpret_cast<LPARAM>(icon));
    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
}

TEST(MainDialogIcon, OpensTheAboutBoxOwnedByTheMainDialog) {
    CCalculatorDlg dlg;
    AfxGetApp()->m_pMainWnd = &dlg;
    g_iconClicked = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &ClickMainDialogIcon);
    int aboutRuns = 0;
    HWND owner = nullptr;
    const int result = RunWithAboutSteps([&dlg] { return dlg.DoModal(); }, {[&](HWND about) {
                                             ++aboutRuns;
                                             owner = GetWindow(about, GW_OWNER);
                                             PostKeyDown(GetFocus(), VK_ESCAPE);
                                         }});
    KillTimer(nullptr, timer);
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(aboutRuns, 1);
    EXPECT_EQ(owner, g_mainDialog);
}

}  // namespace
