// The application object's start and end, and the help request.
#include <gtest/gtest.h>

#include <string>

#include "dialog_script.h"
#include "resource.h"
#include "test_app.h"

namespace {

std::wstring ModulePathWithExtension(const wchar_t* extension) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text = path;
    return text.substr(0, text.rfind(L'.')) + extension;
}

// Runs InitInstance with the steps; returns its result.
BOOL RunInitInstance(std::vector<Step> steps) {
    BOOL result = TRUE;
    RunWithScript(
        [&result] {
            result = TheTestApp().InitInstance();
            return 0;
        },
        std::move(steps));
    return result;
}

TEST(AppStart, RunsTheMainDialogAsMainWindowAndReturnsFalse) {
    TestApp& app = TheTestApp();
    ASSERT_EQ(app.m_pMainWnd, nullptr);
    HWND shown = nullptr;
    const BOOL result = RunInitInstance({[&shown](HWND dlg) {
        shown = dlg;
        ASSERT_NE(AfxGetMainWnd(), nullptr);
        EXPECT_EQ(AfxGetMainWnd()->GetSafeHwnd(), dlg);
        EXPECT_EQ(GetDlgItem(dlg, IDC_SIZE1) != nullptr, true) << "the main dialog's template";
        PostKey(GetFocus(), VK_ESCAPE);
    }});
    EXPECT_EQ(result, FALSE);
    EXPECT_NE(shown, nullptr);
    EXPECT_FALSE(IsWindow(shown)) << "no window of the program remains";
    EXPECT_EQ(app.m_pMainWnd, nullptr) << "the dialog object is gone; nothing may point to it";
}

TEST(AppStart, NameComesFromTheExecutable) {
    const std::wstring path = ModulePathWithExtension(L"");
    const std::wstring base = path.substr(path.find_last_of(L"\\/:") + 1);
    EXPECT_EQ(std::wstring(TheTestApp().m_pszAppName), base);
}

TEST(AppStart, F1AsksForTheMainDialogTopicInTheHelpFileOfTheExecutable) {
    TestApp& app = TheTestApp();
    app.m_helpRequests.clear();
    RunInitInstance({
        [](HWND) { PostKey(GetFocus(), VK_F1); },
        [&app](HWND) {
            ASSERT_EQ(app.m_helpRequests.size(), 1u);
            EXPECT_EQ(app.m_helpRequests[0].command, static_cast<UINT>(HELP_CONTEXT));
            EXPECT_EQ(app.m_helpRequests[0].data, 0x20066u);
            EXPECT_EQ(app.m_helpRequests[0].file, ModulePathWithExtension(L".HLP"));
        },
        // With Ctrl held, F1 asks for nothing.
        [](HWND) {
            BYTE keys[256] = {};
            GetKeyboardState(keys);
            keys[VK_CONTROL] = 0x80;
            SetKeyboardState(keys);
            PostKey(GetFocus(), VK_F1);
        },
        [&app](HWND) {
            BYTE keys[256] = {};
            GetKeyboardState(keys);
            keys[VK_CONTROL] = 0;
            SetKeyboardState(keys);
            EXPECT_EQ(app.m_helpRequests.size(), 1u);
            PostKey(GetFocus(), VK_ESCAPE);
        },
    });
}

}  // namespace
