// The about box run modally in this process, over a stand-in main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "about_dlg.h"
#include "about_test_support.h"
#include "author.h"
#include "link_label.h"
#include "link_test_support.h"
#include "resource.h"

namespace {

const std::wstring kMail = L"" TARVEX_AUTHOR_MAIL;
const std::wstring kHomeTitle = L"" TARVEX_HOME_TITLE;
const std::wstring kHomeUrl = L"" TARVEX_HOME_URL;
constexpr COLORREF kNormalColor = 0x00EE0000;
constexpr COLORREF kOpenedColor = 0x008B1A55;

CLinkLabel* LinkOf(HWND about, int id) {
    return dynamic_cast<CLinkLabel*>(CWnd::FromHandlePermanent(GetDlgItem(about, id)));
}

COLORREF LinkColour(HWND about, int id) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(GetDlgItem(about, id)));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

void PressEsc(HWND about) {
    PostKeyDown(GetFocus() ? GetFocus() : about, VK_ESCAPE);
}

int RunAbout(std::vector<AboutStep> steps) {
    CAboutDlg dlg;
    return RunWithAboutSteps([&dlg] { return dlg.DoModal(); }, std::move(steps));
}

class AboutDialog : public ::testing::Test {
   protected:
    MainWindowFixture m_main;
};

// ---------------------------------------------------------------- template

// The classic template as stored in the executable.
struct TemplateItem {
    DWORD style;
    short x, y, cx, cy;
    WORD id;
    std::wstring windowClass;  // "#0x80" style for an atom
    std::wstring text;         // "#n" for a resource ordinal
};

const BYTE* ReadSzOrOrd(const BYTE* p, std::wstring& out) {
    const auto* w = reinterpret_cast<const WORD*>(p);
    if (w[0] == 0xFFFF) {
        out = L"#" + std::to_wstring(w[1]);
        return p + 4;
    }
    out.clear();
    while (*w != 0) out += static_cast<wchar_t>(*w++);
    return reinterpret_cast<const BYTE*>(w + 1);
}

