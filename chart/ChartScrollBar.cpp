// Scroll bar of a chart axis: its window and the position a scroll request asks for.
#include "chart/ChartScrollBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CChartScrollBar, CScrollBar)

CChartScrollBar::CChartScrollBar(CChartAxis* axis) : pAxis(axis) {}

CChartScrollBar::~CChartScrollBar()
{
    if (m_hWnd)
        DestroyWindow();
}

DWORD CChartScrollBar::StyleFor(bool horizontal, bool secondary)
{
    if (horizontal)
        return WS_CHILD | SBS_HORZ | (secondary ? SBS_TOPALIGN : SBS_BOTTOMALIGN);
    return WS_CHILD | SBS_VERT | (secondary ? SBS_RIGHTALIGN : SBS_LEFTALIGN);
}

BOOL CChartScrollBar::CreateForAxis(CWnd* parent, const RECT& rect, bool horizontal, bool secondary, UINT id)
{
    if (!Create(StyleFor(horizontal, secondary), rect, parent, id))
        return FALSE;
    SCROLLINFO info = {};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 1;
    info.nMax = 1;
    info.nPage = 1;
    info.nPos = 1;
    SetScrollInfo(&info, TRUE);
    return TRUE;
}

int CChartScrollBar::NewPosition(int code, int thumb, int current, int min, int max, bool& changed)
{
    changed = true;
    const int last = max - (PAGE_STEPS - 1);
    switch (code)
    {
    case SB_LINELEFT: return current > min ? current - 1 : current;
    case SB_LINERIGHT: return current < last ? current + 1 : current;
    case SB_PAGELEFT: return current > min ? std::max(min, current - PAGE_STEPS) : current;
    case SB_PAGERIGHT: return current < last ? std::min(last, current + PAGE_STEPS) : current;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return thumb;
    case SB_LEFT: return 0;
    case SB_RIGHT: return last;
    case SB_ENDSCROLL: changed = false; return current;
    default: return current;
    }
}
