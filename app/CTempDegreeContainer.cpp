// The view window: the controls band, the tab control with its three pages, and the search that
// feeds them.
#include "app/CTempDegreeContainer.h"

#include "app/CKelvoroApp.h"
#include "app/CRadarChartGraphWnd.h"
#include "app/CRadarChartTitleWnd.h"
#include "app/CRadarChartWnd.h"
#include "app/CTemperatureChartWnd.h"
#include "app/CTemperatureGridWnd.h"
#include "app/RadarConstants.h"
#include "app/TempDegreeContainerSearch.h"
#include "app/ViewControlIds.h"
#include "framework/CDC.h"
#include "framework/CWaitCursor.h"

BEGIN_MESSAGE_MAP(CTempDegreeContainer, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_VIEW_PRINT, OnPrintButton)
    ON_BN_CLICKED(IDC_VIEW_SEARCH, OnSearchButton)
    ON_BN_CLICKED(IDC_VIEW_FILE, OnFileButton)
END_MESSAGE_MAP()

namespace
{
const int kBandHeight = 60;
const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
const DWORD kHiddenBorderedChild = WS_CHILD | WS_BORDER;

void SetControlFont(CWnd& control)
{
    control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(g_fontControl.GetSafeHandle()), TRUE);
}
}  // namespace

CTempDegreeContainer::CTempDegreeContainer() = default;

CTempDegreeContainer::~CTempDegreeContainer()
{
    ClearRecords();
    delete m_pGridWnd;
    delete m_pChartWnd;
    delete m_pRadarWnd;
}

BOOL CTempDegreeContainer::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    return TRUE;
}

int CTempDegreeContainer::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    m_dateCtrl.Create(kVisibleChild, CRect(50, 35, 150, 55), this, IDC_VIEW_DATE);
    m_btnDay.Create("Day", kVisibleChild | WS_GROUP | BS_AUTORADIOBUTTON, CRect(190, 35, 240, 55), this,
                    IDC_VIEW_DAY);
    m_btnWeek.Create("Week", kVisibleChild | BS_AUTORADIOBUTTON, CRect(260, 35, 320, 55), this, IDC_VIEW_WEEK);
    m_btnDay.SetCheck(BST_CHECKED);
    m_btnPrint.Create("Print", kVisibleChild | WS_GROUP | BS_PUSHBUTTON, CRect(380, 35, 450, 55), this,
                      IDC_VIEW_PRINT);
    m_btnPrint.EnableWindow(FALSE);
    m_btnSearch.Create("Search", kVisibleChild | WS_GROUP | BS_PUSHBUTTON, CRect(460, 35, 530, 55), this,
                       IDC_VIEW_SEARCH);
    m_btnSearch.EnableWindow(FALSE);
    m_btnFile.Create("File", kVisibleChild | BS_PUSHBUTTON, CRect(540, 35, 610, 55), this, IDC_VIEW_FILE);
    if (!m_tabCtrl.Create(kVisibleChild | TCS_OWNERDRAWFIXED, CRect(0, 0, 0, 0), this, IDC_VIEW_TABS))
        return -1;

    CreatePages();
    m_tabCtrl.SelectPage(0);

    CWnd* bandControls[] = {&m_dateCtrl, &m_btnDay, &m_btnWeek, &m_btnPrint, &m_btnSearch, &m_btnFile};
    for (CWnd* control : bandControls)
        SetControlFont(*control);
    return 0;
}

