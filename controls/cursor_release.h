#pragma once
// Giving back a cursor a control holds. A cursor loaded from the program's
// resources is one shared handle for every control that loads it: destroying
// it would pull it from under the others, so only a cursor the program made
// itself is destroyed.
#include <windows.h>

enum class CursorOrigin {
    sharedResource,  // LoadCursorW of a resource: belongs to the system
    ownedCopy,       // CreateCursor, CopyImage and the like: ours to destroy
};

// Sets `cursor` to null; destroys it only if it is an owned copy.
void ReleaseCursorHandle(HCURSOR& cursor, CursorOrigin origin);

// Tests watch the destroy calls by putting their own function in place.
using DestroyCursorFunction = BOOL(WINAPI*)(HCURSOR);
DestroyCursorFunction SetDestroyCursorFunction(DestroyCursorFunction function);
