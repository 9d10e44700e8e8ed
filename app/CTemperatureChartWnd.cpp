// The "GRAPH" page: one day's temperatures on the chart control.
#include "app/CTemperatureChartWnd.h"

#include "app/CRadarChartWnd.h"
#include "app/TempRecord.h"
#include "chart/ChartCtrl.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartLineSerie.h"
#include "chart/ChartScrollBar.h"
#include "chart/ChartStandardAxis.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const UINT kChartId = 100;
const DWORD kChartStyle = WS_VISIBLE | WS_CLIPCHILDREN;
const COLORREF kScreenLine = 0x0000FF;
const COLORREF kPrintLine = 0x000000;
const double kMinutesPerDay = 1440.0;

// The time of day of a "HH:MM" text as a fraction of a day.
double TimeOfDay(const CString& time)
{
    const int hour = std::atoi(time.Left(2));
    const int minute = std::atoi(time.Mid(3, 2));
    return hour / 24.0 + minute / kMinutesPerDay;
}

// Midnight starting the day of a record's "YYYY-MM-DD" date.
double DayStartOf(const TempRecord& record)
{
    const COleDateTime day(std::atoi(record.strDate.Left(4)), std::atoi(record.strDate.Mid(5, 2)),
                           std::atoi(record.strDate.Mid(8, 2)), 0, 0, 0);
    return static_cast<DATE>(day);
}

double MidnightOf(const COleDateTime& time)
{
    const COleDateTime day(time.GetYear(), time.GetMonth(), time.GetDay(), 0, 0, 0);
    return static_cast<DATE>(day);
}

int VisiblePoints(int count, int clientWidth)
{
    return std::min(count, clientWidth / 2);
}

void SetRange(CChartAxis& axis, double min, double max)
{
    axis.dMin = axis.dHomeMin = min;
    axis.dMax = axis.dHomeMax = max;
    axis.SyncScrollBar();
}
}  // namespace

IMPLEMENT_DYNAMIC(CTemperatureChartWnd, CTabCtrlChildWnd)

