// Looks at the running Tarvex main window from another process and prints
// what a user would see, as UTF-8 lines that a shell script can read:
//
//   window X Y W H                    screen rectangle of the main window
//   focus ID                          control that has the keyboard focus
//   control ID X Y W H TEXT           every control with an id of its own
//   item ID INDEX TEXT                every entry of both lists
//   dropped X Y W H ITEM_HEIGHT TOP   the open drop-down list, if any
//   active main|other                 whether the main window is the active one
//   enabled 0|1                       whether it takes input
//
// "about" prints the open about box instead:
//   about X Y W H / main X Y W H / workarea X Y W H   screen rectangles
//   main-enabled 0|1                  whether the main window takes input
//   active about|main|other|none      the program's active window
//   focus ID / control ID X Y W H TEXT   as above, inside the about box
//   close X Y                         a point on the caption's close button
//
// usage: probe state | probe about | probe wait SECONDS |
//        probe gone SECONDS | probe about-wait SECONDS | probe about-gone SECONDS
// "wait" succeeds once the window exists, "gone" once no such window is left.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const wchar_t kCaption[] = L"\u5854\u7EF4\u65AF";                   // 塔维斯
const wchar_t kAboutCaption[] = L"\u5173\u4E8E\u5854\u7EF4\u65AF";  // 关于塔维斯

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

void Print(const std::string& line) {
    const std::string withNewline = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), withNewline.data(),
              static_cast<DWORD>(withNewline.size()), &written, nullptr);
}

std::string RectText(const RECT& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

std::wstring WindowText(HWND hwnd) {
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

HWND FindMainWindow() {
    return FindWindowW(L"#32770", kCaption);
}

HWND FindAboutBox() {
    HWND about = FindWindowW(L"#32770", kAboutCaption);
    return about && IsWindowVisible(about) ? about : nullptr;
}

bool IsComboBox(HWND hwnd) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    const int id = GetDlgCtrlID(child);
    if (id <= 0 || id == 0xFFFF) return TRUE;
    RECT r;
    GetWindowRect(child, &r);
    Print("control " + std::to_string(id) + " " + RectText(r) + " " + Utf8(WindowText(child)));
    if (IsComboBox(child)) {
        const LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const LRESULT length = SendMessageW(child, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
            std::wstring text(static_cast<size_t>(length) + 1, L'\0');
            SendMessageW(child, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<size_t>(length));
            Print("item " + std::to_string(id) + " " + std::to_string(i) + " " + Utf8(text));
        }
    }
    return TRUE;
}

// The open list of a drop-down combo box is a top-level window of its own.
BOOL CALLBACK PrintDroppedList(HWND hwnd, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    if (owner != static_cast<DWORD>(processId) || lstrcmpiW(name, L"ComboLBox") != 0 ||
        !IsWindowVisible(hwnd)) {
        return TRUE;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    OffsetRect(&client, origin.x, origin.y);
    const LRESULT itemHeight = SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0);
    const LRESULT top = SendMessageW(hwnd, LB_GETTOPINDEX, 0, 0);
    Print("dropped " + RectText(client) + " " + std::to_string(itemHeight) + " " +
          std::to_string(top));
    return TRUE;
}

int PrintState() {
    HWND main = FindMainWindow();
    if (!main) {
        Print("no window");
        return 1;
    }
    RECT r;
    GetWindowRect(main, &r);
    Print("window " + RectText(r));
    DWORD processId = 0;
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(main, &processId), &info)) {
        if (info.hwndFocus) Print("focus " + std::to_string(GetDlgCtrlID(info.hwndFocus)));
        Print(std::string("active ") + (info.hwndActive == main ? "main" : "other"));
    }
    Print(std::string("enabled ") + (IsWindowEnabled(main) ? "1" : "0"));
    EnumChildWindows(main, PrintControl, 0);
    EnumWindows(PrintDroppedList, static_cast<LPARAM>(processId));
    return 0;
}

// The caption's close button, found the way the system finds it: by asking
// the window what lies under a point, along the caption from the right.
bool FindCloseButton(HWND window, POINT& at) {
    RECT r;
    GetWindowRect(window, &r);
    for (int y = r.top + 1; y < r.top + 40 && y < r.bottom; y += 2) {
        for (int x = r.right - 2; x > r.right - 80 && x > r.left; --x) {
            const LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (hit == HTCLOSE) {
                at = {x - 3, y + 3};  // a little inside the button, away from its edge
                if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == HTCLOSE) {
                    return true;
                }
                at = {x, y};
                return true;
            }
        }
    }
    return false;
}

int PrintAbout() {
    HWND main = FindMainWindow();
    HWND about = FindAboutBox();
    if (!main || !about) {
        Print("no about box");
        return 1;
    }
    RECT r;
    GetWindowRect(about, &r);
    Print("about " + RectText(r));
    GetWindowRect(main, &r);
    Print("main " + RectText(r));
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor);
    Print("workarea " + RectText(monitor.rcWork));
    Print(std::string("main-enabled ") + (IsWindowEnabled(main) ? "1" : "0"));
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    std::string active = "none";
    if (GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &info)) {
        if (info.hwndActive == about)
            active = "about";
        else if (info.hwndActive == main)
            active = "main";
        else if (info.hwndActive)
            active = "other";
        if (info.hwndFocus) Print("focus " + std::to_string(GetDlgCtrlID(info.hwndFocus)));
    }
    Print("active " + active);
    EnumChildWindows(about, PrintControl, 0);
    POINT close;
    if (FindCloseButton(about, close)) {
        Print("close " + std::to_string(close.x) + " " + std::to_string(close.y));
    }
    return 0;
}

// Polls until the window's presence matches `present`, for at most `seconds`.
int WaitFor(bool present, double seconds, HWND (*find)() = FindMainWindow) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    while ((find() != nullptr) != present) {
        if (GetTickCount64() > deadline) return 1;
        Sleep(20);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    const double seconds = argc > 2 ? _wtof(argv[2]) : 10.0;
    if (command == L"state") return PrintState();
    if (command == L"about") return PrintAbout();
    if (command == L"wait") return WaitFor(true, seconds);
    if (command == L"gone") return WaitFor(false, seconds);
    if (command == L"about-wait") return WaitFor(true, seconds, FindAboutBox);
    if (command == L"about-gone") return WaitFor(false, seconds, FindAboutBox);
    std::fputs(
        "usage: probe state | probe about | probe wait SECONDS |\n"
        "       probe gone SECONDS | probe about-wait SECONDS | probe about-gone SECONDS\n",
        stderr);
    return 2;
}
