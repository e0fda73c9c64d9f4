// Dispatch through message maps: typed arguments, chaining to the base
// class's map, and Default() handing the current message on unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

// What the window's original procedure saw.
struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> g_original;

constexpr UINT kProbeMessage = WM_APP + 7;
constexpr UINT kUnmapped = WM_APP + 3;

LRESULT OriginalResult(UINT message) {
    return 0x5000 + static_cast<LRESULT>(message);
}

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_SETCURSOR ||
        message == WM_MOUSEMOVE || message == kProbeMessage || message == kUnmapped) {
        g_original.push_back({message, wParam, lParam});
        return OriginalResult(message);
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateRecordingWindow() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &RecordingProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TarvexRecordingWindow";
        return ::RegisterClassW(&wc);
    }();
    (void)atom;
    return ::CreateWindowExW(0, L"TarvexRecordingWindow", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

class BaseProbe : public CWnd {
   public:
    std::vector<std::string> log;

   protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        log.push_back("base-keydown " + std::to_string(nChar) + " " + std::to_string(nRepCnt) +
                      " " + std::to_string(nFlags));
    }
    void OnChar(UINT nChar, UINT, UINT) { log.push_back("base-char " + std::to_string(nChar)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseProbe, CWnd)
ON_WM_KEYDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()

class DerivedProbe : public BaseProbe {
   public:
    HCURSOR dragIcon = nullptr;

   protected:
    void OnChar(UINT nChar, UINT, UINT) { log.push_back("derived-char " + std::to_string(nChar)); }
    void OnMouseMove(UINT nFlags, CPoint point) {
        log.push_back("move " + std::to_string(nFlags) + " " + std::to_string(point.x) + " " +
                      std::to_string(point.y));
    }
    BOOL OnSetCursor(CWnd* wnd, UINT nHitTest, UINT message) {
        log.push_back(std::string("setcursor ") + (wnd == this ? "self" : "other") + " " +
                      std::to_string(nHitTest) + " " + std::to_string(message));
        return TRUE;
    }
    HCURSOR OnQueryDragIcon() {
        log.push_back("dragicon");
        return dragIcon;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedProbe, BaseProbe)
ON_WM_CHAR()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

class MessageMapTest : public testing::Test {
   protected:
    void SetUp() override {
        PrepareTestApp();
        g_original.clear();
        m_hWnd = CreateRecordingWindow();
        ASSERT_NE(m_hWnd, nullptr);
    }
    void TearDown() override {
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    }
    HWND m_hWnd = nullptr;
};

struct DispatchCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expectedLog;  // null: no handler, the original procedure gets it
};

class DispatchTest : public MessageMapTest, public testing::WithParamInterface<DispatchCase> {};

TEST_P(DispatchTest, DerivedMapFirstThenBaseThenOriginal) {
    const DispatchCase& c = GetParam();
    DerivedProbe probe;
    probe.dragIcon = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    const WPARAM wParam = c.message == WM_SETCURSOR ? reinterpret_cast<WPARAM>(m_hWnd) : c.wParam;
    const LRESULT result = ::SendMessageW(m_hWnd, c.message, wParam, c.lParam);
    if (c.expectedLog == nullptr) {
        EXPECT_TRUE(probe.log.empty());
        ASSERT_EQ(g_original.size(), 1u);
        EXPECT_EQ(g_original[0].message, c.message);
        EXPECT_EQ(g_original[0].wParam, wParam);
        EXPECT_EQ(g_original[0].lParam, c.lParam);
        EXPECT_EQ(result, OriginalResult(c.message));
        return;
    }
    ASSERT_EQ(probe.log.size(), 1u);
    EXPECT_EQ(probe.log[0], c.expectedLog);
    EXPECT_TRUE(g_original.empty()) << "a handler that does not call Default swallows";
    if (c.message == WM_SETCURSOR) {
        EXPECT_EQ(result, TRUE);
    }
    if (c.message == WM_QUERYDRAGICON) {
        EXPECT_EQ(result, reinterpret_cast<LRESULT>(probe.dragIcon));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DispatchTest,
    testing::Values(DispatchCase{"KeyDownFromBaseMap", WM_KEYDOWN, 0x41, MAKELPARAM(3, 0x1E),
                                 "base-keydown 65 3 30"},
                    DispatchCase{"CharOverriddenInDerivedMap", WM_CHAR, L'x', MAKELPARAM(1, 0x2D),
                                 "derived-char 120"},
                    DispatchCase{"MouseMoveSignedPoint", WM_MOUSEMOVE, MK_LBUTTON,
                                 MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-7)),
                                 "move 1 -5 -7"},
                    DispatchCase{"SetCursorDecoded", WM_SETCURSOR, 0,
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), "setcursor self 1 512"},
                    DispatchCase{"QueryDragIcon", WM_QUERYDRAGICON, 0, 0, "dragicon"},
                    DispatchCase{"UnmappedGoesToOriginal", kUnmapped, 0x1234, 0x5678, nullptr}),
    [](const testing::TestParamInfo<DispatchCase>& paramInfo) { return paramInfo.param.name; });

