#include "hover_tracking.h"

#include "link_rules.h"

void RedrawNow(CWnd& control) {
    control.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TrackHover(CWnd& control, BOOL& hover, CPoint point) {
    bool inside = false;
    if (hover) {
        CRect client;
        control.GetClientRect(client);
        inside = client.PtInRect(point) != FALSE;
    }
    for (HoverStep step : PlanHover(hover != FALSE, inside)) {
        switch (step) {
            case HoverStep::setHover: hover = TRUE; break;
            case HoverStep::clearHover: hover = FALSE; break;
            case HoverStep::redraw: RedrawNow(control); break;
            case HoverStep::captureMouse: ::SetCapture(control.m_hWnd); break;
            case HoverStep::releaseMouse: ::ReleaseCapture(); break;
        }
    }
}
