#pragma once
// Shared helpers for tests that drive real windows of the layer in-process.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework.h"

// The application object of a test program: module = the test executable,
// which carries the test templates. The help viewer is replaced by a recorder.
class TestApp : public CWinApp {
   public:
    struct HelpCall {
        std::wstring file;
        UINT command;
        ULONG_PTR data;
    };

    BOOL CallHelpViewer(HWND owner, LPCWSTR helpFile, UINT command, ULONG_PTR data) override;
    BOOL InitInstance() override { return initInstance ? initInstance() : FALSE; }
    int ExitInstance() override {
        ++exitCount;
        return CWinApp::ExitInstance();
    }

    std::vector<HelpCall> helpCalls;
    bool helpViewerStarts = true;
    std::function<BOOL()> initInstance;
    int exitCount = 0;

    DECLARE_MESSAGE_MAP()
};

// The program's one TestApp, initialised for this module on first use.
// Resets the per-test state (main window, help records, hooks).
TestApp& PrepareTestApp();

// Runs every message already queued for this thread.
void PumpMessages();

// Windows of this thread, top-level ones and all their descendants.
int CountThreadWindows();

// Sets the thread's keyboard state so that GetKeyState sees exactly `keysDown`
// held; the previous state comes back on destruction.
class KeyboardState {
   public:
    explicit KeyboardState(const std::vector<int>& keysDown);
    ~KeyboardState();

   private:
    BYTE m_saved[256];
};

// A dialog that runs `steps` one after another from its own modal loop
// (each step arrives as a queued message) and then cancels itself, unless
// a step ended it first.
class ScriptedDialog : public CDialog {
   public:
    using Step = std::function<void(ScriptedDialog&)>;
    explicit ScriptedDialog(UINT templateId, CWnd* parent = nullptr)
        : CDialog(templateId, parent) {}

    std::vector<Step> steps;
    bool initRan = false;

    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

   protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    size_t m_nextStep = 0;
};

// Watches for message boxes of this thread while a test runs; each one found
// is recorded and answered with `answer`.
class MessageBoxWatcher {
   public:
    struct Seen {
        std::wstring caption;
        std::wstring text;
        HWND owner;
    };
    explicit MessageBoxWatcher(int answer = IDOK);
    ~MessageBoxWatcher();

    std::vector<Seen> seen;

   private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OnWindow(HWND hWnd, LPARAM);
    UINT_PTR m_timer;
    int m_answer;
};

std::wstring WindowText(HWND hWnd);
std::wstring ComboItems(HWND combo);  // items joined with '|'
