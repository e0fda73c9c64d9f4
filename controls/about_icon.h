#pragma once
// The program icon of the main dialog as a small button: a hand over it, and
// a click runs the about box.
#include "framework.h"

class CAboutIcon : public CStatic {
   public:
    CAboutIcon();
    ~CAboutIcon() override;

    BOOL m_bHover;
    HCURSOR m_hHandCursor;

   protected:
    void PreSubclassWindow() override;

    void OnIconClicked();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
