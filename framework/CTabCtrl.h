// Tab control. Owner-drawn tabs arrive in DrawItem, reflected from the parent's WM_DRAWITEM.
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

class CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    LONG InsertItem(int nItem, LPCTSTR lpszText);
    BOOL GetItem(int nItem, TCITEMA* pItem) const;
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    // Display rectangle from a window rectangle (bLarger false) or the other way round.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);

    // Called for each tab of a TCS_OWNERDRAWFIXED control.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
