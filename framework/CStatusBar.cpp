#include "framework/CStatusBar.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CStatusBar, CWnd)

BEGIN_MESSAGE_MAP(CStatusBar, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// Room around an indicator's text inside its pane, in pixels.
const int kIndicatorPadding = 12;

// The virtual key whose toggle state an indicator shows; 0 for other panes.
int IndicatorKey(UINT id)
{
    switch (id) {
    case ID_INDICATOR_CAPS:
        return VK_CAPITAL;
    case ID_INDICATOR_NUM:
        return VK_NUMLOCK;
    case ID_INDICATOR_SCRL:
        return VK_SCROLL;
    default:
        return 0;
    }
}

// The status window's font selected into a screen-compatible DC, given back on destruction.
class MeasureDC
{
public:
    explicit MeasureDC(HWND window)
        : m_window(window), m_dc(::GetDC(window)),
          m_oldFont(::SelectObject(m_dc, reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0))))
    {
    }
    ~MeasureDC()
    {
        ::SelectObject(m_dc, m_oldFont);
        ::ReleaseDC(m_window, m_dc);
    }
    MeasureDC(const MeasureDC&) = delete;
    MeasureDC& operator=(const MeasureDC&) = delete;

    int Width(const char* text) const
    {
        SIZE size = {};
        ::GetTextExtentPoint32A(m_dc, text, lstrlenA(text), &size);
        return size.cx;
    }

private:
    HWND m_window;
    HDC m_dc;
    HGDIOBJ m_oldFont;
};

}  // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwBarStyle = dwStyle & CBRS_ALL;
    DWORD windowStyle = (dwStyle & ~CBRS_ALL) | CCS_BOTTOM | SBARS_SIZEGRIP;
    return CreateEx(0, STATUSCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane = {lpIDArray[i], CString(), 0};
        if (pane.nID == ID_SEPARATOR) {
            pane.strText.LoadString(AFX_IDS_IDLEMESSAGE);
        } else {
            pane.strText.LoadString(pane.nID);
            pane.cxWidth = TextWidth(pane.strText) + kIndicatorPadding;
        }
        m_panes.push_back(pane);
    }
    LayoutPanes();
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].nID == ID_SEPARATOR)
            SetPaneText(i, m_panes[i].strText);
    UpdateIndicators();
    return TRUE;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].nID : 0;
}

void CStatusBar::SetPaneText(int nIndex, const char* lpszText)
{
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText != nullptr ? lpszText : ""));
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    CString text;
    int length = LOWORD(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(nIndex)));
    char* buffer = text.GetBuffer(length);
    SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer));
    text.ReleaseBuffer(length);
    return text;
}

void CStatusBar::UpdateIndicators()
{
    for (int i = 0; i < GetCount(); ++i) {
        int key = IndicatorKey(m_panes[i].nID);
        if (key == 0)
            continue;
        bool on = (::GetKeyState(key) & 1) != 0;
        CString current = GetPaneText(i);
        const char* wanted = on ? m_panes[i].strText.GetString() : "";
        if (current.Compare(wanted) != 0)
            SetPaneText(i, wanted);
    }
}

// The message pane stretches; the indicators keep their widths at the right end.
void CStatusBar::LayoutPanes()
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int indicators = 0;
    for (const Pane& pane : m_panes)
        indicators += pane.cxWidth;
    std::vector<int> rightEdges;
    int right = 0;
    for (const Pane& pane : m_panes) {
        right += pane.nID == ID_SEPARATOR ? client.Width() - indicators : pane.cxWidth;
        rightEdges.push_back(right);
    }
    rightEdges.back() = -1;  // the last pane reaches the bar's end
    SendMessage(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

int CStatusBar::TextWidth(const char* text) const
{
    MeasureDC dc(m_hWnd);
    return dc.Width(text);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutPanes();
}
