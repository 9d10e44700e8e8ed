// The "GRAPH" page on its own: the chart it builds for a day, its resizing, and the chart
// pages it prints for a list of days (drawn onto an enhanced metafile and read back).
#include "ViewHost.h"

#include "app/CTemperatureChartWnd.h"
#include "app/TempRecord.h"
#include "chart/ChartCtrl.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartLineSerie.h"
#include "chart/ChartScrollBar.h"
#include "chart/ChartStandardAxis.h"
#include "framework/CDC.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Records of one date at a fixed interval from 00:00, owned by the test.
class RecordSet
{
public:
    ~RecordSet()
    {
        for (TempRecord* record : m_all)
            delete record;
    }

    void AddDay(const char* date, int count, int interval, const char* temp = "-20.0")
    {
        for (int i = 0; i < count; ++i)
            Add(date, i * interval, temp);
    }

    void Add(const char* date, int minuteOfDay, const char* temp)
    {
        TempRecord* record = new TempRecord;
        record->strDate = date;
        char time[8];
        std::snprintf(time, sizeof(time), "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
        record->strTime = time;
        record->strTemp = temp;
        record->nMinuteIndex = DayIndex(date) * 1440 + minuteOfDay;
        m_all.push_back(record);
        list.AddTail(record);
    }

    CObList list{10};

private:
    static int DayIndex(const char* date) { return std::atoi(date + 8); }
    std::vector<TempRecord*> m_all;
};

class GraphPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        EnsureViewPrerequisites();
        // Hidden: nothing here reads the screen, and tests running beside this one may.
        m_host = ::CreateWindowExA(0, "KelvoroViewTestHost", "GRAPH", WS_OVERLAPPEDWINDOW, 0, 0, 900, 600, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        page.m_nYMin = -90;
        page.m_nYMax = 30;
        page.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), CWnd::FromHandle(m_host), 1);
    }

    void TearDown() override
    {
        page.DestroyWindow();
        ::DestroyWindow(m_host);
    }

    void Show(RecordSet& records, const char* kind = "ULT-FREEZER", int interval = 10)
    {
        COleDateTime first(2023, 5, 15, 0, 0, 0);
        page.SetData(&records.list, first, interval, kind);
    }

    void ResizePage(int width, int height)
    {
        page.MoveWindow(0, 0, width, height, TRUE);
    }

    static std::vector<std::string> TickLabels(const CChartAxis& axis)
    {
        std::vector<std::string> labels;
        for (double tick : axis.TickValues())
            labels.push_back(axis.FormatTickText(tick));
        return labels;
    }

    CTemperatureChartWnd page;

private:
    HWND m_host = nullptr;
};

const double kMay15 = COleDateTime(2023, 5, 15, 0, 0, 0);

TEST_F(GraphPage, DayOf144RecordsAt10MinutesRunsFromMidnightTo2350WithTicksEveryFourHours)
{
    RecordSet records;
    records.AddDay("2023-05-15", 144, 10, "-12.5");
    Show(records);

    ASSERT_NE(nullptr, page.m_pChart);
    HWND chart = page.m_pChart->GetSafeHwnd();
    ASSERT_NE(nullptr, chart);
    char className[32] = {};
    ::GetClassNameA(chart, className, sizeof(className));
    EXPECT_STREQ("ChartCtrl", className);
    EXPECT_EQ(100, ::GetDlgCtrlID(chart));
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN),
              ::GetWindowLongA(chart, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN));

    ASSERT_NE(nullptr, page.m_pBottomAxis);
    EXPECT_DOUBLE_EQ(kMay15, page.m_pBottomAxis->dMin);
    EXPECT_DOUBLE_EQ(kMay15 + 1430.0 / 1440.0, page.m_pBottomAxis->dMax);
    const std::vector<std::string> expectedTicks = {"00:00", "04:00", "08:00", "12:00", "16:00", "20:00"};
    EXPECT_EQ(expectedTicks, TickLabels(*page.m_pBottomAxis));

    ASSERT_NE(nullptr, page.m_pLeftAxis);
    EXPECT_DOUBLE_EQ(-90.0, page.m_pLeftAxis->dMin);
    EXPECT_DOUBLE_EQ(30.0, page.m_pLeftAxis->dMax);
    EXPECT_DOUBLE_EQ(5.0, page.m_pLeftAxis->dTickStep);

    ASSERT_NE(nullptr, page.m_pSerie);
    EXPECT_EQ(0x0000FFu, page.m_pSerie->crSeries);
    ASSERT_EQ(144u, page.m_pSerie->PointCount());
    EXPECT_DOUBLE_EQ(-12.5, page.m_pSerie->store.At(0).dY);
    EXPECT_DOUBLE_EQ(kMay15 + 1430.0 / 1440.0, page.m_pSerie->store.At(143).dX);
}

