// The radar page's grey band with its one line of text.
#include "app/CRadarChartTitleWnd.h"

#include "app/CKelvoroApp.h"
#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CRadarChartTitleWnd, CWnd)

BEGIN_MESSAGE_MAP(CRadarChartTitleWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
const COLORREF kBandGrey = RGB(217, 217, 217);
}

void CRadarChartTitleWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    Draw(dc, client);
}

void CRadarChartTitleWnd::Draw(CDC& dc, const CRect& client)
{
    CRect rect(client);
    dc.FillSolidRect(&rect, kBandGrey);
    CFont* pOldFont = dc.SelectObject(&g_fontControl);
    rect.left += 10;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(m_strText, &rect, DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOldFont);
}
