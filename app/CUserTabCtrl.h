// The view's tab control: draws its own tabs and shows the page window of the selected tab.
#pragma once

#include "app/CTabCtrlChildWnd.h"
#include "framework/CString.h"
#include "framework/CTabCtrl.h"

class CDC;

const int TAB_MAX_PAGES = 10;

// Cuts text in place to fit width pixels, ending it in "..." when it is cut; returns the size of
// the text that is left.
SIZE FitTextToWidth(CString& text, CDC* pDC, int width);

class CUserTabCtrl : public CTabCtrl
{
public:
    CUserTabCtrl();

    BOOL AddPage(LPCTSTR lpszTitle, CTabCtrlChildWnd* pPage);
    BOOL SelectPage(UINT nIndex);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Where a page sits inside a tab control with this client rectangle.
    static RECT PageRect(const RECT& client);

    COLORREF m_crInactive;  // 0xFFFFFFFF: the system's button face colour
    CTabCtrlChildWnd* m_pPages[TAB_MAX_PAGES];
    int m_nCurPage;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void MovePageToPageRect(CTabCtrlChildWnd* pPage);
};
