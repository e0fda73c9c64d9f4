// The floor for any program with Tarvex's window: the same dialog template
// shown with DialogBoxParamW and nothing else.
#include <windows.h>

namespace {
constexpr int MAIN_DIALOG_TEMPLATE = 102;

INT_PTR CALLBACK FloorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(MAIN_DIALOG_TEMPLATE), nullptr, FloorDialogProc, 0));
}
