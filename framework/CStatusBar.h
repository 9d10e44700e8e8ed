// The status bar along the bottom of a frame: a stretching message pane and key indicator
// panes, each indicator showing its text (a string of the same id) while its key is on.
#pragma once

#include "framework/AfxRes.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <vector>

// Control-bar placement bits given to Create; the window itself does not see them.
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#define CBRS_ALL 0xFFFFL

class CStatusBar : public CWnd
{
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar() = default;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id: ID_SEPARATOR is the message pane (the idle text), any other id an
    // indicator sized to its string.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemID(int nIndex) const;
    void SetPaneText(int nIndex, const char* lpszText);
    CString GetPaneText(int nIndex) const;
    // Shows or blanks each key indicator after its key's toggle state.
    void UpdateIndicators();

    DWORD GetBarStyle() const { return m_dwBarStyle; }

protected:
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    struct Pane
    {
        UINT nID;
        CString strText;  // the indicator's string; the message pane's current text
        int cxWidth;      // pixels; the message pane takes what the indicators leave
    };

    void LayoutPanes();
    int TextWidth(const char* text) const;

    std::vector<Pane> m_panes;
    DWORD m_dwBarStyle = 0;
};
