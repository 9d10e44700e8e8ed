// The walk of the day and week search: lists, minute stamps, range texts, kind and radar slots.
#include "LogTestSupport.h"

#include "app/RadarConstants.h"
#include "app/TempDegreeContainerSearch.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Describe(const CObList& list)
{
    std::vector<std::string> lines;
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr) {
        const TempRecord* p = static_cast<const TempRecord*>(list.GetNext(pos));
        lines.push_back(std::string(p->strDate) + " " + p->strTime.GetString());
    }
    return lines;
}

struct Row
{
    const char* pszDate;
    const char* pszTime;
};

struct WalkCase
{
    const char* pszName;
    std::vector<Row> records;
    int nYear, nMonth, nDay;  // picked day (at 10:30 local)
    bool bWeek;
    std::vector<std::string> table;
    std::vector<std::string> graph;
    std::vector<std::string> radar;
    const char* pszSearchEnd;
    const char* pszWeekLastDay;
};

const std::vector<Row> kWeekAndMore = {
    {"2023-05-14", "23:59"}, {"2023-05-15", "00:00"}, {"2023-05-15", "12:00"}, {"2023-05-16", "08:00"},
    {"2023-05-21", "23:59"}, {"2023-05-22", "00:00"}, {"2023-05-16", "09:00"},
};

const WalkCase kCases[] = {
    {"DayGivesTableAndGraphTheStartDayAndRadarTheWeek", kWeekAndMore, 2023, 5, 15, false,
     {"2023-05-15 00:00", "2023-05-15 12:00"},
     {"2023-05-15 00:00", "2023-05-15 12:00"},
     {"2023-05-15 00:00", "2023-05-15 12:00", "2023-05-16 08:00", "2023-05-21 23:59"},
     "2023-05-15", "2023-05-21"},
    {"WeekGivesTableTheWeekAndGraphStillTheStartDay", kWeekAndMore, 2023, 5, 15, true,
     {"2023-05-15 00:00", "2023-05-15 12:00", "2023-05-16 08:00", "2023-05-21 23:59"},
     {"2023-05-15 00:00", "2023-05-15 12:00"},
     {"2023-05-15 00:00", "2023-05-15 12:00", "2023-05-16 08:00", "2023-05-21 23:59"},
     "2023-05-21", "2023-05-21"},
    {"RecordsInsideTheWindowAreTakenWhereverTheyStand", kWeekAndMore, 2023, 5, 16, false,
     {"2023-05-16 08:00", "2023-05-16 09:00"},
     {"2023-05-16 08:00", "2023-05-16 09:00"},
     {"2023-05-16 08:00", "2023-05-21 23:59", "2023-05-22 00:00", "2023-05-16 09:00"},
     "2023-05-16", "2023-05-22"},
    {"StartDayWithoutRecordsButLaterInTheWeek", {{"2023-05-17", "06:00"}, {"2023-05-18", "07:00"}}, 2023, 5, 15,
     false, {}, {}, {"2023-05-17 06:00", "2023-05-18 07:00"}, "2023-05-15", "2023-05-21"},
    {"RecordsBeforeTheStartAnywhereAreSkipped",
     {{"2023-05-15", "01:00"}, {"2023-05-01", "01:00"}, {"2023-05-15", "02:00"}}, 2023, 5, 15, false,
     {"2023-05-15 01:00", "2023-05-15 02:00"}, {"2023-05-15 01:00", "2023-05-15 02:00"},
     {"2023-05-15 01:00", "2023-05-15 02:00"}, "2023-05-15", "2023-05-21"},
    {"RecordPastTheWeekEndsTheWalkEvenIfOthersFollow",
     {{"2023-05-15", "01:00"}, {"2023-06-01", "01:00"}, {"2023-05-15", "02:00"}}, 2023, 5, 15, true,
     {"2023-05-15 01:00"}, {"2023-05-15 01:00"}, {"2023-05-15 01:00"}, "2023-05-21", "2023-05-21"},
    {"WindowAcrossTheYearEndOrdersByCalendar",
     {{"2023-12-27", "10:00"}, {"2023-12-31", "23:00"}, {"2024-01-01", "00:00"}, {"2024-01-03", "23:59"},
      {"2024-01-04", "00:00"}},
     2023, 12, 28, true, {"2023-12-31 23:00", "2024-01-01 00:00", "2024-01-03 23:59"}, {},
     {"2023-12-31 23:00", "2024-01-01 00:00", "2024-01-03 23:59"}, "2024-01-03", "2024-01-03"},
    {"WindowAcrossFebruaryInALeapYear", {{"2024-02-29", "10:00"}, {"2024-03-02", "10:00"}}, 2024, 2, 26, true,
     {"2024-02-29 10:00", "2024-03-02 10:00"}, {}, {"2024-02-29 10:00", "2024-03-02 10:00"}, "2024-03-03",
     "2024-03-03"},
    {"EmptyListGivesEmptyLists", {}, 2023, 5, 15, true, {}, {}, {}, "2023-05-21", "2023-05-21"},
};

