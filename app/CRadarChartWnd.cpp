// The "Radar Chart" page: the title band over the chart.
#include "app/CRadarChartWnd.h"

#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartTitleWnd.h"
#include "framework/CDC.h"

// Its run-time class reports CWnd as the base.
IMPLEMENT_DYNAMIC(CRadarChartWnd, CWnd)

BEGIN_MESSAGE_MAP(CRadarChartWnd, CTabCtrlChildWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
const DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
}

CRadarChartWnd::CRadarChartWnd() : m_pTitleWnd(nullptr), m_pGraphWnd(nullptr)
{
}

CRadarChartWnd::~CRadarChartWnd()
{
    delete m_pTitleWnd;
    delete m_pGraphWnd;
}

int CRadarChartWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabCtrlChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pTitleWnd = new CRadarChartTitleWnd;
    m_pTitleWnd->Create(nullptr, "", kChildStyle, CRect(0, 0, 0, 0), this, IDC_RADAR_TITLE);
    m_pTitleWnd->m_strText.Format("Duration:   %s  ~  %s", "2020-01-20", "2010-01-06");
    m_pGraphWnd = new CRadarChartGraphWnd;
    m_pGraphWnd->Create(nullptr, "", kChildStyle, CRect(0, 0, 0, 0), this, IDC_RADAR_GRAPH);
    return 0;
}

void CRadarChartWnd::PaintWhite(CWnd* pWnd)
{
    CPaintDC dc(pWnd);
    CRect client;
    pWnd->GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
}

void CRadarChartWnd::OnPaint()
{
    PaintWhite(this);
}

void CRadarChartWnd::OnSize(UINT nType, int cx, int cy)
{
    CTabCtrlChildWnd::OnSize(nType, cx, cy);
    CRect client;
    GetClientRect(&client);
    if (m_pTitleWnd != nullptr && m_pTitleWnd->GetSafeHwnd() != nullptr)
        m_pTitleWnd->MoveWindow(client.left, client.top, client.Width(), RADAR_BAND_HEIGHT - client.top, TRUE);
    if (m_pGraphWnd != nullptr && m_pGraphWnd->GetSafeHwnd() != nullptr)
        m_pGraphWnd->MoveWindow(client.left, RADAR_BAND_HEIGHT, client.Width(), client.bottom - RADAR_BAND_HEIGHT,
                                TRUE);
}