BEGIN_MESSAGE_MAP(CTemperatureChartWnd, CTabCtrlChildWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CTemperatureChartWnd::CTemperatureChartWnd() : m_firstTime(0.0), m_nYMin(0), m_nYMax(0)
{
}

CTemperatureChartWnd::~CTemperatureChartWnd()
{
    delete m_pChart;
}

int CTemperatureChartWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CTabCtrlChildWnd::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CTemperatureChartWnd::OnPaint()
{
    CRadarChartWnd::PaintWhite(this);
}

CChartCtrl* CTemperatureChartWnd::CreateChart(const RECT& rect)
{
    CChartCtrl* chart = new CChartCtrl;
    if (chart->Create("ChartCtrl", "", kChartStyle, rect, this, kChartId))
        chart->Redraw();
    chart->crBackground = 0xFFFFFF;
    chart->bGradient = false;
    chart->Redraw();
    return chart;
}

void CTemperatureChartWnd::BuildAxes(CChartCtrl& chart, double dayStart, int nInterval, CChartStandardAxis*& pLeft,
                                     CChartDateTimeAxis*& pBottom) const
{
    pLeft = new CChartStandardAxis;
    chart.PlaceAxis(pLeft, ChartAxisSide::Left);
    pBottom = chart.AddTimeAxis();

    SetRange(*pLeft, m_nYMin, m_nYMax);
    chart.Redraw();
    pLeft->SetFixedTickStep(5.0);

    SetRange(*pBottom, dayStart, dayStart + (1.0 - nInterval / kMinutesPerDay));
    chart.Redraw();
    pBottom->bAutoStep = false;
    pBottom->eTickUnit = ChartTimeUnit::Minute;
    pBottom->nUnitsPerTick = 240;
    pBottom->bAutoFormat = false;
    pBottom->strTickFormat = "%H:%M";
    chart.Redraw();
}

CChartLineSerie* CTemperatureChartWnd::AddLine(CChartCtrl& chart, COLORREF color) const
{
    CChartLineSerie* serie = new CChartLineSerie(&chart);
    serie->nPenWidth = 1;
    serie->nPenStyle = 0;
    serie->bCurved = false;
    serie->bDropShadow = false;
    chart.InsertSeries(serie);
    serie->nPenWidth = 1;
    chart.Redraw();
    serie->crSeries = color;
    chart.Redraw();
    return serie;
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

    delete m_pChart;
    m_pChart = nullptr;
    RECT client;
    GetClientRect(&client);
    m_pChart = CreateChart(client);

    const double dayStart = MidnightOf(m_firstTime);
    BuildAxes(*m_pChart, dayStart, m_nInterval, m_pLeftAxis, m_pBottomAxis);
    GetClientRect(&client);
    const int visible = VisiblePoints(m_nCount, client.right - client.left);
    if (m_nCount > visible && m_pBottomAxis->pAxisScrollBar != nullptr)
    {
        m_pBottomAxis->pAxisScrollBar->bActive = true;
        m_pBottomAxis->pAxisScrollBar->ShowWindow(SW_SHOW);
    }
    m_pSerie = AddLine(*m_pChart, kScreenLine);

    // Every point lies on the start day: the record's own date is not read.
    std::vector<double> x;
    std::vector<double> y;
    x.reserve(m_nCount);
    y.reserve(m_nCount);
    POSITION position = pRecords->GetHeadPosition();
    while (position != nullptr)
    {
        const TempRecord* record = static_cast<const TempRecord*>(pRecords->GetNext(position));
        x.push_back(dayStart + TimeOfDay(record->strTime));
        y.push_back(std::atof(record->strTemp));
    }
    m_pSerie->ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
}

void CTemperatureChartWnd::OnSize(UINT nType, int cx, int cy)
{
    CTabCtrlChildWnd::OnSize(nType, cx, cy);
    if (m_pChart == nullptr || m_pChart->GetSafeHwnd() == nullptr)
        return;
    RECT client;
    GetClientRect(&client);
    m_pChart->MoveWindow(&client, TRUE);
    FitTimeWindow(client.right - client.left);
}

void CTemperatureChartWnd::FitTimeWindow(int clientWidth)
{
    const int visible = VisiblePoints(m_nCount, clientWidth);
    const double first = static_cast<DATE>(m_firstTime);
    SetRange(*m_pBottomAxis, first, first + (visible * m_nInterval) / kMinutesPerDay);
    m_pChart->Redraw();
    CChartScrollBar* bar = m_pBottomAxis->pAxisScrollBar;
    if (bar == nullptr)
        return;
    bar->bActive = m_nCount > visible;
    bar->ShowWindow(bar->bActive ? SW_SHOW : SW_HIDE);
}

void CTemperatureChartWnd::PrintDays(CObList* pRecords, CDC* pDC)
{
    // A day is a run of consecutive records of one date; a date that comes back later is a
    // page of its own.
    POSITION position = pRecords->GetHeadPosition();
    while (position != nullptr)
    {
        CObList day(10);
        const TempRecord* first = static_cast<const TempRecord*>(pRecords->GetAt(position));
        while (position != nullptr)
        {
            POSITION next = position;
            TempRecord* record = static_cast<TempRecord*>(pRecords->GetNext(next));
            if (record->strDate != first->strDate)
                break;
            day.AddTail(record);
            position = next;
        }
        PrintDay(day, pDC);
    }
}

void CTemperatureChartWnd::PrintDay(CObList& day, CDC* pDC)
{
    const TempRecord* first = static_cast<const TempRecord*>(day.GetHead());
    // The day's own interval from its first two records; a day of one record, or records not
    // in time order, takes the logging interval of the screen chart.
    int interval = m_nInterval;
    if (day.GetCount() >= 2)
    {
        const TempRecord* second = static_cast<const TempRecord*>(day.GetAt(day.FindIndex(1)));
        const int between = second->nMinuteIndex - first->nMinuteIndex;
        if (between > 0 && between < 1440)
            interval = between;
    }
    if (interval <= 0 || interval >= 1440)
        interval = 0;
    const double dayStart = DayStartOf(*first);
    CString heading;
    heading.Format("%s (%s)", m_strKindName.GetString(), first->strDate.GetString());

    const RECT none = {0, 0, 0, 0};
    CChartCtrl* chart = CreateChart(none);
    CChartStandardAxis* left = nullptr;
    CChartDateTimeAxis* bottom = nullptr;
    BuildAxes(*chart, dayStart, interval, left, bottom);
    CChartLineSerie* serie = AddLine(*chart, kPrintLine);

    // The printed line takes whole degrees (truncated), the screen line the decimal value.
    std::vector<double> x;
    std::vector<double> y;
    POSITION position = day.GetHeadPosition();
    while (position != nullptr)
    {
        const TempRecord* record = static_cast<const TempRecord*>(day.GetNext(position));
        x.push_back(dayStart + TimeOfDay(record->strTime));
        y.push_back(std::atoi(record->strTemp));
    }
    serie->ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
    chart->PrintToDC(pDC, std::string(heading.GetString()));
    delete chart;
}
