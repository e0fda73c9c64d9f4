#pragma once
// The about box and the about icon run in this process: an application object
// that records help requests, a plain main window, and a driver that plays
// steps inside a modal run.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "calculator_app.h"
#include "framework.h"

struct HelpRequest {
    std::wstring file;
    UINT command;
    ULONG_PTR data;
};

// The program's own application object (its command table routes F1), with
// help requests recorded instead of starting the help viewer.
class TestApp : public CCalculatorApp {
   public:
    BOOL CallHelpViewer(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data) override;
    std::vector<HelpRequest> m_helpRequests;
};

TestApp& TheTestApp();

// A visible top-level window that stands in for the main dialog: the owner of
// the about box and of message boxes while it is the main window.
class MainWindowFixture {
   public:
    MainWindowFixture();
    ~MainWindowFixture();
    HWND Handle() const { return m_wnd.m_hWnd; }
    CWnd& Wnd() { return m_wnd; }

   private:
    CWnd m_wnd;
};

using AboutStep = std::function<void(HWND about)>;

inline constexpr int kAboutTimedOut = -1000;

// Runs `runModal` while the steps play, one per timer tick, on the open
// about box; the last step should close it. A box still open long after the
// last step ends with kAboutTimedOut and a test failure.
int RunWithAboutSteps(const std::function<int()>& runModal, std::vector<AboutStep> steps);

// Keys as the keyboard would send them to the focused control.
void PostKeyDown(HWND target, UINT virtualKey, bool alt = false);
