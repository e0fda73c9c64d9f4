#include "test_app.h"

#include <gtest/gtest.h>

namespace {

TestApp g_app;

// The platform's start-up, as the entry routine would do it, before any test.
class AppEnvironment : public ::testing::Environment {
   public:
    void SetUp() override {
        ASSERT_TRUE(
            AfxWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), SW_SHOWNORMAL));
    }
    void TearDown() override { AfxWinTerm(); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new AppEnvironment);

}  // namespace

BOOL TestApp::CallHelpViewer(HWND, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
    m_helpRequests.push_back({helpFile ? helpFile : L"", command, data});
    return TRUE;
}

TestApp& TheTestApp() {
    return g_app;
}
