#pragma once
// Test helpers for the hyperlink label and the about box: a scripted shell
// and registry, a watcher that reads and answers message boxes, and counts
// of what a thread has open.
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link_platform.h"

struct OpenRequest {
    HWND owner;
    std::wstring file;
};

// Answers the label's requests from a script and records them.
class ScriptedLinkPlatform : public LinkPlatform {
   public:
    intptr_t OpenTarget(HWND owner, const std::wstring& file) override;
    std::optional<std::wstring> ReadClassesRootDefault(const std::wstring& subKey) override;
    void Beep(UINT type) override { beeps.push_back(type); }

    // Results of successive open requests; when they run out, 2 (file not found).
    std::vector<intptr_t> openResults;
    // Keys that can be read; a key not listed cannot be opened.
    std::map<std::wstring, std::optional<std::wstring>> classesRoot;
    // When set, registry reads go to the real registry instead.
    bool useRealRegistry = false;

    std::vector<OpenRequest> opens;
    std::vector<std::wstring> reads;
    std::vector<UINT> beeps;

   private:
    size_t m_nextResult = 0;
};

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
    HWND owner;
    int buttons;
    bool exclamationIcon;
};

// While it lives, every message box of this thread whose caption is
// `caption` is read and answered with OK as soon as it is activated.
class MessageBoxWatcher {
   public:
    explicit MessageBoxWatcher(std::wstring caption);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> seen;

   private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    std::wstring m_caption;
    HHOOK m_hook;
};

// Every call of the cursor-destroying function, while it lives.
class DestroyCursorRecorder {
   public:
    DestroyCursorRecorder();
    ~DestroyCursorRecorder();
    DestroyCursorRecorder(const DestroyCursorRecorder&) = delete;
    DestroyCursorRecorder& operator=(const DestroyCursorRecorder&) = delete;

    std::vector<HCURSOR> calls;
};

// Top-level windows of this thread (owned pop-ups such as tool tips included),
// and all their descendants.
int CountThreadWindows();

// The text of tool (`toolWindow`, `toolId`) as the tip reports it.
std::wstring ToolTipText(HWND tip, HWND toolWindow, UINT_PTR toolId);

// The tool tip windows owned, directly or through a parent, by `window`'s top level.
std::vector<HWND> ToolTipsOfThread();

std::wstring WindowText(HWND window);