TEST(AboutTemplate, IsTheClassicTemplateWithTenControlsInOrder) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_ABOUTBOX), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    const auto* header = reinterpret_cast<const DLGTEMPLATE*>(data);
    ASSERT_NE(reinterpret_cast<const WORD*>(data)[1], 0xFFFF) << "not an extended template";
    EXPECT_EQ(header->style, 0x80C800C0u);
    EXPECT_EQ(header->dwExtendedStyle, 0u);
    EXPECT_EQ(header->x, 0);
    EXPECT_EQ(header->y, 0);
    EXPECT_EQ(header->cx, 233);
    EXPECT_EQ(header->cy, 79);
    ASSERT_EQ(header->cdit, 10);

    const BYTE* p = data + 18;
    std::wstring menu, windowClass, caption, face;
    p = ReadSzOrOrd(p, menu);
    p = ReadSzOrOrd(p, windowClass);
    p = ReadSzOrOrd(p, caption);
    EXPECT_EQ(menu, L"");
    EXPECT_EQ(windowClass, L"");
    EXPECT_EQ(caption, L"关于塔维斯");
    EXPECT_EQ(*reinterpret_cast<const WORD*>(p), 12);
    p = ReadSzOrOrd(p + 2, face);
    EXPECT_EQ(face, L"宋体");

    std::vector<TemplateItem> items;
    for (int i = 0; i < header->cdit; ++i) {
        p = data + ((p - data + 3) & ~3);
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(p);
        TemplateItem parsed{item->style, item->x, item->y, item->cx, item->cy, item->id, L"", L""};
        EXPECT_EQ(item->dwExtendedStyle, 0u) << i;
        p = ReadSzOrOrd(p + 18, parsed.windowClass);
        p = ReadSzOrOrd(p, parsed.text);
        p += 2 + *reinterpret_cast<const WORD*>(p);
        // windres spells the predefined classes out; either form is the same class
        if (parsed.windowClass == L"#128") parsed.windowClass = L"BUTTON";
        if (parsed.windowClass == L"#130") parsed.windowClass = L"STATIC";
        items.push_back(parsed);
    }

    const DWORD child = WS_CHILD | WS_VISIBLE;
    const std::vector<TemplateItem> expected = {
        {child | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 194, 28, 32, 14, IDOK, L"BUTTON",
         L"确定"},
        {child | SS_CENTER | WS_GROUP, 7, 7, 219, 8, IDC_VERSION, L"STATIC",
         L"Tarvex Version 1.03"},
        {child | SS_RIGHT | WS_GROUP, 37, 21, 29, 8, 0xFFFF, L"STATIC", L"作者:"},
        {child | SS_LEFT | WS_GROUP, 71, 30, 109, 8, IDC_MAIL_LINK, L"STATIC", kMail},
        {child | SS_LEFT | WS_GROUP, 71, 21, 17, 8, IDC_AUTHOR, L"STATIC", L"" TARVEX_AUTHOR_NAME},
        {child | SS_RIGHT | WS_GROUP, 37, 30, 29, 8, 0xFFFF, L"STATIC", L"电邮:"},
        {child | SS_RIGHT | WS_GROUP, 37, 40, 29, 8, 0xFFFF, L"STATIC", L"主页:"},
        {child | SS_LEFT | WS_GROUP, 71, 40, 115, 8, IDC_HOME_LINK, L"STATIC", kHomeTitle},
        {child | SS_ICON, 7, 51, 20, 20, 0xFFFF, L"STATIC", L"#" + std::to_wstring(IDI_MAIN_ICON)},
        {child | SS_LEFT | WS_GROUP, 39, 53, 176, 19, 0xFFFF, L"STATIC", L"" TARVEX_TERMS},
    };
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].style, expected[i].style) << "control " << i;
        EXPECT_EQ(items[i].x, expected[i].x) << "control " << i;
        EXPECT_EQ(items[i].y, expected[i].y) << "control " << i;
        EXPECT_EQ(items[i].cx, expected[i].cx) << "control " << i;
        EXPECT_EQ(items[i].cy, expected[i].cy) << "control " << i;
        EXPECT_EQ(items[i].id, expected[i].id) << "control " << i;
        EXPECT_EQ(_wcsicmp(items[i].windowClass.c_str(), expected[i].windowClass.c_str()), 0)
            << "control " << i;
        EXPECT_EQ(items[i].text, expected[i].text) << "control " << i;
    }
}

TEST(AboutTexts, MailTargetIsTheShownAddress) {
    EXPECT_EQ(std::wstring(kAboutMailTarget), L"mailto:" + kMail);
    EXPECT_EQ(std::wstring(kAboutHomeTarget), kHomeUrl);
    EXPECT_EQ(std::wstring(L"" TARVEX_AUTHOR_NAME).size(), 2u) << "two Chinese characters";
}

// ------------------------------------------------------------------ opening

