// The hyperlink label on real windows: a plain parent window holds static
// controls, and a label attaches to one of them the way a dialog's would.
#include "link_label.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app_environment.h"
#include "cursor_release.h"
#include "framework.h"
#include "link_test_support.h"
#include "resource.h"

namespace {

constexpr wchar_t kProgramName[] = L"link_label_tests";
constexpr COLORREF kNormalColor = 0x00EE0000;
constexpr COLORREF kOpenedColor = 0x008B1A55;
constexpr int kLabelId = 301;
const std::wstring kErrorPrefix = L"Unable to open hyperlink:\n\n";

CWinApp g_app;

[[maybe_unused]] ::testing::Environment* const g_environment = AddAppEnvironment();

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                      static_cast<WORD>(static_cast<short>(y)));
}

struct TextColor {
    LRESULT brush;
    COLORREF color;
    int backgroundMode;
};

class LinkLabelTest : public ::testing::Test {
   protected:
    void SetUp() override {
        static const ATOM parentClass = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            wc.lpszClassName = L"TarvexLinkTestParent";
            return RegisterClassW(&wc);
        }();
        ASSERT_NE(parentClass, 0);
        const HWND parent = CreateWindowExW(0, L"TarvexLinkTestParent", L"parent",
                                            WS_POPUP | WS_CAPTION | WS_VISIBLE, 60, 60, 520, 320,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(m_parent.SubclassWindow(parent));
        m_font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"SimSun");
        ASSERT_NE(m_font, nullptr);
        AfxGetApp()->m_pMainWnd = &m_parent;
    }

    void TearDown() override {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_parent.DestroyWindow();
        DeleteObject(m_font);
    }

    HWND AddStatic(LPCWSTR text, DWORD style = SS_LEFT, RECT rect = {10, 10, 110, 30},
                   int id = kLabelId, bool withFont = true) {
        const HWND control = CreateWindowExW(
            0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
            rect.right - rect.left, rect.bottom - rect.top, m_parent.m_hWnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        if (withFont) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return control;
    }

    // The control's rectangle in the parent's client coordinates.
    RECT PlaceOf(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, m_parent.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // The control's text measured as one line in the font it draws with.
    static SIZE MeasureText(HWND control) {
        const std::wstring text = WindowText(control);
        const HDC dc = GetDC(control);
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        return size;
    }

    TextColor ColorOf(HWND label) {
        const HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, 0x00123456);
        SetBkMode(dc, OPAQUE);
        TextColor result{};
        result.brush = m_parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(label));
        result.color = GetTextColor(dc);
        result.backgroundMode = GetBkMode(dc);
        DeleteDC(dc);
        return result;
    }

    // What the static sends its parent on a click.
    void Click(HWND label) {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                             reinterpret_cast<LPARAM>(label));
    }

    static void MoveTo(HWND label, int x, int y) {
        SendMessageW(label, WM_MOUSEMOVE, 0, PointParam(x, y));
    }

    CWnd m_parent;
    HFONT m_font = nullptr;
};

HCURSOR HandCursor() {
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER));
}

// ---------------------------------------------------------------- attaching

struct AttachCase {
    const char* name;
    const wchar_t* text;
    const wchar_t* presetTarget;  // null: no target before attaching
    const wchar_t* target;
    const wchar_t* shownText;
};

class LinkLabelAttach : public LinkLabelTest, public ::testing::WithParamInterface<AttachCase> {};

TEST_P(LinkLabelAttach, TargetAndTextFillEachOther) {
    const AttachCase& c = GetParam();
    const HWND control = AddStatic(c.text);
    CLinkLabel label;
    if (c.presetTarget != nullptr) label.SetLinkTarget(c.presetTarget);
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));

    EXPECT_EQ(std::wstring(label.m_strTarget), c.target);
    EXPECT_EQ(WindowText(control), c.shownText);
    ASSERT_NE(label.m_tipCtrl.m_hWnd, nullptr);
    EXPECT_EQ(ToolTipText(label.m_tipCtrl.m_hWnd, control, 1), c.target);
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(label.m_hHandCursor, HandCursor());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LinkLabelAttach,
    ::testing::Values(AttachCase{"text_becomes_target", L"X", nullptr, L"X", L"X"},
                      AttachCase{"target_becomes_text", L"", L"http://t.example.org/",
                                 L"http://t.example.org/", L"http://t.example.org/"},
                      AttachCase{"both_given_both_stay", L"Shown", L"mailto:a@example.org",
                                 L"mailto:a@example.org", L"Shown"},
                      AttachCase{"both_empty", L"", nullptr, L"", L""},
                      AttachCase{"chinese_text", L"塔维斯主页", nullptr, L"塔维斯主页",
                                 L"塔维斯主页"}),
    [](const ::testing::TestParamInfo<AttachCase>& param) {
        return std::string(param.param.name);
    });

