#pragma once
// The test program's application object: the real one, except that help
// requests are recorded instead of starting the system's help viewer
// (which, with no help file, blocks in a message box of its own).
#include <windows.h>

#include <string>
#include <vector>

#include "calculator_app.h"

struct HelpRequest {
    std::wstring file;
    UINT command;
    ULONG_PTR data;
};

class TestApp : public CCalculatorApp {
   public:
    BOOL CallHelpViewer(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data) override;

    std::vector<HelpRequest> m_helpRequests;
};

TestApp& TheTestApp();
