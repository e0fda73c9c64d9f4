#include "wnd.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "app.h"
#include "data_exchange.h"
#include "handle_map.h"

namespace {

// Windows belong to the thread that created them, and so do these maps.
struct ThreadMaps {
    HandleMap<CWnd*> permanent;
    HandleMap<std::unique_ptr<CWnd>> temporary;
};

// Each thread's maps hang off a Win32 TLS slot: C++ thread_local would link
// a thread library and emulated TLS into the program.
const DWORD g_threadMapsSlot = ::TlsAlloc();

// This thread's maps, or null while it has no window objects.
ThreadMaps* CurrentMaps() {
    if (g_threadMapsSlot == TLS_OUT_OF_INDEXES) return nullptr;
    return static_cast<ThreadMaps*>(::TlsGetValue(g_threadMapsSlot));
}

ThreadMaps& CreateMaps() {
    if (ThreadMaps* maps = CurrentMaps()) return *maps;
    // Without a slot no window could find its object: as hopeless as no memory.
    if (g_threadMapsSlot == TLS_OUT_OF_INDEXES) std::abort();
    auto* maps = new ThreadMaps;
    ::TlsSetValue(g_threadMapsSlot, maps);
    return *maps;
}

// A thread's maps go as soon as they hold nothing, so a thread that ends
// without window objects leaves nothing behind.
void ReleaseMapsIfEmpty() {
    ThreadMaps* maps = CurrentMaps();
    if (maps == nullptr || !maps->permanent.IsEmpty() || !maps->temporary.IsEmpty()) return;
    ::TlsSetValue(g_threadMapsSlot, nullptr);
    delete maps;
}

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (wnd == nullptr) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return wnd->DispatchToObject(message, wParam, lParam);
}

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);                    // WM_NCDESTROY lets go of the window
        if (m_hWnd != nullptr) UnsubclassWindow();  // not ours to destroy: just let go
    }
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    ThreadMaps* maps = CurrentMaps();
    if (hWnd == nullptr || maps == nullptr) return nullptr;
    CWnd** found = maps->permanent.Find(hWnd);
    return found == nullptr ? nullptr : *found;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
    auto& slot = CreateMaps().temporary[hWnd];
    if (!slot) {
        slot = std::make_unique<CWnd>();
        slot->m_hWnd = hWnd;
    }
    return slot.get();
}

void CWnd::DeleteTempMap() {
    ThreadMaps* maps = CurrentMaps();
    if (maps == nullptr) return;
    // The wrappers never owned their windows: clear the handles first so
    // that their destructors leave the windows alone.
    maps->temporary.ForEach(
        [](HWND, std::unique_ptr<CWnd>& wrapper) { wrapper->m_hWnd = nullptr; });
    maps->temporary.Clear();
    ReleaseMapsIfEmpty();
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    ThreadMaps& maps = CreateMaps();
    maps.permanent[hWnd] = this;
    // A temporary wrapper of the same handle would now be misleading.
    if (std::unique_ptr<CWnd>* temporary = maps.temporary.Find(hWnd)) {
        (*temporary)->m_hWnd = nullptr;
        maps.temporary.Erase(hWnd);
    }
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    ThreadMaps* maps = CurrentMaps();
    if (hWnd != nullptr && maps != nullptr) {
        CWnd** found = maps->permanent.Find(hWnd);
        if (found != nullptr && *found == this) {
            maps->permanent.Erase(hWnd);
            ReleaseMapsIfEmpty();
        }
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || !::IsWindow(hWnd) ||
        FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    Attach(hWnd);
    PreSubclassWindow();
    if (m_hWnd != hWnd) return FALSE;  // the preparation let go of the window
    auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
    if (previous == nullptr) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = previous;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (parent == nullptr || parent->m_hWnd == nullptr) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr) return nullptr;
    if (m_pfnSuper != nullptr && ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) ==
                                     reinterpret_cast<LONG_PTR>(&FrameworkWndProc)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    const bool attached = FromHandlePermanent(m_hWnd) == this;
    const BOOL destroyed = ::DestroyWindow(m_hWnd);
    // An attached window lets go in WM_NCDESTROY; a plain wrapper forgets here.
    if (!attached && destroyed) m_hWnd = nullptr;
    return destroyed;
}

LRESULT CWnd::DispatchToObject(UINT message, WPARAM wParam, LPARAM lParam) {
    MSG current{};
    current.hwnd = m_hWnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
    const MSG* previous = m_pCurrentMsg;
    m_pCurrentMsg = &current;
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_pCurrentMsg = previous;
    if (message == WM_NCDESTROY && m_hWnd != nullptr) {
        UnsubclassWindow();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (m_pCurrentMsg == nullptr) return 0;
    const MSG msg = *m_pCurrentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) return OnCommand(wParam, lParam, result);
    if (IsCtlColorMessage(message)) {
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child != nullptr && child != this &&
            child->OnChildNotify(message, wParam, lParam, result)) {
            return TRUE;
        }
    }
    const ::fw::MessageMapEntry* entry =
        ::fw::FindEntry(GetMessageMap(), [message](const ::fw::MessageMapEntry& e) {
            return e.kind == ::fw::EntryKind::Message && e.message == message;
        });
    if (entry == nullptr) return FALSE;
    return entry->thunk(this, ::fw::MessageArgs{message, wParam, lParam}, *result) ? TRUE : FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (control != nullptr) {
        if (m_bNotificationsLocked) {
            *result = 0;
            return TRUE;  // an exchange is writing the controls
        }
        CWnd* child = FromHandlePermanent(control);
        if (child != nullptr && child != this &&
            child->OnChildNotify(WM_COMMAND, wParam, lParam, result)) {
            return TRUE;
        }
    } else {
        code = 0;  // a menu or accelerator command
    }
    *result = 0;
    if (OnCmdMsg(id, code)) return TRUE;
    // Commands nobody in the window handles go on to the application.
    CWinApp* app = AfxGetApp();
    if (code == 0 && app != nullptr && app->OnCmdMsg(id, code)) return TRUE;
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const ::fw::MessageMapEntry* entry = nullptr;
    if (message == WM_COMMAND) {
        const UINT code = HIWORD(wParam);
        entry = ::fw::FindEntry(GetMessageMap(), [code](const ::fw::MessageMapEntry& e) {
            return e.kind == ::fw::EntryKind::ReflectedCommand && e.code == code;
        });
    } else if (IsCtlColorMessage(message)) {
        entry = ::fw::FindEntry(GetMessageMap(), [](const ::fw::MessageMapEntry& e) {
            return e.kind == ::fw::EntryKind::ReflectedCtlColor;
        });
    }
    if (entry == nullptr) return FALSE;
    LRESULT value = 0;
    if (!entry->thunk(this, ::fw::MessageArgs{message, wParam, lParam}, value)) return FALSE;
    *result = value;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    const bool wasLocked = m_bNotificationsLocked;
    m_bNotificationsLocked = true;
    DoDataExchange(&dx);
    m_bNotificationsLocked = wasLocked;
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

void CWnd::GetWindowText(CString& text) const {
    text = GetWindowText();
}

CString CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) return CString();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    return CString(buffer.data(), copied > 0 ? copied : 0);
}

void CWnd::ScreenToClient(LPRECT rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ClientToScreen(LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    const HFONT handle = font ? font->GetSafeHandle() : nullptr;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(handle), MAKELPARAM(redraw ? TRUE : FALSE, 0));
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()
