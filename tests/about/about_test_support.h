#pragma once
// The about box and the about icon run in this process: an application object
// that records help requests, a plain main window, and a driver that plays
// steps inside a modal run.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework.h"
#include "test_app.h"
#include "timed_script.h"

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

using AboutStep = TimedStep;

// Runs `runModal` while the steps play, one per timer tick, on the open
// about box; the last step should close it. A box still open long after the
// last step ends with kScriptTimedOut and a test failure.
int RunWithAboutSteps(const std::function<int()>& runModal, std::vector<AboutStep> steps);

// Keys as the keyboard would send them to the focused control.
void PostKeyDown(HWND target, UINT virtualKey, bool alt = false);
