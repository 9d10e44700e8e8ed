// The "DOC" page as a user sees it: rows and cells after a search, and the alarm-only filter.
#include "ViewLogs.h"

#include "app/CTemperatureGridWnd.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Row
{
    const char* date;
    const char* time;
    const char* temperature;
    const char* alarm;
};

void ExpectRows(const ViewHost& host, const std::vector<Row>& rows)
{
    ASSERT_EQ(static_cast<int>(rows.size()), host.RowCount());
    for (size_t i = 0; i < rows.size(); ++i)
    {
        const int r = static_cast<int>(i);
        EXPECT_EQ(rows[i].date, host.Cell(r, 0)) << "row " << i;
        EXPECT_EQ(rows[i].time, host.Cell(r, 1)) << "row " << i;
        EXPECT_EQ(rows[i].temperature, host.Cell(r, 2)) << "row " << i;
        EXPECT_EQ(rows[i].alarm, host.Cell(r, 3)) << "row " << i;
    }
}

const std::vector<Row> kStartDayRows = {
    {"2023-05-15", "08:00", "-85.0℃", ""},
    {"2023-05-15", "08:05", "-84.5℃", "HIGH TEMP ALARM"},
    {"2023-05-15", "08:10", "-83.9℃", ""},
};
}  // namespace

TEST(TablePage, ColumnsAreDateTimeTemperatureAndAlarmData)
{
    ViewHost host;
    HWND list = host.View().m_pGridWnd->m_pListView->m_hWnd;
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_EQ(4, static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)));
    const struct { const char* heading; int format; int width; } expected[] = {
        {"DATE", LVCFMT_CENTER, 144}, {"TIME", LVCFMT_CENTER, 96},
        {"TEMPERATURE", LVCFMT_CENTER, 144}, {"ALARM DATA", LVCFMT_LEFT, 360}};
    for (int i = 0; i < 4; ++i)
    {
        char text[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        ASSERT_TRUE(::SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(expected[i].heading, text);
        EXPECT_EQ(expected[i].format, column.fmt & LVCFMT_JUSTIFYMASK);
        EXPECT_EQ(expected[i].width, column.cx);
    }
    const DWORD exStyle = static_cast<DWORD>(::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              exStyle & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
}

TEST(TablePage, DaySearchShowsTheStartDaysRecordsWithDegreeSign)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    ExpectRows(host, kStartDayRows);
}

TEST(TablePage, WeekSearchShowsSevenDaysInFileOrderAndNotTheEighth)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ChooseWeek(true);
    host.ClickSearch();
    std::vector<Row> rows = kStartDayRows;
    rows.push_back({"2023-05-17", "12:00", "-80.0℃", "SENSOR ALARM"});
    rows.push_back({"2023-05-17", "12:30", "-79.0℃", ""});
    rows.push_back({"2023-05-21", "23:40", "-70.0℃", ""});
    rows.push_back({"2023-05-21", "23:50", "-71.0℃", "BLACKOUT ALARM"});
    ExpectRows(host, rows);
}

TEST(TablePage, AlarmOnlyBeforeAnySearchWaitsForTheNextSearch)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.ClickAlarmOnly();
    EXPECT_EQ(0, host.RowCount());
    EXPECT_TRUE(host.View().m_pGridWnd->m_bAlarmOnly);
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    ExpectRows(host, {kStartDayRows[1]});
}

TEST(TablePage, UncheckingRestoresTheLastSearchedRangeEvenAfterThePickerMoved)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    host.ClickAlarmOnly();
    ExpectRows(host, {kStartDayRows[1]});
    host.PickDate(2023, 5, 17);
    host.ClickAlarmOnly();
    EXPECT_FALSE(host.View().m_pGridWnd->m_bAlarmOnly);
    ExpectRows(host, kStartDayRows);
}

TEST(TablePage, AlarmOnlyOverARangeWithoutAlarmsEmptiesTheList)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 22);
    host.ClickSearch();
    ASSERT_EQ(1, host.RowCount());
    host.ClickAlarmOnly();
    EXPECT_EQ(0, host.RowCount());
}

TEST(TablePage, ASearchOnAnUnconvertibleDayChangesNothing)
{
    ViewHost host;
    host.Load(WeekWithAlarmsLog());
    host.PickDate(2023, 5, 15);
    host.ClickSearch();
    // 1950 lies before the runtime's local-time range: the search stops with the framework's error.
    host.PickDate(1950, 6, 1);
    bool thrown = false;
    try
    {
        host.View().Search();
    }
    catch (CException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_STREQ("2023-05-15", host.View().m_strSearchStart.GetString());
    ExpectRows(host, kStartDayRows);
    EXPECT_TRUE(::IsWindowEnabled(host.View().m_btnPrint.m_hWnd));
}