TEST_F(LinkLabelTest, AttachingStopsBeforeAWindowThatHasAnObject) {
    AddStatic(L"X");
    CLinkLabel first;
    CLinkLabel second;
    ASSERT_TRUE(first.SubclassDlgItem(kLabelId, &m_parent));
    EXPECT_FALSE(second.SubclassDlgItem(kLabelId, &m_parent));
    EXPECT_EQ(second.m_tipCtrl.m_hWnd, nullptr);
    EXPECT_EQ(second.m_fontLink.GetSafeHandle(), nullptr);
}

TEST_F(LinkLabelTest, DrawsWithAnUnderlinedCopyOfItsFont) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));

    const auto used = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(used, nullptr);
    EXPECT_NE(used, m_font);
    EXPECT_EQ(used, label.m_fontLink.GetSafeHandle());
    LOGFONTW original{};
    LOGFONTW underlined{};
    ASSERT_EQ(GetObjectW(m_font, sizeof original, &original), static_cast<int>(sizeof original));
    ASSERT_EQ(GetObjectW(used, sizeof underlined, &underlined),
              static_cast<int>(sizeof underlined));
    EXPECT_EQ(underlined.lfUnderline, 1);
    EXPECT_EQ(original.lfUnderline, 0);  // the dialog's font is left as it was
    EXPECT_EQ(underlined.lfHeight, original.lfHeight);
    EXPECT_EQ(underlined.lfWeight, original.lfWeight);
    EXPECT_EQ(underlined.lfItalic, original.lfItalic);
    EXPECT_EQ(underlined.lfCharSet, original.lfCharSet);
    EXPECT_STREQ(underlined.lfFaceName, original.lfFaceName);
}

TEST_F(LinkLabelTest, StaticWithoutFontGetsTheSystemFontUnderlined) {
    const HWND control = AddStatic(L"link", SS_LEFT, {10, 10, 110, 30}, kLabelId, false);
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    const auto used = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(used, nullptr);
    LOGFONTW system{};
    LOGFONTW underlined{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof system, &system);
    GetObjectW(used, sizeof underlined, &underlined);
    EXPECT_EQ(underlined.lfUnderline, 1);
    EXPECT_EQ(underlined.lfHeight, system.lfHeight);
    EXPECT_STREQ(underlined.lfFaceName, system.lfFaceName);
}

// ------------------------------------------------------------------ fitting

struct FitCase {
    const char* name;
    DWORD style;
    RECT rect;
    const wchar_t* text;
};