TEST_F(AboutDialog, OpensCentredOverItsDisabledOwnerWithFocusOnOk) {
    const HWND main = m_main.Handle();
    const int result =
        RunAbout({[main](HWND about) {
                      EXPECT_EQ(WindowText(about), L"关于塔维斯");
                      EXPECT_EQ(WindowText(GetDlgItem(about, IDC_VERSION)), L"Tarvex Version 1.03");
                      EXPECT_EQ(GetFocus(), GetDlgItem(about, IDOK));
                      EXPECT_EQ(WindowText(GetDlgItem(about, IDOK)), L"确定");
                      EXPECT_EQ(GetWindow(about, GW_OWNER), main);
                      EXPECT_FALSE(IsWindowEnabled(main));
                      RECT box{}, owner{};
                      GetWindowRect(about, &box);
                      GetWindowRect(main, &owner);
                      EXPECT_LE(std::abs((box.left + box.right) - (owner.left + owner.right)), 2);
                      EXPECT_LE(std::abs((box.top + box.bottom) - (owner.top + owner.bottom)), 2);
                  },
                  [](HWND) { PostKeyDown(GetFocus(), VK_TAB); },
                  [](HWND about) {
                      EXPECT_EQ(GetFocus(), GetDlgItem(about, IDOK));
                      PostKeyDown(GetFocus(), VK_TAB);
                  },
                  [](HWND about) {
                      EXPECT_EQ(GetFocus(), GetDlgItem(about, IDOK));
                      PressEsc(about);
                  }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(AboutDialog, OnlyTheOkButtonIsATabStop) {
    RunAbout({[](HWND about) {
        std::vector<HWND> stops;
        for (HWND c = GetWindow(about, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            if (GetWindowLongPtrW(c, GWL_STYLE) & WS_TABSTOP) stops.push_back(c);
        }
        EXPECT_EQ(stops, std::vector<HWND>{GetDlgItem(about, IDOK)});
        PressEsc(about);
    }});
}

TEST_F(AboutDialog, LinksKeepTheirTextsAndTipTheirTargets) {
    RunAbout({[](HWND about) {
        const HWND mail = GetDlgItem(about, IDC_MAIL_LINK);
        const HWND home = GetDlgItem(about, IDC_HOME_LINK);
        EXPECT_EQ(WindowText(mail), kMail);
        EXPECT_EQ(WindowText(home), kHomeTitle);
        CLinkLabel* mailLink = LinkOf(about, IDC_MAIL_LINK);
        CLinkLabel* homeLink = LinkOf(about, IDC_HOME_LINK);
        ASSERT_NE(mailLink, nullptr);
        ASSERT_NE(homeLink, nullptr);
        EXPECT_EQ(std::wstring(mailLink->m_strTarget), L"mailto:" + kMail);
        EXPECT_EQ(std::wstring(homeLink->m_strTarget), kHomeUrl);
        EXPECT_EQ(ToolTipText(mailLink->m_tipCtrl.m_hWnd, mail, 1), L"mailto:" + kMail);
        EXPECT_EQ(ToolTipText(homeLink->m_tipCtrl.m_hWnd, home, 1), kHomeUrl);
        // Fitted to the shown text, top-left corner kept from the template.
        RECT templateRect{71, 30, 71 + 109, 30 + 8};
        MapDialogRect(about, &templateRect);
        RECT placed{};
        GetWindowRect(mail, &placed);
        MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, templateRect.left);
        EXPECT_EQ(placed.top, templateRect.top);
        const HDC dc = GetDC(mail);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(mail, WM_GETFONT, 0, 0)));
        SIZE text{};
        GetTextExtentPoint32W(dc, kMail.c_str(), static_cast<int>(kMail.size()), &text);
        SelectObject(dc, old);
        ReleaseDC(mail, dc);
        EXPECT_EQ(placed.right - placed.left, text.cx);
        EXPECT_EQ(placed.bottom - placed.top, text.cy);
        PressEsc(about);
    }});
}

struct CloseCase {
    const char* name;
    std::function<void(HWND)> close;
    int expected;
};

class AboutClosing : public AboutDialog, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutClosing, EndsTheRunAndGivesTheOwnerBack) {
    const CloseCase& c = GetParam();
    EXPECT_EQ(RunAbout({c.close}), c.expected);
    EXPECT_TRUE(IsWindowEnabled(m_main.Handle()));
    EXPECT_EQ(GetActiveWindow(), m_main.Handle());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(
        CloseCase{"enter", [](HWND) { PostKeyDown(GetFocus(), VK_RETURN); }, IDOK},
        CloseCase{"ok_button",
                  [](HWND about) { PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0); }, IDOK},
        CloseCase{"esc", [](HWND) { PostKeyDown(GetFocus(), VK_ESCAPE); }, IDCANCEL},
        CloseCase{"close_button",
                  [](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        CloseCase{"alt_f4", [](HWND) { PostKeyDown(GetFocus(), VK_F4, true); }, IDCANCEL}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

TEST_F(AboutDialog, F1AsksForTheAboutTopic) {
    TheTestApp().m_helpRequests.clear();
    RunAbout({[](HWND) { PostKeyDown(GetFocus(), VK_F1); }, PressEsc});
    ASSERT_EQ(TheTestApp().m_helpRequests.size(), 1u);
    EXPECT_EQ(TheTestApp().m_helpRequests[0].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(TheTestApp().m_helpRequests[0].data, 0x20087u);
    const std::wstring& file = TheTestApp().m_helpRequests[0].file;
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), L".HLP");
}

TEST_F(AboutDialog, OpenedColourLastsOneRunOnly) {
    ScriptedLinkPlatform platform;
    platform.openResults = {33};
    ScopedLinkPlatform scoped(platform);
    RunAbout({[](HWND about) {
                  EXPECT_EQ(LinkColour(about, IDC_MAIL_LINK), kNormalColor);
                  const HWND mail = GetDlgItem(about, IDC_MAIL_LINK);
                  SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_MAIL_LINK, STN_CLICKED),
                               reinterpret_cast<LPARAM>(mail));
                  EXPECT_EQ(LinkColour(about, IDC_MAIL_LINK), kOpenedColor);
                  EXPECT_EQ(LinkColour(about, IDC_HOME_LINK), kNormalColor);
              },
              PressEsc});
    ASSERT_EQ(platform.opens.size(), 1u);
    EXPECT_EQ(platform.opens[0].file, L"mailto:" + kMail);

