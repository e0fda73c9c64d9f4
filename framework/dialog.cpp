#include "dialog.h"

#include <cstring>
#include <vector>

#include "app.h"

namespace {

// Initial list data: records of {WORD control id, WORD message, DWORD byte
// count, bytes}, ended by a zero control id. The message is the 16-bit
// combo box add-string code; the text is GBK with its own zero byte.
constexpr WORD kInitialDataResourceType = 240;
constexpr WORD kAddStringRecord = 0x0403;
constexpr UINT kInitialDataCodePage = 936;
constexpr DWORD kHelpTopicBase = 0x20000;

template <typename T>
T ReadAt(const BYTE* data, size_t offset) {
    T value;
    std::memcpy(&value, data + offset, sizeof(T));
    return value;
}

std::wstring FromGbk(const BYTE* bytes, DWORD count) {
    if (count == 0) return std::wstring();
    const auto* text = reinterpret_cast<const char*>(bytes);
    const int length = static_cast<int>(count);
    const int wide = ::MultiByteToWideChar(kInitialDataCodePage, 0, text, length, nullptr, 0);
    if (wide <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(wide) + 1, L'\0');
    ::MultiByteToWideChar(kInitialDataCodePage, 0, text, length, buffer.data(), wide);
    return std::wstring(buffer.data());  // up to the first zero
}

bool NoModifierDown() {
    return (::GetKeyState(VK_SHIFT) & 0x8000) == 0 && (::GetKeyState(VK_CONTROL) & 0x8000) == 0 &&
           (::GetKeyState(VK_MENU) & 0x8000) == 0;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

DWORD CDialog::GetHelpContextId() const {
    return kHelpTopicBase + m_nIDTemplate;
}

int CDialog::DoModal() {
    if (m_hWnd != nullptr) return -1;
    const HINSTANCE instance = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate), RT_DIALOG);
    if (resource == nullptr) return -1;
    const HGLOBAL loaded = ::LoadResource(instance, resource);
    const auto* dialogTemplate =
        static_cast<LPCDLGTEMPLATEW>(loaded ? ::LockResource(loaded) : nullptr);
    if (dialogTemplate == nullptr) return -1;

    HWND owner = CWnd::SafeHwnd(m_pParentWnd);
    if (owner == nullptr) {
        CWinApp* app = AfxGetApp();
        if (app != nullptr && app->m_pMainWnd != this) owner = CWnd::SafeHwnd(app->m_pMainWnd);
    }
    if (owner != nullptr && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD) != 0) {
        owner = ::GetAncestor(owner, GA_ROOT);
    }
    m_hWndOwner = owner;
    m_nModalResult = -1;
    m_bEndModal = false;
    m_bInitDone = false;

    const HWND dialog = ::CreateDialogIndirectParamW(instance, dialogTemplate, owner, &DialogProc,
                                                     reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) {
        if (m_hWnd != nullptr) UnsubclassWindow();
        m_hWndOwner = nullptr;
        return -1;
    }

    const bool disabledOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disabledOwner) ::EnableWindow(owner, FALSE);
    if (!m_bEndModal && !::IsWindowVisible(dialog)) ::ShowWindow(dialog, SW_SHOWNORMAL);

    const int result = m_bEndModal ? m_nModalResult : RunModalLoop();

    if (disabledOwner) ::EnableWindow(owner, TRUE);
    if (owner != nullptr && ::GetActiveWindow() == dialog) ::SetActiveWindow(owner);
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    if (m_hWnd != nullptr) UnsubclassWindow();
    m_hWndOwner = nullptr;
    CWnd::DeleteTempMap();
    return result;
}