class SearchWalkCases : public ::testing::TestWithParam<WalkCase>
{
protected:
    ScopedTimeZone m_zone{"KST-9"};
};

TEST_P(SearchWalkCases, FillsTheThreeListsInFileOrder)
{
    const WalkCase& c = GetParam();
    RecordList records;
    for (const Row& row : c.records)
        records.Add(row.pszDate, row.pszTime);
    SearchWalk walk;
    RunSearchWalk(CTime(c.nYear, c.nMonth, c.nDay, 10, 30, 0), c.bWeek, records.list, 1, walk);
    EXPECT_EQ(c.table, Describe(walk.tableList));
    EXPECT_EQ(c.graph, Describe(walk.graphList));
    EXPECT_EQ(c.radar, Describe(walk.radarList));
    EXPECT_STREQ(c.pszSearchEnd, walk.strSearchEnd);
    EXPECT_STREQ(c.pszWeekLastDay, walk.strWeekLastDay);
    EXPECT_EQ(!c.graph.empty(), walk.bPrintEnabled);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchWalkCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WalkCase>& info) { return info.param.pszName; });

class SearchWalkTest : public ::testing::Test
{
protected:
    ScopedTimeZone m_zone{"KST-9"};
    RecordList m_records;
};

TEST_F(SearchWalkTest, MinuteIndexRunsFromStartMidnightOverTheWeek)
{
    TempRecord* pFirst = m_records.Add("2023-05-15", "00:00");
    TempRecord* pNoon = m_records.Add("2023-05-15", "12:01");
    TempRecord* pNextDay = m_records.Add("2023-05-16", "00:00");
    TempRecord* pLast = m_records.Add("2023-05-21", "23:59");
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 5, 15, 18, 45, 12), false, m_records.list, 1, walk);
    EXPECT_EQ(0, pFirst->nMinuteIndex);
    EXPECT_EQ(721, pNoon->nMinuteIndex);
    EXPECT_EQ(1440, pNextDay->nMinuteIndex);
    EXPECT_EQ(10079, pLast->nMinuteIndex);
}

TEST_F(SearchWalkTest, RecordsOutsideTheWindowKeepTheirMinuteIndex)
{
    TempRecord* pBefore = m_records.Add("2023-05-14", "23:59");
    TempRecord* pAfter = m_records.Add("2023-05-22", "00:00");
    TempRecord* pSetBack = m_records.Add("2023-05-15", "01:00");
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 5, 15, 0, 0, 0), true, m_records.list, 1, walk);
    EXPECT_EQ(-12345, pBefore->nMinuteIndex);
    EXPECT_EQ(-12345, pAfter->nMinuteIndex);
    EXPECT_EQ(-12345, pSetBack->nMinuteIndex);
}

TEST_F(SearchWalkTest, RangeTextsAndStartMidnight)
{
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 5, 15, 23, 59, 59), false, m_records.list, 1, walk);
    EXPECT_STREQ("2023-05-15", walk.strSearchStart);
    EXPECT_STREQ("2023-05-15", walk.strSearchEnd);
    EXPECT_STREQ("2023-05-21", walk.strWeekLastDay);
    EXPECT_STREQ("Duration:   2023-05-15  ~  2023-05-21", walk.strRadarTitle);
    EXPECT_DOUBLE_EQ(COleDateTime(2023, 5, 15, 0, 0, 0).m_dt, walk.startMidnight.m_dt);
}

TEST_F(SearchWalkTest, FirstTimeIsTheFirstRecordTakenOrZero)
{
    m_records.Add("2023-05-14", "08:00");
    m_records.Add("2023-05-17", "06:30");
    m_records.Add("2023-05-18", "07:00");
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 5, 15, 10, 0, 0), false, m_records.list, 1, walk);
    EXPECT_DOUBLE_EQ(COleDateTime(2023, 5, 17, 6, 30, 0).m_dt, walk.firstTime.m_dt);

    SearchWalk empty;
    RunSearchWalk(CTime(2024, 5, 15, 10, 0, 0), false, m_records.list, 1, empty);
    EXPECT_EQ(0.0, empty.firstTime.m_dt);
}