TEST_F(MessageMapTest, BaseObjectUsesItsOwnMapOnly) {
    BaseProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    ::SendMessageW(m_hWnd, WM_CHAR, L'q', 1);
    ::SendMessageW(m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    ASSERT_EQ(probe.log.size(), 1u);
    EXPECT_EQ(probe.log[0], "base-char 113");
    ASSERT_EQ(g_original.size(), 1u);
    EXPECT_EQ(g_original[0].message, static_cast<UINT>(WM_MOUSEMOVE));
}

// Handlers that pass their message on, with a nested message in between.
class PassThrough : public CWnd {
   public:
    std::vector<LRESULT> defaults;

   protected:
    void OnKeyDown(UINT, UINT, UINT) {
        SendMessage(kProbeMessage, 11, 22);  // nested: must not disturb the current message
        defaults.push_back(Default());
    }
    void OnChar(UINT, UINT, UINT) { defaults.push_back(Default()); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default() != 0); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PassThrough, CWnd)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

TEST_F(MessageMapTest, DefaultHandsTheCurrentMessageOnUnchanged) {
    PassThrough probe;
    ASSERT_TRUE(probe.SubclassWindow(m_hWnd));
    ::SendMessageW(m_hWnd, WM_KEYDOWN, VK_DELETE, 0x01530001);
    ::SendMessageW(m_hWnd, WM_CHAR, 0x4E2D, 0x00000007);
    ASSERT_EQ(g_original.size(), 3u);
    EXPECT_EQ(g_original[0].message, kProbeMessage);
    EXPECT_EQ(g_original[0].wParam, 11u);
    EXPECT_EQ(g_original[0].lParam, 22);
    EXPECT_EQ(g_original[1].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(g_original[1].wParam, static_cast<WPARAM>(VK_DELETE));
    EXPECT_EQ(g_original[1].lParam, 0x01530001);
    EXPECT_EQ(g_original[2].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(g_original[2].wParam, 0x4E2Du);
    EXPECT_EQ(g_original[2].lParam, 7);
    // Default returns the original procedure's result.
    EXPECT_EQ(probe.defaults,
              (std::vector<LRESULT>{OriginalResult(WM_KEYDOWN), OriginalResult(WM_CHAR)}));
}

TEST_F(MessageMapTest, SubclassingRulesAndDetachOnDestroy) {
    CWnd first;
    CWnd second;
    EXPECT_FALSE(first.SubclassWindow(nullptr));
    ASSERT_TRUE(first.SubclassWindow(m_hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), &first);
    EXPECT_FALSE(second.SubclassWindow(m_hWnd)) << "a window has one object";
    const HWND other = CreateRecordingWindow();
    EXPECT_FALSE(first.SubclassWindow(other)) << "an object has one window";
    ::DestroyWindow(other);

    // Unsubclassing gives the original procedure back.
    EXPECT_EQ(first.UnsubclassWindow(), m_hWnd);
    EXPECT_EQ(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&RecordingProc));
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), nullptr);

    ASSERT_TRUE(second.SubclassWindow(m_hWnd));
    ::DestroyWindow(m_hWnd);
    EXPECT_EQ(second.m_hWnd, nullptr) << "WM_NCDESTROY lets go of the window";
    EXPECT_EQ(CWnd::FromHandlePermanent(m_hWnd), nullptr);
}

TEST_F(MessageMapTest, DestroyingTheObjectDestroysItsWindow) {
    const int before = CountThreadWindows();
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(CreateRecordingWindow()));
        EXPECT_EQ(CountThreadWindows(), before + 1);
    }
    EXPECT_EQ(CountThreadWindows(), before);
}

}  // namespace
