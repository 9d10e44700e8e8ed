// Report-style list-view control on "SysListView32". Created on the heap, it deletes itself
// when its window is destroyed.
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CListView : public CWnd
{
    DECLARE_DYNAMIC(CListView)

public:
    int InsertColumn(int nCol, LPCTSTR lpszHeading, int nFormat, int nWidth);
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    int GetItemCount() const;
    // Inserts an item with its column 0 text only (LVIF_TEXT); returns its index or -1.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteAllItems();

protected:
    void PostNcDestroy() override;
};
