// The "GRAPH" page: one day's temperatures on the chart control.
#include "app/CTemperatureChartWnd.h"

#include "app/CRadarChartWnd.h"

IMPLEMENT_DYNAMIC(CTemperatureChartWnd, CTabCtrlChildWnd)

BEGIN_MESSAGE_MAP(CTemperatureChartWnd, CTabCtrlChildWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTemperatureChartWnd::CTemperatureChartWnd() : m_firstTime(0.0), m_nYMin(0), m_nYMax(0)
{
}

void CTemperatureChartWnd::SetData(CObList* pRecords, COleDateTime& firstTime, int nInterval,
                                   const char* pszKindName)
{
    if (pRecords == nullptr || pRecords->IsEmpty())
        return;
    m_firstTime = firstTime;
    m_nInterval = nInterval;
    m_nCount = pRecords->GetCount();
    m_strKindName = pszKindName != nullptr ? pszKindName : "";
}

void CTemperatureChartWnd::OnPaint()
{
    CRadarChartWnd::PaintWhite(this);
}
