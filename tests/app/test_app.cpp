#include "test_app.h"

#include "app_environment.h"

namespace {

TestApp g_app;

[[maybe_unused]] ::testing::Environment* const g_environment = AddAppEnvironment();

}  // namespace

BOOL TestApp::CallHelpViewer(HWND, LPCWSTR helpFile, UINT command, ULONG_PTR data) {
    m_helpRequests.push_back({helpFile ? helpFile : L"", command, data});
    return TRUE;
}

TestApp& TheTestApp() {
    return g_app;
}