void CTempDegreeContainer::CreatePages()
{
    const CRect empty(0, 0, 0, 0);
    m_pGridWnd = new CTemperatureGridWnd;
    m_pGridWnd->Create(nullptr, "", kVisibleChild, empty, &m_tabCtrl, IDC_PAGE_GRID);
    m_pGridWnd->m_pContainer = this;
    m_tabCtrl.AddPage("DOC", m_pGridWnd);

    m_pChartWnd = new CTemperatureChartWnd;
    m_pChartWnd->Create(nullptr, "", kHiddenBorderedChild, empty, &m_tabCtrl, IDC_PAGE_CHART);
    m_tabCtrl.AddPage("GRAPH", m_pChartWnd);

    m_pRadarWnd = new CRadarChartWnd;
    m_pRadarWnd->Create(nullptr, "", kHiddenBorderedChild, empty, &m_tabCtrl, IDC_PAGE_RADAR);
    m_tabCtrl.AddPage("Radar Chart", m_pRadarWnd);
}

void CTempDegreeContainer::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawBand(dc, client);
}

void CTempDegreeContainer::DrawBand(CDC& dc, const CRect& client)
{
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));

    CFont* pOldFont = dc.SelectObject(&g_fontControl);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CString product;
    product.Format("Product  %s", m_strTitle.GetString());
    CRect productRect(10, 0, client.right, 30);
    dc.DrawText(product, &productRect, DT_VCENTER | DT_SINGLELINE);
    CRect dateRect(10, 30, client.right, kBandHeight);
    dc.DrawText("Date", &dateRect, DT_VCENTER | DT_SINGLELINE);
    dc.SelectObject(pOldFont);
}

void CTempDegreeContainer::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_tabCtrl.GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    m_tabCtrl.MoveWindow(client.left, kBandHeight, client.Width(), client.bottom - kBandHeight, TRUE);
}

void CTempDegreeContainer::OnPrintButton()
{
    Print();
}

void CTempDegreeContainer::OnSearchButton()
{
    CWaitCursor wait;
    Search();
}

void CTempDegreeContainer::Search()
{
    SYSTEMTIME picked = {};
    m_dateCtrl.GetTime(&picked);
    // The walk throws before anything changes when the picked moment cannot be converted.
    SearchWalk walk;
    RunSearchWalk(picked, m_btnWeek.GetCheck() == BST_CHECKED, m_records, m_nDeviceKind, walk);
    m_strSearchStart = walk.strSearchStart;
    m_strSearchEnd = walk.strSearchEnd;

    if (m_pGridWnd != nullptr)
        m_pGridWnd->SetRecords(&walk.tableList);
    if (m_pChartWnd != nullptr)
    {
        m_pChartWnd->m_nYMin = walk.pKind->nYMin;
        m_pChartWnd->m_nYMax = walk.pKind->nYMax;
        m_pChartWnd->SetData(&walk.graphList, walk.firstTime, m_nInterval, walk.pKind->pszCaption);
    }
    FeedRadar(walk);
    m_btnPrint.EnableWindow(walk.bPrintEnabled);
}

void CTempDegreeContainer::FeedRadar(const SearchWalk& walk)
{
    if (m_pRadarWnd == nullptr || m_pRadarWnd->m_pGraphWnd == nullptr)
        return;
    CRadarChartGraphWnd* pGraph = m_pRadarWnd->m_pGraphWnd;
    pGraph->m_strKindName = walk.pKind->pszCaption;
    CRadarChartTitleWnd* pBand = m_pRadarWnd->m_pTitleWnd;
    if (pBand != nullptr)
    {
        pBand->m_strText = walk.strRadarTitle;
        // The band draws its text only when it paints: left alone it would go on naming the
        // previous week above the new trace.
        if (pBand->GetSafeHwnd() != nullptr)
            pBand->InvalidateRect(nullptr, FALSE);
    }
    pGraph->m_strStart = walk.strSearchStart;
    pGraph->m_strEnd = walk.strWeekLastDay;
    pGraph->m_nKind = m_nDeviceKind;
    pGraph->SetScaleForKind(m_nDeviceKind);
    FillRadarSlots(walk.radarList, pGraph->m_pValues, pGraph->m_pAngles);
    pGraph->m_nCount = RADAR_MINUTES;
    if (pGraph->GetSafeHwnd() != nullptr)
        pGraph->InvalidateRect(nullptr, FALSE);
}
