// The "Radar Chart" page: the title band over the chart.
#pragma once

#include "app/CTabCtrlChildWnd.h"

class CRadarChartTitleWnd;
class CRadarChartGraphWnd;

const int RADAR_BAND_HEIGHT = 20;
const UINT IDC_RADAR_TITLE = 100;
const UINT IDC_RADAR_GRAPH = 101;

class CRadarChartWnd : public CTabCtrlChildWnd
{
    DECLARE_DYNAMIC(CRadarChartWnd)

public:
    CRadarChartWnd();
    ~CRadarChartWnd() override;
    CRadarChartWnd(const CRadarChartWnd&) = delete;
    CRadarChartWnd& operator=(const CRadarChartWnd&) = delete;

    CRadarChartTitleWnd* m_pTitleWnd;  // owned
    CRadarChartGraphWnd* m_pGraphWnd;  // owned

    // The white fill of a page without a picture of its own; the graph page paints with it too.
    static void PaintWhite(CWnd* pWnd);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
