#pragma once
// What a thread holds of the window system, counted from inside the process,
// for tests that look for leaks over many runs.
#include <windows.h>

#include <map>
#include <string>

// Every window of the calling thread: top-level windows (tool tips and other
// hidden ones included) and all their descendants, counted by class name.
std::map<std::wstring, int> ThreadWindowsByClass();
int CountThreadWindowsAndChildren();

// Live GDI objects of this process by object type (OBJ_FONT, OBJ_BITMAP, ...).
// GetGuiResources is used where it works; under Wine, where it is a stub,
// the process's handle table is probed with GetObjectType instead.
struct GdiCount {
    std::map<DWORD, int> byType;
    int Total() const;
    int Of(DWORD type) const;
};
GdiCount CountGdiObjects();
// True when the count comes from probing the handle table.
bool GdiCountIsProbed();