class LinkLabelFit : public LinkLabelTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(LinkLabelFit, MovesAndSizesToItsText) {
    const FitCase& c = GetParam();
    const HWND control = AddStatic(c.text, c.style, c.rect);
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));

    const SIZE text = MeasureText(control);
    ASSERT_GT(text.cx, 0);
    const RECT r = PlaceOf(control);
    const int oldWidth = c.rect.right - c.rect.left;
    const int oldHeight = c.rect.bottom - c.rect.top;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;

    if (c.style & SS_CENTERIMAGE) {
        // Both edges move by the same amount, halved toward zero.
        EXPECT_EQ(r.top + r.bottom, c.rect.top + c.rect.bottom);
        EXPECT_LE(std::abs(height - text.cy), 1);
        EXPECT_EQ((oldHeight - height) % 2, 0);
    } else {
        EXPECT_EQ(r.top, c.rect.top);
        EXPECT_EQ(height, text.cy);
    }
    switch (c.style & (SS_CENTER | SS_RIGHT)) {
        case SS_LEFT:
            EXPECT_EQ(r.left, c.rect.left);
            EXPECT_EQ(width, text.cx);
            break;
        case SS_RIGHT:
            EXPECT_EQ(r.right, c.rect.right);
            EXPECT_EQ(width, text.cx);
            break;
        default:
            EXPECT_EQ(r.left + r.right, c.rect.left + c.rect.right);
            EXPECT_LE(std::abs(width - text.cx), 1);
            EXPECT_EQ((oldWidth - width) % 2, 0);
            break;
    }

    // The tip's tool covers the fitted client area.
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = control;
    info.uId = 1;
    ASSERT_TRUE(
        SendMessageW(label.m_tipCtrl.m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.rect.left, 0);
    EXPECT_EQ(info.rect.top, 0);
    EXPECT_EQ(info.rect.right, width);
    EXPECT_EQ(info.rect.bottom, height);
    EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, LinkLabelFit,
    ::testing::Values(
        FitCase{"left", SS_LEFT, {10, 10, 110, 30}, L"tarvex@example.org"},
        FitCase{"left_grows", SS_LEFT, {10, 10, 30, 14}, L"a text wider than its box"},
        FitCase{"right", SS_RIGHT, {10, 10, 310, 30}, L"tarvex@example.org"},
        FitCase{"centre", SS_CENTER, {10, 10, 311, 30}, L"tarvex@example.org"},
        FitCase{"centre_narrower_box", SS_CENTER, {40, 10, 71, 30}, L"a text wider than its box"},
        FitCase{"centre_image", SS_LEFT | SS_CENTERIMAGE, {10, 10, 110, 51}, L"link"},
        FitCase{"centre_both", SS_CENTER | SS_CENTERIMAGE, {20, 20, 221, 71}, L"塔维斯主页"}),
    [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

// ---------------------------------------------------------- setting target

TEST_F(LinkLabelTest, TargetSetBeforeAttachingOnlyStoresIt) {
    CLinkLabel label;
    label.SetLinkTarget(L"https://before.example.org/");
    EXPECT_EQ(label.m_hWnd, nullptr);
    EXPECT_EQ(std::wstring(label.m_strTarget), L"https://before.example.org/");
    EXPECT_EQ(label.m_tipCtrl.m_hWnd, nullptr);
}

TEST_F(LinkLabelTest, TargetSetAfterAttachingRefitsAndRetitlesTheTipButKeepsTheText) {
    const HWND control = AddStatic(L"Old");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    const RECT attached = PlaceOf(control);

    // Someone changed the text behind the label's back: the next target refits it.
    SetWindowTextW(control, L"a considerably longer text");
    label.SetLinkTarget(L"https://new.example.org/");

    EXPECT_EQ(WindowText(control), L"a considerably longer text");
    EXPECT_EQ(std::wstring(label.m_strTarget), L"https://new.example.org/");
    EXPECT_EQ(ToolTipText(label.m_tipCtrl.m_hWnd, control, 1), L"https://new.example.org/");
    const RECT refitted = PlaceOf(control);
    EXPECT_EQ(refitted.left, attached.left);
    EXPECT_EQ(refitted.right - refitted.left, MeasureText(control).cx);
    EXPECT_GT(refitted.right, attached.right);

    // The tool keeps the rectangle of attaching.
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = control;
    info.uId = 1;
    ASSERT_TRUE(
        SendMessageW(label.m_tipCtrl.m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.rect.right, attached.right - attached.left);
}

// ------------------------------------------------------- colour and hover

TEST_F(LinkLabelTest, ColourFollowsHoverThenOpenedThenNormal) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    ScriptedLinkPlatform platform;
    ScopedLinkPlatform scoped(platform);
    MessageBoxWatcher boxes(kProgramName);
    const COLORREF hoverColor = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_NE(hoverColor, kNormalColor);
    ASSERT_NE(hoverColor, kOpenedColor);

    struct Expectation {
        const char* state;
        std::function<void()> act;
        COLORREF color;
    };
    const std::vector<Expectation> steps = {
        {"fresh", [] {}, kNormalColor},
        {"opened",
         [&] {
             platform.openResults = {33};
             Click(control);
         },
         kOpenedColor},
        {"hover over opened", [&] { MoveTo(control, 1, 1); }, hoverColor},
        {"left again", [&] { MoveTo(control, -1, 1); }, kOpenedColor},
        {"failed open",
         [&] {
             platform.openResults = {2};
             Click(control);
         },
         kNormalColor},
        {"hover", [&] { MoveTo(control, 0, 0); }, hoverColor},
    };
    for (const Expectation& step : steps) {
        platform = ScriptedLinkPlatform{};
        step.act();
        const TextColor got = ColorOf(control);
        EXPECT_EQ(got.color, step.color) << step.state;
        EXPECT_EQ(got.backgroundMode, TRANSPARENT) << step.state;
        EXPECT_EQ(got.brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH))) << step.state;
    }
}

