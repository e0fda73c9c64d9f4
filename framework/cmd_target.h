#pragma once
// CCmdTarget: the root of everything that owns a message map (windows and
// the application object).
#include "message_map.h"

// Command id of the help request (F1 in a dialog).
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CCmdTarget {
   public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command/notification (`id`, `code`) from this
    // object's map chain. Returns FALSE when no entry matches.
    virtual BOOL OnCmdMsg(UINT id, UINT code);

   protected:
    static const ::fw::MessageMap* GetThisMessageMap();
    virtual const ::fw::MessageMap* GetMessageMap() const;
};
