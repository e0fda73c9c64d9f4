// Handle-owning wrappers: CFont deletes its font; CToolTipCtrl keeps one
// tool's text and lets go of its window when its owner takes it down.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "test_support.h"
// The common controls header needs the Windows types first.
#include <commctrl.h>

namespace {

LOGFONTW SampleFont(BYTE underline) {
    LOGFONTW logFont{};
    logFont.lfHeight = -16;
    logFont.lfUnderline = underline;
    lstrcpyW(logFont.lfFaceName, L"Tahoma");
    return logFont;
}

TEST(FontTest, OwnsExactlyOneFontAndDeletesIt) {
    HFONT first = nullptr;
    HFONT second = nullptr;
    {
        CFont font;
        EXPECT_EQ(font.GetSafeHandle(), nullptr);
        EXPECT_FALSE(font.DeleteObject());
        LOGFONTW underlined = SampleFont(TRUE);
        ASSERT_TRUE(font.CreateFontIndirect(&underlined));
        first = font;
        LOGFONTW readBack{};
        ASSERT_EQ(font.GetLogFont(&readBack), static_cast<int>(sizeof(LOGFONTW)));
        EXPECT_EQ(readBack.lfUnderline, TRUE);
        // Creating again replaces (and deletes) the held font.
        LOGFONTW plain = SampleFont(FALSE);
        ASSERT_TRUE(font.CreateFontIndirect(&plain));
        second = font;
        EXPECT_EQ(::GetObjectType(first), 0u);
        EXPECT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(::GetObjectType(second), 0u) << "the destructor deleted the font";
}

class ToolTipTest : public testing::Test {
   protected:
    void SetUp() override {
        PrepareTestApp();
        ASSERT_TRUE(m_owner.SubclassWindow(
            ::CreateWindowExW(0, L"STATIC", L"label", WS_POPUP | SS_NOTIFY, 0, 0, 120, 20, nullptr,
                              nullptr, ::GetModuleHandleW(nullptr), nullptr)));
    }
    void TearDown() override { m_owner.DestroyWindow(); }
    CWnd m_owner;
};

// The test program carries the program's manifest, so the tips below are
// those of the side-by-side common controls 6 (visual styles), which the
// loader takes from the assembly store rather than the system folder.
TEST(CommonControls, VersionSixComesFromTheManifest) {
    PrepareTestApp();
    const HMODULE controls = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr) << "loaded at start-up";
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(controls, path, MAX_PATH), 0u);
    std::wstring lower = path;
    for (wchar_t& c : lower) c = static_cast<wchar_t>(::towlower(c));
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << lower;
    EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << lower;
}

TEST_F(ToolTipTest, OneToolWhoseTextCanBeUpdated) {
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_owner, 0));
    EXPECT_FALSE(tip.Create(&m_owner, 0)) << "one window per object";
    RECT area{0, 0, 120, 20};
    ASSERT_TRUE(tip.AddTool(&m_owner, L"mailto:someone@example.com", &area, 1));
    EXPECT_EQ(::SendMessageW(tip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(tip.GetText(&m_owner, 1), L"mailto:someone@example.com");
    tip.UpdateTipText(L"https://example.com/主页", &m_owner, 1);
    EXPECT_EQ(tip.GetText(&m_owner, 1), L"https://example.com/主页");
    EXPECT_EQ(tip.GetText(&m_owner, 2), L"") << "no such tool";
    MSG move{m_owner.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {5, 5}};
    tip.RelayEvent(&move);  // must be accepted without effect on the tool
    EXPECT_EQ(::SendMessageW(tip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(ToolTipTest, DestroyedWithItsOwnerTheTipLetsGo) {
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_owner, 0));
    const HWND tipWindow = tip.m_hWnd;
    EXPECT_EQ(::GetWindow(tipWindow, GW_OWNER), m_owner.m_hWnd);
    m_owner.DestroyWindow();
    EXPECT_FALSE(::IsWindow(tipWindow));
    EXPECT_EQ(tip.m_hWnd, nullptr) << "no stale handle for the destructor";
    tip.RelayEvent(nullptr);  // no window: nothing happens
    tip.UpdateTipText(L"x", &m_owner, 1);
}

}  // namespace