// Records what the label receives, and who holds the capture at that moment.
struct Delivery {
    UINT message;
    HWND capture;
};
std::vector<Delivery>* g_deliveries = nullptr;
HWND g_watched = nullptr;

LRESULT CALLBACK RecordDelivery(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_deliveries != nullptr && call->hwnd == g_watched &&
        (call->message == WM_PAINT || call->message == WM_CAPTURECHANGED)) {
        g_deliveries->push_back({call->message, GetCapture()});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class DeliveryRecorder {
   public:
    explicit DeliveryRecorder(HWND watched)
        : m_hook(
              SetWindowsHookExW(WH_CALLWNDPROC, &RecordDelivery, nullptr, GetCurrentThreadId())) {
        g_watched = watched;
        g_deliveries = &deliveries;
    }
    ~DeliveryRecorder() {
        UnhookWindowsHookEx(m_hook);
        g_deliveries = nullptr;
        g_watched = nullptr;
    }
    std::vector<Delivery> deliveries;

   private:
    HHOOK m_hook;
};

TEST_F(LinkLabelTest, FirstMoveRedrawsThenCaptures) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    UpdateWindow(m_parent.m_hWnd);
    DeliveryRecorder recorder(control);

    MoveTo(control, 2, 2);
    EXPECT_EQ(GetCapture(), control);
    EXPECT_TRUE(label.m_bHover);
    ASSERT_FALSE(recorder.deliveries.empty());
    EXPECT_EQ(recorder.deliveries.front().message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(recorder.deliveries.front().capture, nullptr) << "painted before the capture";

    recorder.deliveries.clear();
    MoveTo(control, -5, 2);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(label.m_bHover);
    ASSERT_GE(recorder.deliveries.size(), 2u);
    EXPECT_EQ(recorder.deliveries[0].message, static_cast<UINT>(WM_CAPTURECHANGED));
    EXPECT_EQ(recorder.deliveries[1].message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(recorder.deliveries[1].capture, nullptr) << "released before the repaint";
}

struct LeaveCase {
    const char* name;
    int dx;  // offset from the right edge (0 = on it)
    int dy;  // offset from the bottom edge
    bool fromLeft;
    bool leaves;
};

class LinkLabelHover : public LinkLabelTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LinkLabelHover, RightAndBottomEdgesAreOutside) {
    const LeaveCase& c = GetParam();
    const HWND control = AddStatic(L"link text");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    RECT client{};
    GetClientRect(control, &client);

    MoveTo(control, 0, 0);
    ASSERT_EQ(GetCapture(), control);
    const int x = c.fromLeft ? c.dx : client.right + c.dx;
    const int y = c.fromLeft ? c.dy : client.bottom + c.dy;
    MoveTo(control, x, y);
    EXPECT_EQ(label.m_bHover, c.leaves ? FALSE : TRUE) << x << "," << y;
    EXPECT_EQ(GetCapture(), c.leaves ? nullptr : control);
    ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(Points, LinkLabelHover,
                         ::testing::Values(LeaveCase{"last_pixel", -1, -1, false, false},
                                           LeaveCase{"right_edge", 0, -1, false, true},
                                           LeaveCase{"bottom_edge", -1, 0, false, true},
                                           LeaveCase{"far_outside", 200, 200, false, true},
                                           LeaveCase{"origin", 0, 0, true, false},
                                           LeaveCase{"left_of_it", -1, 0, true, true},
                                           LeaveCase{"above_it", 0, -1, true, true}),
                         [](const ::testing::TestParamInfo<LeaveCase>& param) {
                             return std::string(param.param.name);
                         });

TEST_F(LinkLabelTest, LostCaptureGoesUnnoticedUntilAMoveOutside) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    MoveTo(control, 1, 1);
    SetCapture(m_parent.m_hWnd);  // another window takes it
    MoveTo(control, 2, 2);
    EXPECT_TRUE(label.m_bHover);
    EXPECT_EQ(GetCapture(), m_parent.m_hWnd) << "a move inside takes no capture back";
    EXPECT_EQ(ColorOf(control).color, GetSysColor(COLOR_HIGHLIGHT));
    ReleaseCapture();
}

// ------------------------------------------------------------------ cursor

TEST_F(LinkLabelTest, ShowsTheHandCursorOfTheResources) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_TRUE(SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), HandCursor());

    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(HandCursor(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 6u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr) << "monochrome";
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);  // AND and XOR masks stacked
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST_F(LinkLabelTest, WithoutACursorItSetsNone) {
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    label.m_hHandCursor = nullptr;  // as when the resource could not be loaded
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    EXPECT_FALSE(SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), arrow);
}

