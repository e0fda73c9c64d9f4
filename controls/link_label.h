#pragma once
// A static text of a dialog that acts as a hyperlink: underlined, coloured by
// its state, fitted to its text, a hand cursor and a tool tip with the target;
// a click opens the target through the shell.
#include "framework.h"

class CLinkLabel : public CStatic {
   public:
    CLinkLabel();
    ~CLinkLabel() override;

    // Stores the target; a label with a window is refitted and its tool tip
    // shows the new target. The window text is never changed here.
    void SetLinkTarget(CString target);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    COLORREF m_clrNormal;
    COLORREF m_clrOpened;
    COLORREF m_clrHover;
    BOOL m_bHover;
    BOOL m_bOpened;
    BOOL m_bUnderlined;
    BOOL m_bFitToText;
    CString m_strTarget;
    CFont m_fontLink;
    HCURSOR m_hHandCursor;
    CToolTipCtrl m_tipCtrl;

   protected:
    void PreSubclassWindow() override;

    void FitToText();
    void OnLinkClicked();
    void ShowOpenError(int nError);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()
};
