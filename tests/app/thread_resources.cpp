#include "thread_resources.h"

namespace {

using ClassCounts = std::map<std::wstring, int>;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[128] = {};
    GetClassNameW(hwnd, name, 128);
    return name;
}

BOOL CALLBACK CountChild(HWND child, LPARAM counts) {
    ++(*reinterpret_cast<ClassCounts*>(counts))[ClassOf(child)];
    return TRUE;
}

// EnumChildWindows walks all descendants, not only the direct children.
BOOL CALLBACK CountTopLevel(HWND window, LPARAM counts) {
    ++(*reinterpret_cast<ClassCounts*>(counts))[ClassOf(window)];
    EnumChildWindows(window, CountChild, counts);
    return TRUE;
}

// Handle values a process's GDI objects can have: the table index is the low
// word. Wine accepts a handle whose high word is zero for any live entry.
constexpr unsigned kGdiTableSize = 0x10000;

bool ProbeWorks() {
    // A stock object is always live; if its bare index does not name it, the
    // platform checks the high word too and probing cannot see anything.
    const auto stock = reinterpret_cast<ULONG_PTR>(GetStockObject(SYSTEM_FONT));
    const auto bare = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(LOWORD(stock)));
    return GetObjectType(bare) == OBJ_FONT;
}

GdiCount ProbeTable() {
    GdiCount count;
    for (unsigned index = 1; index < kGdiTableSize; ++index) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index)));
        if (type != 0) ++count.byType[type];
    }
    return count;
}

}  // namespace

std::map<std::wstring, int> ThreadWindowsByClass() {
    ClassCounts counts;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&counts));
    return counts;
}

int CountThreadWindowsAndChildren() {
    int total = 0;
    for (const auto& entry : ThreadWindowsByClass()) total += entry.second;
    return total;
}

int GdiCount::Total() const {
    int total = 0;
    for (const auto& entry : byType) total += entry.second;
    return total;
}

int GdiCount::Of(DWORD type) const {
    const auto found = byType.find(type);
    return found == byType.end() ? 0 : found->second;
}

bool GdiCountIsProbed() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) == 0 && ProbeWorks();
}

GdiCount CountGdiObjects() {
    if (GdiCountIsProbed()) return ProbeTable();
    GdiCount count;
    // Only a total is known here; type 0 stands for "any".
    count.byType[0] = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    return count;
}