TEST_F(SearchWalkTest, DeviceKindGivesCaptionAndGraphRange)
{
    struct KindCase
    {
        int nKind;
        const char* pszCaption;
        int nYMin, nYMax;
    } const cases[] = {
        {1, "ULT-FREEZER", -90, 30}, {2, "VANTORI FREEZER", -45, 30}, {3, "VANTORI REFRIGERATOR", -5, 30},
        {0, "", 0, 0},               {4, "", 0, 0},
    };
    for (const KindCase& c : cases) {
        SearchWalk walk;
        RunSearchWalk(CTime(2023, 5, 15, 10, 0, 0), false, m_records.list, c.nKind, walk);
        ASSERT_NE(nullptr, walk.pKind);
        EXPECT_STREQ(c.pszCaption, walk.pKind->pszCaption);
        EXPECT_EQ(c.nYMin, walk.pKind->nYMin);
        EXPECT_EQ(c.nYMax, walk.pKind->nYMax);
    }
}

SYSTEMTIME PickerValue(WORD wYear, WORD wMonth, WORD wDay)
{
    SYSTEMTIME st = {};
    st.wYear = wYear;
    st.wMonth = wMonth;
    st.wDay = wDay;
    st.wHour = 10;
    return st;
}

TEST_F(SearchWalkTest, PickedYearFrom1900To1969FailsBeforeAnythingChanges)
{
    TempRecord* pRecord = m_records.Add("1969-05-15", "10:00");
    for (WORD wYear : {1900, 1950, 1969}) {
        SearchWalk walk;
        bool bThrown = false;
        try {
            RunSearchWalk(PickerValue(wYear, 5, 15), false, m_records.list, 1, walk);
        } catch (CInvalidArgException* pException) {
            pException->Delete();
            bThrown = true;
        }
        EXPECT_TRUE(bThrown) << wYear;
        EXPECT_TRUE(walk.radarList.IsEmpty());
        EXPECT_EQ(-12345, pRecord->nMinuteIndex);
    }
}

TEST_F(SearchWalkTest, PickedYearBefore1900SearchesTheEpochsLocalDay)
{
    TempRecord* pRecord = m_records.Add("1970-01-01", "09:00");
    SearchWalk walk;
    RunSearchWalk(PickerValue(1899, 12, 31), false, m_records.list, 1, walk);
    EXPECT_STREQ("1970-01-01", walk.strSearchStart);
    EXPECT_STREQ("1970-01-07", walk.strWeekLastDay);
    EXPECT_EQ(540, pRecord->nMinuteIndex);
    EXPECT_TRUE(walk.bPrintEnabled);
}

TEST_F(SearchWalkTest, RadarSlotsHoldTheMinuteTemperaturesAndNoValueElsewhere)
{
    m_records.Add("2023-05-15", "00:00", "-80.3");
    m_records.Add("2023-05-15", "00:05", "-79.9");
    m_records.Add("2023-05-15", "00:05", "-70.1");  // same minute: the later record wins
    m_records.Add("2023-05-21", "23:59", "4.5");
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 5, 15, 10, 0, 0), false, m_records.list, 1, walk);
    std::vector<float> values(RADAR_MINUTES, 0.0f);
    std::vector<double> angles(RADAR_MINUTES, 0.0);
    FillRadarSlots(walk.radarList, values.data(), angles.data());
    EXPECT_EQ(-80.3f, values[0]);
    EXPECT_EQ(-70.1f, values[5]);
    EXPECT_EQ(4.5f, values[10079]);
    int nEmpty = 0;
    for (float f : values)
        nEmpty += f == RADAR_NO_VALUE;
    EXPECT_EQ(RADAR_MINUTES - 3, nEmpty);
}

TEST_F(SearchWalkTest, RadarAnglesRunClockwiseEndingAtTwelveOClock)
{
    CObList none;
    std::vector<float> values(RADAR_MINUTES);
    std::vector<double> angles(RADAR_MINUTES);
    FillRadarSlots(none, values.data(), angles.data());
    const double k = 0.017453292519943295;
    EXPECT_EQ(90.0 * k, angles[RADAR_MINUTES - 1]);
    EXPECT_EQ((360.0 * 1 / RADAR_MINUTES + 90.0) * k, angles[RADAR_MINUTES - 2]);
    EXPECT_EQ((360.0 * (RADAR_MINUTES - 1) / RADAR_MINUTES + 90.0) * k, angles[0]);
    for (int i = 1; i < RADAR_MINUTES; ++i)
        ASSERT_LT(angles[i], angles[i - 1]) << i;
}

TEST_F(SearchWalkTest, RadarIgnoresStampsOutsideTheSlots)
{
    TempRecord* pRecord = m_records.Add("2023-05-15", "00:00", "1.0");
    CObList radar;
    radar.AddTail(pRecord);
    std::vector<float> values(RADAR_MINUTES);
    std::vector<double> angles(RADAR_MINUTES);
    for (int nIndex : {-1, RADAR_MINUTES}) {
        pRecord->nMinuteIndex = nIndex;
        FillRadarSlots(radar, values.data(), angles.data());
        for (float f : values)
            ASSERT_EQ(RADAR_NO_VALUE, f);
    }
}

}  // namespace
