#include "cmd_target.h"

const ::fw::MessageMap* CCmdTarget::GetThisMessageMap() {
    static const ::fw::MessageMapEntry entries[] = {{::fw::EntryKind::End, 0, 0, 0, nullptr}};
    static const ::fw::MessageMap messageMap = {nullptr, entries};
    return &messageMap;
}

const ::fw::MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const ::fw::MessageMapEntry* entry =
        ::fw::FindEntry(GetMessageMap(), [id, code](const ::fw::MessageMapEntry& e) {
            return e.kind == ::fw::EntryKind::Command && e.id == id && e.code == code;
        });
    if (entry == nullptr) return FALSE;
    LRESULT ignored = 0;
    const ::fw::MessageArgs args{WM_COMMAND, MAKEWPARAM(id, code), 0};
    return entry->thunk(this, args, ignored) ? TRUE : FALSE;
}
