#include "cursor_release.h"

namespace {

DestroyCursorFunction g_destroyCursor = &DestroyCursor;

}  // namespace

void ReleaseCursorHandle(HCURSOR& cursor, CursorOrigin origin) {
    if (cursor != nullptr && origin == CursorOrigin::ownedCopy) g_destroyCursor(cursor);
    cursor = nullptr;
}

DestroyCursorFunction SetDestroyCursorFunction(DestroyCursorFunction function) {
    const DestroyCursorFunction previous = g_destroyCursor;
    g_destroyCursor = function != nullptr ? function : &DestroyCursor;
    return previous;
}
