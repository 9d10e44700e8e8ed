// A scroll bar control: a window of the system class "SCROLLBAR".
#pragma once

#include "framework/CWnd.h"

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    // style: WS_CHILD etc. plus SBS_HORZ or SBS_VERT.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(LPINT minPos, LPINT maxPos) const;
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    int GetScrollPos() const;
    int GetScrollLimit() const;
    void ShowScrollBar(BOOL show = TRUE);
    BOOL EnableScrollBar(UINT arrows = ESB_ENABLE_BOTH);

private:
    using CWnd::Create;
};