struct WidthCase
{
    int width;
    bool barActive;
    double spanMinutes;  // of the time axis after a resize to this width
};

TEST_F(GraphPage, NarrowPageActivatesTheTimeScrollBarAndShowsOnePointPerTwoPixels)
{
    const WidthCase cases[] = {
        {400, false, 1440.0},  // 144 points fit: the window holds them all
        {200, true, 1000.0},   // 100 of 144 points: the bar scrolls the rest
        {1, true, 0.0},        // no point fits: the axis stands still at the first record
    };
    for (const WidthCase& widthCase : cases)
    {
        SCOPED_TRACE(widthCase.width);
        ResizePage(widthCase.width, 300);
        RecordSet records;
        records.AddDay("2023-05-15", 144, 10);
        Show(records);
        ASSERT_NE(nullptr, page.m_pBottomAxis->pAxisScrollBar);
        EXPECT_EQ(widthCase.barActive, page.m_pBottomAxis->pAxisScrollBar->bActive);

        ResizePage(widthCase.width, 301);
        CChartScrollBar* bar = page.m_pBottomAxis->pAxisScrollBar;
        EXPECT_EQ(widthCase.barActive, bar->bActive);
        EXPECT_EQ(widthCase.barActive, (::GetWindowLongA(bar->GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE) != 0);
        EXPECT_DOUBLE_EQ(kMay15, page.m_pBottomAxis->dMin);
        EXPECT_NEAR(kMay15 + widthCase.spanMinutes / 1440.0, page.m_pBottomAxis->dMax, 1e-9);
    }
}

TEST_F(GraphPage, EmptyDayKeepsThePreviousChart)
{
    RecordSet day;
    day.AddDay("2023-05-15", 144, 10);
    Show(day);
    CChartCtrl* before = page.m_pChart;
    RecordSet none;
    COleDateTime later(2023, 6, 1, 0, 0, 0);
    page.SetData(&none.list, later, 5, "VANTORI FREEZER");
    EXPECT_EQ(before, page.m_pChart);
    EXPECT_DOUBLE_EQ(kMay15, page.m_firstTime);
    EXPECT_EQ(10, page.m_nInterval);
    EXPECT_EQ(144, page.m_nCount);
    EXPECT_STREQ("ULT-FREEZER", page.m_strKindName);
}

// Counts the access violations raised while it lives. A fault in a window procedure never
// reaches the test: the system swallows exceptions raised in a message it sends, so only a
// first-chance handler sees them.
class AccessViolationCount
{
public:
    AccessViolationCount() : m_handler(::AddVectoredExceptionHandler(1, &Note)) { s_count = 0; }
    ~AccessViolationCount() { ::RemoveVectoredExceptionHandler(m_handler); }
    int Count() const { return s_count; }

private:
    static LONG CALLBACK Note(EXCEPTION_POINTERS* info)
    {
        if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
            ++s_count;
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static int s_count;
    void* m_handler;
};

int AccessViolationCount::s_count = 0;

TEST_F(GraphPage, ResizeBeforeAnyChartDoesNothing)
{
    AccessViolationCount faults;
    ResizePage(200, 200);
    EXPECT_EQ(0, faults.Count());
    EXPECT_EQ(nullptr, page.m_pChart);
}

// What a printed chart page drew: its heading and the vertices of its line.
struct PrintedChart
{
    std::vector<std::string> texts;
    std::vector<std::vector<POINT>> polylines;
};

int CALLBACK CollectChartRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    PrintedChart& printed = *reinterpret_cast<PrintedChart*>(data);
    if (record->iType == EMR_EXTTEXTOUTW)
    {
        const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const wchar_t* text =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const char*>(record) + out->emrtext.offString);
        char narrow[256] = {};
        ::WideCharToMultiByte(949, 0, text, static_cast<int>(out->emrtext.nChars), narrow, sizeof(narrow) - 1,
                              nullptr, nullptr);
        printed.texts.push_back(narrow);
    }
    else if (record->iType == EMR_POLYLINE16)
    {
        const auto* line = reinterpret_cast<const EMRPOLYLINE16*>(record);
        std::vector<POINT> points;
        for (DWORD i = 0; i < line->cpts; ++i)
            points.push_back({line->apts[i].x, line->apts[i].y});
        printed.polylines.push_back(points);
    }
    else if (record->iType == EMR_POLYLINE)
    {
        const auto* line = reinterpret_cast<const EMRPOLYLINE*>(record);
        std::vector<POINT> points;
        for (DWORD i = 0; i < line->cptl; ++i)
            points.push_back({line->aptl[i].x, line->aptl[i].y});
        printed.polylines.push_back(points);
    }
    return 1;
}

