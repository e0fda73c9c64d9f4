#include "dialog_script.h"

namespace {

BOOL CALLBACK RememberVisibleDialog(HWND hwnd, LPARAM out) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindOpenDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), RememberVisibleDialog,
                      reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

int RunWithScript(const std::function<int()>& runModal, std::vector<Step> steps) {
    return RunWithTimedSteps(runModal, std::move(steps), &FindOpenDialog, "the dialog");
}

std::wstring Text(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetText(HWND dialog, int id, const std::wstring& text) {
    SetWindowTextW(GetDlgItem(dialog, id), text.c_str());
}

std::vector<std::wstring> ListEntries(HWND dialog, int id) {
    std::vector<std::wstring> entries;
    const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        std::wstring text(
            static_cast<size_t>(SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, index, 0)) + 1,
            L'\0');
        const LRESULT length = SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, index,
                                                   reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length < 0 ? 0 : length));
        entries.push_back(text);
    }
    return entries;
}

std::wstring ListSelection(HWND dialog, int id) {
    const LRESULT selected = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    if (selected < 0) return L"";
    return ListEntries(dialog, id).at(static_cast<size_t>(selected));
}

void ChooseEntry(HWND dialog, int id, int index) {
    const HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PostKey(HWND target, UINT virtualKey, wchar_t character) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | scan);
    if (character != 0) PostMessageW(target, WM_CHAR, character, 1 | scan);
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | scan | (LPARAM{3} << 30));
}

void PostChar(HWND target, wchar_t character) {
    PostMessageW(target, WM_CHAR, character, 1);
}
