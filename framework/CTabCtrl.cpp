// Tab control.
#include "framework/CTabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BEGIN_MESSAGE_MAP(CTabCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszText)
{
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<LONG>(::SendMessageA(m_hWnd, TCM_INSERTITEMA, nItem, reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pItem) const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TCM_GETITEMA, nItem, reinterpret_cast<LPARAM>(pItem)));
}

int CTabCtrl::GetItemCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
}

int CTabCtrl::GetCurSel() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_GETCURSEL, 0, 0));
}

int CTabCtrl::SetCurSel(int nItem)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TCM_SETCURSEL, nItem, 0));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TCM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    ::SendMessageA(m_hWnd, TCM_ADJUSTRECT, bLarger, reinterpret_cast<LPARAM>(lpRect));
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}