// Prints the list's days onto a metafile made for the screen (its pages run together).
PrintedChart PrintOnMetafile(CTemperatureChartWnd& page, CObList& list)
{
    HDC screen = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(::CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr));
    ::ReleaseDC(nullptr, screen);
    dc.m_bPrinting = TRUE;
    page.PrintDays(&list, &dc);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(dc.Detach());
    PrintedChart printed;
    ::EnumEnhMetaFile(nullptr, metafile, &CollectChartRecord, &printed, nullptr);
    ::DeleteEnhMetaFile(metafile);
    return printed;
}

std::vector<size_t> LineLengthsOver(const PrintedChart& printed, size_t minimum)
{
    std::vector<size_t> lengths;
    for (const std::vector<POINT>& line : printed.polylines)
        if (line.size() >= minimum)
            lengths.push_back(line.size());
    return lengths;
}

std::vector<std::string> Headings(const PrintedChart& printed)
{
    std::vector<std::string> headings;
    for (const std::string& text : printed.texts)
        if (text.find("FREEZER (") != std::string::npos)
            headings.push_back(text);
    return headings;
}

TEST_F(GraphPage, PrintsOnePagePerRunOfOneDate)
{
    RecordSet screen;
    screen.AddDay("2023-05-15", 144, 10);
    Show(screen);

    RecordSet week;
    week.AddDay("2023-05-15", 144, 10);
    week.AddDay("2023-05-16", 144, 10);
    week.AddDay("2023-05-17", 10, 30);
    week.AddDay("2023-05-16", 3, 10);  // a date that comes back is a page of its own
    const PrintedChart printed = PrintOnMetafile(page, week.list);
    const std::vector<std::string> expected = {"ULT-FREEZER (2023-05-15)", "ULT-FREEZER (2023-05-16)",
                                               "ULT-FREEZER (2023-05-17)", "ULT-FREEZER (2023-05-16)"};
    EXPECT_EQ(expected, Headings(printed));
    EXPECT_EQ((std::vector<size_t>{144, 144, 10, 3}), LineLengthsOver(printed, 3));
    // Printing leaves the screen chart as it was.
    EXPECT_EQ(144u, page.m_pSerie->PointCount());
    EXPECT_EQ(0x0000FFu, page.m_pSerie->crSeries);
}

TEST_F(GraphPage, PrintedLineTakesWholeDegrees)
{
    RecordSet screen;
    screen.AddDay("2023-05-15", 4, 60);
    Show(screen);

    RecordSet day;
    day.Add("2023-05-15", 0, "-12.5");
    day.Add("2023-05-15", 60, "-12.0");
    day.Add("2023-05-15", 120, "0.9");
    day.Add("2023-05-15", 180, "0.0");
    const PrintedChart printed = PrintOnMetafile(page, day.list);
    std::vector<POINT> line;
    for (const std::vector<POINT>& candidate : printed.polylines)
        if (candidate.size() == 4)
            line = candidate;
    ASSERT_EQ(4u, line.size());
    EXPECT_EQ(line[0].y, line[1].y);  // -12.5 prints as -12
    EXPECT_EQ(line[2].y, line[3].y);  // 0.9 prints as 0
    EXPECT_NE(line[1].y, line[2].y);
}

TEST_F(GraphPage, DayOfOneRecordPrintsWithTheScreenInterval)
{
    RecordSet screen;
    screen.AddDay("2023-05-15", 4, 300);
    Show(screen, nullptr, 300);

    RecordSet day;
    day.Add("2023-05-20", 600, "-30.0");
    const PrintedChart printed = PrintOnMetafile(page, day.list);
    // A null kind name gives headings that begin with the blank.
    EXPECT_NE(printed.texts.end(), std::find(printed.texts.begin(), printed.texts.end(), " (2023-05-20)"));
    // The time axis ends at the last slot of a 300-minute log, 19:00: no tick at 20:00 (as
    // with 10 minutes) nor at midnight (as with none).
    std::vector<std::string> times;
    for (const std::string& text : printed.texts)
        if (text.size() == 5 && text[2] == ':')
            times.push_back(text);
    EXPECT_EQ((std::vector<std::string>{"00:00", "04:00", "08:00", "12:00", "16:00"}), times);
}
}  // namespace
