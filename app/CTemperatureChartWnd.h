// The "GRAPH" page: one day's temperatures on the chart control.
#pragma once

#include "app/CTabCtrlChildWnd.h"
#include "framework/CObList.h"
#include "framework/COleDateTime.h"
#include "framework/CString.h"

class CTemperatureChartWnd : public CTabCtrlChildWnd
{
    DECLARE_DYNAMIC(CTemperatureChartWnd)

public:
    CTemperatureChartWnd();

    // Shows the borrowed records of one day; an empty list keeps what the page shows.
    void SetData(CObList* pRecords, COleDateTime& firstTime, int nInterval, const char* pszKindName);

    COleDateTime m_firstTime;
    int m_nInterval = 0;
    int m_nCount = 0;
    int m_nYMin;  // temperature axis range, written by the search from the device kind
    int m_nYMax;
    CString m_strKindName;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
