#include "link_test_support.h"

#include <commctrl.h>

#include "cursor_release.h"

intptr_t ScriptedLinkPlatform::OpenTarget(HWND owner, const std::wstring& file) {
    opens.push_back({owner, file});
    return m_nextResult < openResults.size() ? openResults[m_nextResult++] : 2;
}

std::optional<std::wstring> ScriptedLinkPlatform::ReadClassesRootDefault(
    const std::wstring& subKey) {
    reads.push_back(subKey);
    if (useRealRegistry) return SystemLinkPlatform().ReadClassesRootDefault(subKey);
    const auto found = classesRoot.find(subKey);
    if (found == classesRoot.end()) return std::nullopt;
    return found->second;
}

namespace {

MessageBoxWatcher* g_watcher = nullptr;
DestroyCursorRecorder* g_cursorRecorder = nullptr;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

MessageBoxWatcher::MessageBoxWatcher(std::wstring caption)
    : m_caption(std::move(caption)),
      m_hook(SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId())) {
    g_watcher = this;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(m_hook);
    g_watcher = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_watcher != nullptr && ClassName(window) == L"#32770" &&
        WindowText(window) == g_watcher->m_caption) {
        SeenMessageBox box{g_watcher->m_caption, L"", GetWindow(window, GW_OWNER), 0, false};
        const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const std::wstring cls = ClassName(child);
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            if (_wcsicmp(cls.c_str(), L"Button") == 0 && (style & WS_VISIBLE)) {
                ++box.buttons;
            } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
                if ((style & SS_TYPEMASK) == SS_ICON) {
                    const auto icon =
                        reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
                    box.exclamationIcon = box.exclamationIcon || icon == exclamation;
                } else if (!WindowText(child).empty()) {
                    box.text = WindowText(child);
                }
            }
        }
        g_watcher->seen.push_back(box);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

BOOL WINAPI RecordDestroyCursor(HCURSOR cursor) {
    if (g_cursorRecorder != nullptr) g_cursorRecorder->calls.push_back(cursor);
    return TRUE;
}

}  // namespace

DestroyCursorRecorder::DestroyCursorRecorder() {
    g_cursorRecorder = this;
    SetDestroyCursorFunction(&RecordDestroyCursor);
}

DestroyCursorRecorder::~DestroyCursorRecorder() {
    SetDestroyCursorFunction(nullptr);
    g_cursorRecorder = nullptr;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, &CountChild, count);
    return TRUE;
}

BOOL CALLBACK CollectTips(HWND window, LPARAM out) {
    if (ClassName(window) == TOOLTIPS_CLASSW) {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
    }
    return TRUE;
}

}  // namespace

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::vector<HWND> ToolTipsOfThread() {
    std::vector<HWND> tips;
    EnumThreadWindows(GetCurrentThreadId(), &CollectTips, reinterpret_cast<LPARAM>(&tips));
    return tips;
}

std::wstring ToolTipText(HWND tip, HWND toolWindow, UINT_PTR toolId) {
    // The tip copies the whole text whatever size it is told: a big buffer.
    std::vector<wchar_t> buffer(65536, L'\0');
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = toolWindow;
    info.uId = toolId;
    info.lpszText = buffer.data();
    SendMessageW(tip, TTM_GETTEXTW, buffer.size(), reinterpret_cast<LPARAM>(&info));
    return buffer.data();
}