    RunAbout({[](HWND about) {
                  EXPECT_EQ(LinkColour(about, IDC_MAIL_LINK), kNormalColor);
                  EXPECT_EQ(LinkColour(about, IDC_HOME_LINK), kNormalColor);
              },
              PressEsc});
}

TEST_F(AboutDialog, FailedOpenIsReportedOverTheAboutBox) {
    ScriptedLinkPlatform platform;
    platform.openResults = {31};  // and no ".htm" association
    ScopedLinkPlatform scoped(platform);
    MessageBoxWatcher boxes(L"about_tests");
    HWND aboutBox = nullptr;
    RunAbout({[&aboutBox](HWND about) {
                  aboutBox = about;
                  const HWND home = GetDlgItem(about, IDC_HOME_LINK);
                  SendMessageW(about, WM_COMMAND, MAKEWPARAM(IDC_HOME_LINK, STN_CLICKED),
                               reinterpret_cast<LPARAM>(home));
              },
              PressEsc});
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].owner, aboutBox);
    EXPECT_EQ(boxes.seen[0].text,
              L"Unable to open hyperlink:\n\nThere is no application associated\nwith the given "
              L"filename extension.");
    ASSERT_EQ(platform.opens.size(), 1u);
    EXPECT_EQ(platform.opens[0].file, kHomeUrl);
}

// --------------------------------------------------------------- leaks

TEST_F(AboutDialog, HundredRunsLeaveNoWindowFontOrCursorBehind) {
    DestroyCursorRecorder cursorCalls;
    const int windowsBefore = CountThreadWindows();
    const size_t tipsBefore = ToolTipsOfThread().size();
    for (int run = 0; run < 100; ++run) {
        std::vector<HFONT> fonts;
        const int result = RunAbout({[&fonts, run, tipsBefore](HWND about) {
            for (int id : {IDC_MAIL_LINK, IDC_HOME_LINK}) {
                fonts.push_back(
                    reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(about, id), WM_GETFONT, 0, 0)));
            }
            EXPECT_EQ(ToolTipsOfThread().size(), tipsBefore + 2);
            PostKeyDown(GetFocus(), run % 2 ? VK_RETURN : VK_ESCAPE);
        }});
        ASSERT_EQ(result, run % 2 ? IDOK : IDCANCEL) << "run " << run;
        ASSERT_EQ(fonts.size(), 2u);
        EXPECT_NE(fonts[0], fonts[1]) << "each link owns its font";
        for (HFONT font : fonts) {
            ASSERT_NE(font, nullptr);
            EXPECT_EQ(GetObjectType(font), 0u) << "run " << run << ": a link font outlived the box";
        }
        ASSERT_EQ(CountThreadWindows(), windowsBefore) << "run " << run;
    }
    EXPECT_EQ(ToolTipsOfThread().size(), tipsBefore);
    EXPECT_TRUE(cursorCalls.calls.empty());
}

}  // namespace
