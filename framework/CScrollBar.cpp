#include "framework/CScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SCROLLBAR", nullptr, style, rect, parent, id);
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw)
{
    return CWnd::SetScrollInfo(SB_CTL, info, redraw);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) const
{
    return CWnd::GetScrollInfo(SB_CTL, info, mask);
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, BOOL redraw)
{
    CWnd::SetScrollRange(SB_CTL, minPos, maxPos, redraw);
}

void CScrollBar::GetScrollRange(LPINT minPos, LPINT maxPos) const
{
    CWnd::GetScrollRange(SB_CTL, minPos, maxPos);
}

int CScrollBar::SetScrollPos(int pos, BOOL redraw)
{
    return CWnd::SetScrollPos(SB_CTL, pos, redraw);
}

int CScrollBar::GetScrollPos() const
{
    return CWnd::GetScrollPos(SB_CTL);
}

// The last position the thumb can reach: the maximum less the page, plus one.
int CScrollBar::GetScrollLimit() const
{
    SCROLLINFO info = {};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE))
        return 0;
    const int page = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - page;
}

void CScrollBar::ShowScrollBar(BOOL show)
{
    ::ShowScrollBar(m_hWnd, SB_CTL, show);
}

BOOL CScrollBar::EnableScrollBar(UINT arrows)
{
    return ::EnableScrollBar(m_hWnd, SB_CTL, arrows);
}