int CDialog::RunModalLoop() {
    const HWND dialog = m_hWnd;
    MSG msg{};
    while (!m_bEndModal) {
        if (!::IsWindow(dialog)) return -1;  // destroyed behind our back
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) return -1;
        if (got == 0) {
            // Leave the quit request for the loop outside ours.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return -1;
        }
        if (PreTranslateInRun(&msg)) continue;
        if (::IsWindow(dialog) && ::IsDialogMessageW(dialog, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return m_nModalResult;
}

BOOL CDialog::PreTranslateInRun(MSG* msg) {
    const HWND dialog = m_hWnd;
    // The window the message is for, then its parents up to the dialog.
    for (HWND h = msg->hwnd; h != nullptr; h = ::GetParent(h)) {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd != nullptr && wnd->PreTranslateMessage(msg)) return TRUE;
        if (h == dialog) break;
    }
    // F1 without modifiers asks the application for this dialog's help.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1 && dialog != nullptr &&
        (msg->hwnd == dialog || ::IsChild(dialog, msg->hwnd)) && NoModifierDown()) {
        ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        return TRUE;
    }
    return FALSE;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bEndModal = true;
    if (m_hWnd != nullptr) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // WM_INITDIALOG reaches this procedure before the dialog is ours; from
    // then on the window's messages come to the object directly.
    if (message == WM_INITDIALOG && CWnd::FromHandlePermanent(hWnd) == nullptr) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        if (dialog == nullptr || dialog->m_hWnd != nullptr) return FALSE;
        dialog->AttachDialogWindow(hWnd);
        return static_cast<INT_PTR>(dialog->DispatchToObject(message, wParam, lParam));
    }
    return FALSE;
}

void CDialog::AttachDialogWindow(HWND hWnd) {
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return HandleInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CDialog::HandleInitDialog() {
    RECT before{};
    ::GetWindowRect(m_hWnd, &before);
    const BOOL focusFirst = OnInitDialog();
    m_bInitDone = true;
    RECT after{};
    ::GetWindowRect(m_hWnd, &after);
    // Centre unless the template asks the system to, or the dialog placed itself.
    const DWORD style = GetStyle();
    if ((style & (DS_CENTER | DS_CENTERMOUSE | WS_CHILD)) == 0 && ::EqualRect(&before, &after)) {
        CenterOverOwner();
    }
    return focusFirst;
}

void CDialog::CenterOverOwner() {
    const HWND owner = m_hWndOwner;
    const bool overOwner = owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(overOwner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const RECT work = monitor.rcWork;
    RECT around = work;
    if (overOwner) ::GetWindowRect(owner, &around);

    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = (around.left + around.right) / 2 - width / 2;
    int y = (around.top + around.bottom) / 2 - height / 2;
    // Wholly inside the work area; the top-left corner wins if it is too small.
    if (x + width > work.right) x = work.right - width;
    if (x < work.left) x = work.left;
    if (y + height > work.bottom) y = work.bottom - height;
    if (y < work.top) y = work.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::OnInitDialog() {
    AddInitialData();
    UpdateData(FALSE);
    // Our templates carry no Help button, and help comes through F1; a
    // button with ID_HELP is left as the template made it.
    return TRUE;
}

void CDialog::AddInitialData() {
    const HINSTANCE instance = AfxGetResourceHandle();
    const HRSRC resource = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate),
                                           MAKEINTRESOURCEW(kInitialDataResourceType));
    if (resource == nullptr) return;
    const DWORD size = ::SizeofResource(instance, resource);
    const HGLOBAL loaded = ::LoadResource(instance, resource);
    const auto* data = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    if (data == nullptr) return;

    size_t pos = 0;
    // Every read stays inside the resource; a truncated record ends the list.
    while (pos + sizeof(WORD) <= size) {
        const WORD controlId = ReadAt<WORD>(data, pos);
        if (controlId == 0) break;
        if (pos + 8 > size) break;
        const WORD message = ReadAt<WORD>(data, pos + 2);
        const DWORD count = ReadAt<DWORD>(data, pos + 4);
        pos += 8;
        if (count > size - pos) break;
        if (message == kAddStringRecord) {
            const std::wstring text = FromGbk(data + pos, count);
            if (const HWND control = ::GetDlgItem(m_hWnd, controlId)) {
                ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            }
        }
        pos += count;
    }
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()
