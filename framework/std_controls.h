#pragma once
// Thin classes for the standard controls that custom controls derive from.
#include "wnd.h"

class CStatic : public CWnd {};

class CEdit : public CWnd {
   public:
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void GetSel(int& start, int& end) const;
};
