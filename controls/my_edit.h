#pragma once
// CMyEdit: an edit field that lets only the characters of its mode through
// and carries out the Ctrl shortcuts select all, copy, paste, cut and undo.
#include "input_filter.h"
#include "std_controls.h"

class CMyEdit : public CEdit {
   public:
    CMyEdit() = default;

    // One of InputMode; other values let every character through.
    int32_t m_nMode = modeAnyText;

   protected:
    // Carries out the Ctrl shortcut, if any, then always passes the key on.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Passes the character on only when the mode allows it; drops it silently otherwise.
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};
