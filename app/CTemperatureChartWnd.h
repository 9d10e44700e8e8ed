// The "GRAPH" page: one day's temperatures on a chart control built afresh for every search,
// and one printed chart page per day of a record list.
#pragma once

#include "app/CTabCtrlChildWnd.h"
#include "framework/CObList.h"
#include "framework/COleDateTime.h"
#include "framework/CString.h"

class CDC;
class CChartCtrl;
class CChartDateTimeAxis;
class CChartLineSerie;
class CChartStandardAxis;

class CTemperatureChartWnd : public CTabCtrlChildWnd
{
    DECLARE_DYNAMIC(CTemperatureChartWnd)

public:
    CTemperatureChartWnd();
    ~CTemperatureChartWnd() override;
    CTemperatureChartWnd(const CTemperatureChartWnd&) = delete;
    CTemperatureChartWnd& operator=(const CTemperatureChartWnd&) = delete;

    // Shows the borrowed records of one day; an empty list keeps what the page shows.
    void SetData(CObList* pRecords, COleDateTime& firstTime, int nInterval, const char* pszKindName);
    // Prints one chart page per run of records of one date, each between StartPage and EndPage.
    void PrintDays(CObList* pRecords, CDC* pDC);

    CChartCtrl* m_pChart = nullptr;               // owned; null until a search with records
    CChartLineSerie* m_pSerie = nullptr;          // owned by the chart
    CChartStandardAxis* m_pLeftAxis = nullptr;    // owned by the chart
    CChartDateTimeAxis* m_pBottomAxis = nullptr;  // owned by the chart
    COleDateTime m_firstTime;
    int m_nInterval = 0;
    int m_nCount = 0;
    int m_nYMin;  // temperature axis range, written by the search from the device kind
    int m_nYMax;
    CString m_strKindName;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    // A new chart control on the page with its white background; the caller owns it.
    CChartCtrl* CreateChart(const RECT& rect);
    // The temperature axis on the left and the day's time axis at the bottom, its range ending
    // at the day's last logging slot.
    void BuildAxes(CChartCtrl& chart, double dayStart, int nInterval, CChartStandardAxis*& pLeft,
                   CChartDateTimeAxis*& pBottom) const;
    CChartLineSerie* AddLine(CChartCtrl& chart, COLORREF color) const;
    void PrintDay(CObList& day, CDC* pDC);
    // Time axis range and scroll bar for a window of at most one point per two pixels.
    void FitTimeWindow(int clientWidth);
};
