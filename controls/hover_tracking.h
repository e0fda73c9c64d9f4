#pragma once
// Hover tracking shared by the hyperlink label and the about icon: the first
// move over the control takes the mouse capture, the first move outside its
// client rectangle gives it back.
#include "framework.h"

// Carries out what a move to `point` (client coordinates) calls for on
// `control`, whose hover flag is `hover`.
void TrackHover(CWnd& control, BOOL& hover, CPoint point);

// RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW: repaint at once, background too.
void RedrawNow(CWnd& control);