// ----------------------------------------------------------------- opening

struct ClickCase {
    const char* name;
    std::vector<intptr_t> openResults;
    std::map<std::wstring, std::optional<std::wstring>> classesRoot;
    std::vector<std::wstring> expectedReads;
    std::vector<std::wstring> expectedOpens;
    const wchar_t* reason;  // null: opened without a report
};

const wchar_t kTarget[] = L"http://target.example.org/";
const wchar_t kCommandKey[] = L"htmlfile\\shell\\open\\command";
const std::map<std::wstring, std::optional<std::wstring>> kAssociation = {
    {L".htm", L"htmlfile"}, {kCommandKey, L"\"C:\\b.exe\" \"%1\""}};

class LinkLabelClick : public LinkLabelTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LinkLabelClick, OpensFallsBackOrReports) {
    const ClickCase& c = GetParam();
    const HWND control = AddStatic(L"link");
    CLinkLabel label;
    label.SetLinkTarget(kTarget);
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    ScriptedLinkPlatform platform;
    platform.openResults = c.openResults;
    platform.classesRoot = c.classesRoot;
    ScopedLinkPlatform scoped(platform);
    MessageBoxWatcher boxes(kProgramName);
    UpdateWindow(m_parent.m_hWnd);

    Click(control);

    EXPECT_EQ(platform.reads, c.expectedReads);
    ASSERT_EQ(platform.opens.size(), c.expectedOpens.size());
    for (size_t i = 0; i < platform.opens.size(); ++i) {
        EXPECT_EQ(platform.opens[i].file, c.expectedOpens[i]) << i;
        // The first request has no owner; the fall-back's is the main window.
        EXPECT_EQ(platform.opens[i].owner, i == 0 ? nullptr : m_parent.m_hWnd) << i;
    }
    if (c.reason == nullptr) {
        EXPECT_TRUE(label.m_bOpened);
        EXPECT_TRUE(platform.beeps.empty());
        EXPECT_TRUE(boxes.seen.empty());
        EXPECT_TRUE(GetUpdateRect(control, nullptr, FALSE)) << "repaint in the opened colour";
    } else {
        EXPECT_FALSE(label.m_bOpened);
        EXPECT_EQ(platform.beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
        ASSERT_EQ(boxes.seen.size(), 1u);
        EXPECT_EQ(boxes.seen[0].caption, kProgramName);
        EXPECT_EQ(boxes.seen[0].text, kErrorPrefix + c.reason);
        EXPECT_EQ(boxes.seen[0].buttons, 1);
        EXPECT_TRUE(boxes.seen[0].exclamationIcon);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LinkLabelClick,
    ::testing::Values(
        ClickCase{"shell_opens", {33}, kAssociation, {}, {kTarget}, nullptr},
        ClickCase{"fallback_opens",
                  {31, 42},
                  kAssociation,
                  {L".htm", kCommandKey},
                  {kTarget, L"\"C:\\b.exe\"  http://target.example.org/"},
                  nullptr},
        ClickCase{"no_htm_key",
                  {31},
                  {},
                  {L".htm"},
                  {kTarget},
                  L"There is no application associated\nwith the given filename extension."},
        ClickCase{"htm_value_unreadable",
                  {5},
                  {{L".htm", std::nullopt}},
                  {L".htm"},
                  {kTarget},
                  L"The operating system denied\naccess to the specified file."},
        ClickCase{"no_command_key",
                  {27},
                  {{L".htm", L"htmlfile"}},
                  {L".htm", kCommandKey},
                  {kTarget},
                  L"The filename association is\nincomplete or invalid."},
        ClickCase{"command_value_unreadable",
                  {0},
                  {{L".htm", L"htmlfile"}, {kCommandKey, std::nullopt}},
                  {L".htm", kCommandKey},
                  {kTarget},
                  L"The operating system is out\nof memory or resources."},
        ClickCase{"fallback_fails_too",
                  {31, 2},
                  kAssociation,
                  {L".htm", kCommandKey},
                  {kTarget, L"\"C:\\b.exe\"  http://target.example.org/"},
                  L"The specified file was not found."},
        ClickCase{"fallback_unknown_code",
                  {31, 12},
                  {{L".htm", L"cls"}, {L"cls\\shell\\open\\command", L"b.exe %1 -new"}},
                  {L".htm", L"cls\\shell\\open\\command"},
                  {kTarget, L"b.exe  http://target.example.org/"},
                  L"Unknown Error (12) occurred."}),
    [](const ::testing::TestParamInfo<ClickCase>& param) { return std::string(param.param.name); });

TEST_F(LinkLabelTest, ReportTextComesFromTheCodeItIsGiven) {
    // Reached from a click only with a shell result; any code reads the same way.
    struct ReportLabel : CLinkLabel {
        using CLinkLabel::ShowOpenError;
    };
    MessageBoxWatcher boxes(kProgramName);
    ReportLabel label;
    label.ShowOpenError(-5);
    label.ShowOpenError(26);
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[0].text, kErrorPrefix + L"Unknown Error (-5) occurred.");
    EXPECT_EQ(boxes.seen[1].text, kErrorPrefix + L"A sharing violation occurred. ");
}

// ------------------------------------------------------------ the registry

// Writes test keys under HKEY_CLASSES_ROOT and puts everything back on the way out.
class ClassesRootSandbox {
   public:
    ClassesRootSandbox() {
        HKEY htm = nullptr;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L".htm", 0, KEY_QUERY_VALUE, &htm) == ERROR_SUCCESS) {
            DWORD size = 0;
            if (RegQueryValueExW(htm, nullptr, nullptr, &m_htmType, nullptr, &size) ==
                ERROR_SUCCESS) {
                m_htmValue.resize(size);
                RegQueryValueExW(htm, nullptr, nullptr, &m_htmType, m_htmValue.data(), &size);
                m_htmHadValue = true;
            }
            RegCloseKey(htm);
            m_htmExisted = true;
        }
    }
    ~ClassesRootSandbox() {
        for (const std::wstring& key : m_created) RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
        if (!m_htmExisted) {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, L".htm");
        } else {
            HKEY htm = nullptr;
            RegOpenKeyExW(HKEY_CLASSES_ROOT, L".htm", 0, KEY_SET_VALUE, &htm);
            if (m_htmHadValue) {
                RegSetValueExW(htm, nullptr, 0, m_htmType, m_htmValue.data(),
                               static_cast<DWORD>(m_htmValue.size()));
            } else {
                RegDeleteValueW(htm, nullptr);
            }
            RegCloseKey(htm);
        }
    }

    // Sets a key's default value, creating the key (a created top key is removed afterwards).
    void SetDefault(const std::wstring& key, DWORD type, const void* data, DWORD size) {
        const std::wstring top = key.substr(0, key.find(L'\\'));
        if (top != L".htm" &&
            std::find(m_created.begin(), m_created.end(), top) == m_created.end()) {
            m_created.push_back(top);
        }
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        if (data != nullptr) {
            EXPECT_EQ(
                RegSetValueExW(handle, nullptr, 0, type, static_cast<const BYTE*>(data), size),
                ERROR_SUCCESS);
        }
        RegCloseKey(handle);
    }
    void SetText(const std::wstring& key, const std::wstring& text, DWORD type = REG_SZ) {
        SetDefault(key, type, text.c_str(),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

   private:
    bool m_htmExisted = false;
    bool m_htmHadValue = false;
    DWORD m_htmType = REG_SZ;
    std::vector<BYTE> m_htmValue;
    std::vector<std::wstring> m_created;
};

TEST_F(LinkLabelTest, FallsBackThroughTheRealRegistry) {
    ClassesRootSandbox sandbox;
    sandbox.SetText(L".htm", L"TarvexTest.LinkClass");
    sandbox.SetText(L"TarvexTest.LinkClass\\shell\\open\\command",
                    L"\"C:\\tarvex\\browser.exe\" -page \"%1\" -new");
    const HWND control = AddStatic(L"mail");
    CLinkLabel label;
    label.SetLinkTarget(L"mailto:tarvex@example.org");
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    ScriptedLinkPlatform platform;
    platform.useRealRegistry = true;
    platform.openResults = {31, 42};
    ScopedLinkPlatform scoped(platform);

    Click(control);

    ASSERT_EQ(platform.opens.size(), 2u);
    EXPECT_EQ(platform.opens[1].file,
              L"\"C:\\tarvex\\browser.exe\" -page  mailto:tarvex@example.org");
    EXPECT_TRUE(label.m_bOpened);
}

struct RegistryValueCase {
    const char* name;
    DWORD type;
    std::vector<wchar_t> data;  // written as is, terminator or not
    bool createValue;
    std::optional<std::wstring> expected;
};

class RealRegistryRead : public ::testing::TestWithParam<RegistryValueCase> {};

TEST_P(RealRegistryRead, ReadsTextWholeOrNothing) {
    const RegistryValueCase& c = GetParam();
    ClassesRootSandbox sandbox;
    const std::wstring key = L"TarvexTest.Values\\shell\\open\\command";
    sandbox.SetDefault(key, c.type, c.createValue ? c.data.data() : nullptr,
                       static_cast<DWORD>(c.data.size() * sizeof(wchar_t)));
    EXPECT_EQ(SystemLinkPlatform().ReadClassesRootDefault(key), c.expected);
}

std::vector<wchar_t> Chars(const std::wstring& text, bool terminated = true) {
    std::vector<wchar_t> chars(text.begin(), text.end());
    if (terminated) chars.push_back(L'\0');
    return chars;
}

const std::wstring kLongCommand = L"\"C:\\" + std::wstring(1200, L'p') + L".exe\" \"%1\"";

INSTANTIATE_TEST_SUITE_P(
    Values, RealRegistryRead,
    ::testing::Values(
        RegistryValueCase{"plain", REG_SZ, Chars(L"prog.exe \"%1\""), true, L"prog.exe \"%1\""},
        // far beyond any 260-character buffer
        RegistryValueCase{"long", REG_SZ, Chars(kLongCommand), true, kLongCommand},
        RegistryValueCase{"expandable", REG_EXPAND_SZ, Chars(L"%ProgramFiles%\\b.exe %1"), true,
                          L"%ProgramFiles%\\b.exe %1"},
        RegistryValueCase{"no_terminator", REG_SZ, Chars(L"prog.exe", false), true, std::nullopt},
        RegistryValueCase{"number", REG_DWORD, {L'\x2A', L'\0'}, true, std::nullopt},
        RegistryValueCase{"no_default_value", REG_SZ, {}, false, std::wstring()}),
    [](const ::testing::TestParamInfo<RegistryValueCase>& param) {
        return std::string(param.param.name);
    });

TEST(RealRegistryRead, MissingKeyReadsNothing) {
    EXPECT_EQ(SystemLinkPlatform().ReadClassesRootDefault(L"TarvexTest.NoSuchClass\\shell"),
              std::nullopt);
}

TEST(RealShell, UnknownSchemeIsRefusedWithoutAssociation) {
    EXPECT_EQ(SystemLinkPlatform().OpenTarget(nullptr, L"tarvex-no-such-scheme:x"), 31);
}

// ------------------------------------------------------------ giving back

TEST_F(LinkLabelTest, GivesBackFontAndTipOnceAndLeavesTheSharedCursor) {
    DestroyCursorRecorder cursorCalls;
    const int windowsBefore = CountThreadWindows();
    HFONT font = nullptr;
    HWND tip = nullptr;
    {
        AddStatic(L"link");
        CLinkLabel label;
        ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
        font = label.m_fontLink.GetSafeHandle();
        tip = label.m_tipCtrl.m_hWnd;
        EXPECT_EQ(label.m_hHandCursor, HandCursor());
        EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
        EXPECT_TRUE(IsWindow(tip));
    }
    EXPECT_EQ(GetObjectType(font), 0u) << "font deleted";
    EXPECT_FALSE(IsWindow(tip));
    EXPECT_EQ(CountThreadWindows(), windowsBefore);
    EXPECT_TRUE(cursorCalls.calls.empty()) << "the shared hand cursor must not be destroyed";
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(HandCursor(), &info));
    DeleteObject(info.hbmMask);
}

