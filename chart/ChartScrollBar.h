// Scroll bar of one chart axis: a child of the control that moves the axis's range in
// tenths of its visible span. The axis owns it and keeps its range and position.
#pragma once

#include "framework/CScrollBar.h"

class CChartAxis;

class CChartScrollBar : public CScrollBar
{
    DECLARE_DYNAMIC(CChartScrollBar)
public:
    // Steps of one page: the thumb covers the visible span, a tenth of it per step.
    static constexpr int PAGE_STEPS = 10;

    explicit CChartScrollBar(CChartAxis* axis);
    ~CChartScrollBar() override;

    // Creates the (hidden) bar window inside the control, oriented and aligned for its axis,
    // with the one-step range (1 .. 1, page 1, position 1) of an axis not yet synchronised.
    BOOL CreateForAxis(CWnd* parent, const RECT& rect, bool horizontal, bool secondary, UINT id);

    // Position that a WM_HSCROLL/WM_VSCROLL code asks for, from the current position and
    // range; a page is 10 steps, so the last position is max - 9. changed is false for
    // SB_ENDSCROLL (no scroll at all).
    static int NewPosition(int code, int thumb, int current, int min, int max, bool& changed);

    // Window style of a bar for an axis of the given direction and side.
    static DWORD StyleFor(bool horizontal, bool secondary);

    CChartAxis* pAxis;
    bool bActive = false;    // the bar may be shown
    bool bHoverOnly = true;  // hidden on every mouse move unless the cursor is over it
};
