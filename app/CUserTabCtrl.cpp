// The view's tab control: draws its own tabs and shows the page window of the selected tab.
#include "app/CUserTabCtrl.h"

#include "app/CKelvoroApp.h"
#include "framework/CDC.h"

BEGIN_MESSAGE_MAP(CUserTabCtrl, CTabCtrl)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

namespace
{
const COLORREF kSystemButtonFace = 0xFFFFFFFF;
const int kTabTextBufferSize = 100;

COLORREF HalfBright(COLORREF color)
{
    return RGB(static_cast<int>(GetRValue(color) * 0.5), static_cast<int>(GetGValue(color) * 0.5),
               static_cast<int>(GetBValue(color) * 0.5));
}
}  // namespace

SIZE FitTextToWidth(CString& text, CDC* pDC, int width)
{
    // Room for the "..." that DT_MODIFYSTRING may write past the cut.
    char* buffer = text.GetBuffer(text.GetLength() + 4);
    RECT rect = {0, 0, width, 20};
    ::DrawTextA(pDC->m_hDC, buffer, -1, &rect, DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    text.ReleaseBuffer();
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(pDC->m_hAttribDC, text, text.GetLength(), &size);
    return size;
}

CUserTabCtrl::CUserTabCtrl() : m_crInactive(kSystemButtonFace), m_pPages{}, m_nCurPage(-1)
{
}

RECT CUserTabCtrl::PageRect(const RECT& client)
{
    return RECT{client.left + 10, client.top + 30, client.right - 10, client.bottom - 10};
}

void CUserTabCtrl::MovePageToPageRect(CTabCtrlChildWnd* pPage)
{
    if (pPage->GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const RECT page = PageRect(client);
    pPage->MoveWindow(&page, TRUE);
}

BOOL CUserTabCtrl::AddPage(LPCTSTR lpszTitle, CTabCtrlChildWnd* pPage)
{
    for (int slot = 0; slot < TAB_MAX_PAGES; ++slot)
    {
        if (m_pPages[slot] != nullptr)
            continue;
        InsertItem(slot, lpszTitle);
        m_pPages[slot] = pPage;
        return TRUE;
    }
    return FALSE;
}

BOOL CUserTabCtrl::SelectPage(UINT nIndex)
{
    if (nIndex >= TAB_MAX_PAGES)
        return FALSE;
    if (static_cast<int>(nIndex) == m_nCurPage)
        return TRUE;
    // The new page is shown before the old one is hidden, so the tab never flashes empty.
    if (CTabCtrlChildWnd* pNew = m_pPages[nIndex])
    {
        MovePageToPageRect(pNew);
        pNew->ShowWindow(SW_SHOW);
    }
    if (m_nCurPage >= 0 && m_pPages[m_nCurPage] != nullptr)
        m_pPages[m_nCurPage]->ShowWindow(SW_HIDE);
    m_nCurPage = static_cast<int>(nIndex);
    SetCurSel(m_nCurPage);
    return TRUE;
}

int CUserTabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(g_fontControl.GetSafeHandle()), TRUE);
    SelectPage(0);
    return 0;
}

void CUserTabCtrl::OnSize(UINT nType, int cx, int cy)
{
    CTabCtrl::OnSize(nType, cx, cy);
    for (CTabCtrlChildWnd* pPage : m_pPages)
    {
        if (pPage != nullptr)
            MovePageToPageRect(pPage);
    }
}

void CUserTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    SelectPage(static_cast<UINT>(GetCurSel()));
}

void CUserTabCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int item = static_cast<int>(lpDrawItemStruct->itemID);
    const bool selected = item == GetCurSel();

    CRect rect(lpDrawItemStruct->rcItem);
    rect.bottom += selected ? -1 : 2;
    const COLORREF buttonFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF fill = selected || m_crInactive == kSystemButtonFace ? buttonFace : m_crInactive;
    pDC->FillSolidRect(&rect, fill);

    rect.left += 3;
    rect.top += selected ? 4 : 3;
    pDC->SetBkMode(TRANSPARENT);

    char buffer[kTabTextBufferSize] = {};
    TCITEMA tab = {};
    tab.mask = TCIF_TEXT;
    tab.pszText = buffer;
    tab.cchTextMax = kTabTextBufferSize - 1;
    GetItem(item, &tab);
    // The control may answer with its own copy of the text instead of filling ours.
    CString text(tab.pszText != nullptr ? tab.pszText : buffer);

    rect.top += 2;
    rect.right -= 3;
    FitTextToWidth(text, pDC, rect.Width());

    pDC->SetTextColor(selected ? ::GetSysColor(COLOR_WINDOWTEXT) : HalfBright(fill));
    pDC->DrawText(text, &rect, DT_CENTER | DT_NOPREFIX);
}