TEST(CursorRelease, OnlyOwnedCopiesAreDestroyed) {
    DestroyCursorRecorder cursorCalls;
    HCURSOR shared = HandCursor();
    ReleaseCursorHandle(shared, CursorOrigin::sharedResource);
    EXPECT_EQ(shared, nullptr);
    EXPECT_TRUE(cursorCalls.calls.empty());

    const HCURSOR copy = CopyCursor(HandCursor());
    ASSERT_NE(copy, nullptr);
    HCURSOR held = copy;
    ReleaseCursorHandle(held, CursorOrigin::ownedCopy);
    EXPECT_EQ(held, nullptr);
    EXPECT_EQ(cursorCalls.calls, std::vector<HCURSOR>{copy});
    DestroyCursor(copy);
}

TEST_F(LinkLabelTest, AttachingTwiceKeepsOneFontAndOneTip) {
    const HWND first = AddStatic(L"first", SS_LEFT, {10, 10, 110, 30}, kLabelId);
    const HWND second = AddStatic(L"second", SS_LEFT, {10, 40, 110, 60}, kLabelId + 1);
    const size_t tipsBefore = ToolTipsOfThread().size();
    HFONT secondFont = nullptr;
    {
        CLinkLabel label;
        ASSERT_TRUE(label.SubclassWindow(first));
        const HFONT firstFont = label.m_fontLink.GetSafeHandle();
        ASSERT_EQ(label.UnsubclassWindow(), first);
        ASSERT_TRUE(label.SubclassWindow(second));
        secondFont = label.m_fontLink.GetSafeHandle();
        EXPECT_EQ(GetObjectType(firstFont), 0u) << "the first font is gone";
        EXPECT_EQ(GetObjectType(secondFont), static_cast<DWORD>(OBJ_FONT));
        EXPECT_EQ(ToolTipsOfThread().size(), tipsBefore + 1);
        EXPECT_EQ(ToolTipText(label.m_tipCtrl.m_hWnd, second, 1), L"first")
            << "the target stays the one taken on the first attach";
    }
    EXPECT_EQ(GetObjectType(secondFont), 0u);
    EXPECT_EQ(ToolTipsOfThread().size(), tipsBefore);
}

