// The application object: names from the module path (also for a copy of
// this program under another name), message boxes and the entry routine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app_name.h"
#include "test_support.h"

namespace {

constexpr UINT kListDialog = 300;
const wchar_t kReportVariable[] = L"TARVEX_NAME_REPORT";

std::wstring ModuleFileName() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

class AppTest : public testing::Test {
   protected:
    void SetUp() override { m_app = &PrepareTestApp(); }
    void TearDown() override { m_app->m_pMainWnd = nullptr; }
    TestApp* m_app = nullptr;
};

TEST_F(AppTest, NamesComeFromThisModule) {
    const std::wstring path = ModuleFileName();
    const std::wstring base = path.substr(path.find_last_of(L'\\') + 1);
    EXPECT_EQ(std::wstring(m_app->m_pszAppName) + L".exe", base);
    EXPECT_EQ(std::wstring(m_app->m_pszHelpFilePath), path.substr(0, path.size() - 4) + L".HLP");
    EXPECT_EQ(AfxGetApp(), m_app);
    EXPECT_EQ(AfxGetResourceHandle(), ::GetModuleHandleW(nullptr));
}

// Run only inside the copy started by the next test: writes the names.
TEST(AppNameChild, WritesNames) {
    wchar_t report[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(kReportVariable, report, MAX_PATH) == 0) {
        GTEST_SKIP() << "runs only as the renamed copy";
    }
    TestApp& app = PrepareTestApp();
    const HANDLE file = ::CreateFileW(report, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::wstring text = std::wstring(app.m_pszAppName) + L"\n" + app.m_pszHelpFilePath;
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
                nullptr);
    ::CloseHandle(file);
}

TEST_F(AppTest, ACopyUnderAnotherNameTakesThatName) {
    if (::GetEnvironmentVariableW(kReportVariable, nullptr, 0) != 0) GTEST_SKIP();
    wchar_t tempDir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempDir);
    const std::wstring dir = std::wstring(tempDir) + L"tarvex.name test";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    const std::wstring copy = dir + L"\\塔维斯 副本.v2.exe";
    const std::wstring report = dir + L"\\names.txt";
    ::DeleteFileW(report.c_str());
    ASSERT_TRUE(::CopyFileW(ModuleFileName().c_str(), copy.c_str(), FALSE));

    ::SetEnvironmentVariableW(kReportVariable, report.c_str());
    std::wstring commandLine = L"\"" + copy + L"\" --gtest_filter=AppNameChild.WritesNames";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                          0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableW(kReportVariable, nullptr);
    ASSERT_TRUE(started);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 120000), WAIT_OBJECT_0);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);

    std::wstring names;
    const HANDLE file =
        ::CreateFileW(report.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    wchar_t buffer[2048] = {};
    DWORD read = 0;
    ::ReadFile(file, buffer, sizeof(buffer) - sizeof(wchar_t), &read, nullptr);
    ::CloseHandle(file);
    names.assign(buffer, read / sizeof(wchar_t));
    EXPECT_EQ(names, L"塔维斯 副本.v2\n" + dir + L"\\塔维斯 副本.v2.HLP");
    ::DeleteFileW(copy.c_str());
    ::DeleteFileW(report.c_str());
    ::RemoveDirectoryW(dir.c_str());
}

struct BoxCase {
    const char* name;
    UINT type;
    int answer;
};

class MessageBoxTest : public AppTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, CaptionIsTheAppNameAndTheOwnerTheMainWindowsActivePopup) {
    CWnd mainWindow;
    ASSERT_TRUE(mainWindow.SubclassWindow(
        ::CreateWindowExW(0, L"STATIC", L"main", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                          nullptr, ::GetModuleHandleW(nullptr), nullptr)));
    m_app->m_pMainWnd = &mainWindow;
    ScriptedDialog dialog(kListDialog);
    int result = 0;
    MessageBoxWatcher watcher(GetParam().answer);
    dialog.steps.push_back(
        [&](ScriptedDialog&) { result = AfxMessageBox(L"第一行\n第二行", GetParam().type, 0); });
    HWND dialogWindow = nullptr;
    dialog.steps.insert(dialog.steps.begin(), [&](ScriptedDialog& d) { dialogWindow = d.m_hWnd; });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(result, GetParam().answer);
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].caption, m_app->m_pszAppName);
    EXPECT_EQ(watcher.seen[0].text, L"第一行\n第二行");
    EXPECT_EQ(watcher.seen[0].owner, dialogWindow) << "the dialog running over the main window";
    mainWindow.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTest,
                         testing::Values(BoxCase{"Ok", MB_OK | MB_ICONEXCLAMATION, IDOK},
                                         BoxCase{"OkCancel", MB_OKCANCEL, IDCANCEL}),
                         [](const testing::TestParamInfo<BoxCase>& paramInfo) {
                             return paramInfo.param.name;
                         });

TEST_F(AppTest, EntryRoutineDropsTheMainWindowWhenInitInstanceReturnsFalse) {
    bool ran = false;
    m_app->initInstance = [&]() -> BOOL {
        ScriptedDialog dialog(kListDialog);  // lives in this frame only
        m_app->m_pMainWnd = &dialog;
        dialog.DoModal();
        ran = true;
        return FALSE;
    };
    const int result =
        AfxWinMain(::GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_SHOW);
    EXPECT_TRUE(ran);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(m_app->exitCount, 1);
}

}  // namespace
