// The process entry: hands over to AfxWinMain, which finds the program's
// application object. Linked into the program only (tests have their own main).
#include <windows.h>

#include "app.h"

namespace {

// The command line after the program's own name.
LPWSTR CommandTail(LPWSTR line) {
    if (line == nullptr) return nullptr;
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"') ++line;
        if (*line == L'"') ++line;
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR, int cmdShow) {
    return AfxWinMain(instance, prevInstance, CommandTail(::GetCommandLineW()), cmdShow);
}