TEST_F(LinkLabelTest, UnreadableFontLeavesTheSystemFontAndNothingToFree) {
    const HWND control = AddStatic(L"link");
    const HFONT doomed = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH, L"SimSun");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(doomed), FALSE);
    DeleteObject(doomed);  // the control now names a font that no longer exists
    const size_t tipsBefore = ToolTipsOfThread().size();
    {
        CLinkLabel label;
        ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
        EXPECT_EQ(label.m_fontLink.GetSafeHandle(), nullptr);
        EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0), 0);
        EXPECT_NE(label.m_tipCtrl.m_hWnd, nullptr) << "the rest of attaching still ran";
        RECT r = PlaceOf(control);
        EXPECT_GT(r.right - r.left, 0);
    }
    EXPECT_EQ(ToolTipsOfThread().size(), tipsBefore);
}

// --------------------------------------------------------------- tool tip

TEST_F(LinkLabelTest, RelayedMovesShowTheTip) {
    const HWND control = AddStatic(L"link text");
    CLinkLabel label;
    label.SetLinkTarget(L"https://tip.example.org/");
    ASSERT_TRUE(label.SubclassDlgItem(kLabelId, &m_parent));
    const HWND tip = label.m_tipCtrl.m_hWnd;
    SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    RECT rect{};
    GetWindowRect(control, &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    SetCursorPos(centre.x, centre.y);

    MSG move{};
    move.hwnd = control;
    move.message = WM_MOUSEMOVE;
    move.lParam = PointParam(centre.x - rect.left, centre.y - rect.top);
    move.pt = centre;
    move.time = GetTickCount();
    EXPECT_FALSE(label.PreTranslateMessage(&move)) << "the message goes on as usual";

    const DWORD start = GetTickCount();
    while (!IsWindowVisible(tip) && GetTickCount() - start < 3000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(WindowText(tip), L"https://tip.example.org/");
}

}  // namespace
