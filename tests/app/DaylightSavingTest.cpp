// The 23- and 25-hour local days: the running clock counts real seconds, so records follow the
// platform's daylight saving; the search counts calendar minutes. Needs a host zone with daylight
// saving (Europe/Berlin): Wine's runtime ignores the rules of a TZ value.
#include "LogTestSupport.h"

#include "app/TempDegreeContainerSearch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

class DaylightSaving : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TIME_ZONE_INFORMATION tzi = {};
        GetTimeZoneInformation(&tzi);
        if (tzi.Bias == -60 && tzi.DaylightDate.wMonth == 3 && tzi.StandardDate.wMonth == 10)
            return;
        if (std::getenv("KELVORO_REQUIRE_DST") != nullptr)
            FAIL() << "the host time zone is not Central European with daylight saving";
        GTEST_SKIP() << "run with TZ=Europe/Berlin in the environment";
    }

    std::vector<std::string> Times(const std::string& bytes)
    {
        ParseInto(bytes, m_parsed);
        std::vector<std::string> times;
        for (const TempRecord* p : m_parsed.records.Items())
            times.push_back(std::string(p->strDate) + " " + p->strTime.GetString());
        return times;
    }

    static std::string Records(int nCount)
    {
        std::string bytes;
        for (int i = 0; i < nCount; ++i)
            bytes += "+004.00000";
        return bytes;
    }

    ScopedTimeZone m_zone{""};  // the platform's zone
    ParsedLog m_parsed;
};

TEST_F(DaylightSaving, SpringDayHasTwentyThreeHours)
{
    const std::vector<std::string> times = Times("T230326000060" + Records(24));
    ASSERT_EQ(24u, times.size());
    EXPECT_EQ("2023-03-26 01:00", times[1]);
    EXPECT_EQ("2023-03-26 03:00", times[2]);
    EXPECT_EQ("2023-03-26 23:00", times[22]);
    EXPECT_EQ("2023-03-27 00:00", times[23]);
}

TEST_F(DaylightSaving, AutumnDayHasTwentyFiveHours)
{
    const std::vector<std::string> times = Times("T231029000060" + Records(25));
    ASSERT_EQ(25u, times.size());
    EXPECT_EQ("2023-10-29 02:00", times[2]);
    EXPECT_EQ("2023-10-29 02:00", times[3]);
    EXPECT_EQ("2023-10-29 03:00", times[4]);
    EXPECT_EQ("2023-10-29 23:00", times[24]);
}

TEST_F(DaylightSaving, MinuteRecordsJumpTheMissingHour)
{
    const std::vector<std::string> times = Times("T230326015801" + Records(4));
    EXPECT_EQ((std::vector<std::string>{"2023-03-26 01:58", "2023-03-26 01:59", "2023-03-26 03:00",
                                        "2023-03-26 03:01"}),
              times);
}

// The runtime decides where a time that does not exist lands (Wine's: an hour back, Windows': an
// hour on); the header is not rejected either way.
TEST_F(DaylightSaving, HeaderInsideTheMissingHourIsAccepted)
{
    const std::vector<std::string> times = Times("T230326023001" + Records(1));
    ASSERT_TRUE(m_parsed.result.bOk);
    ASSERT_EQ(1u, times.size());
    EXPECT_TRUE(times[0] == "2023-03-26 01:30" || times[0] == "2023-03-26 03:30") << times[0];
}

// The parse reads the calendar of most records from the offset in force rather than from the
// runtime; minute by minute over both changes it must agree with the runtime.
TEST_F(DaylightSaving, EveryRecordAgreesWithTheRuntimesLocalTime)
{
    for (const char* pszHeader : {"T230325220001", "T231028220001", "T231029015901"}) {
        ParsedLog parsed;
        ParseInto(pszHeader + Records(3 * 1440), parsed);
        ASSERT_TRUE(parsed.result.bOk);
        std::tm start = {};
        start.tm_year = 2000 + std::atoi(std::string(pszHeader + 1, 2).c_str()) - 1900;
        start.tm_mon = std::atoi(std::string(pszHeader + 3, 2).c_str()) - 1;
        start.tm_mday = std::atoi(std::string(pszHeader + 5, 2).c_str());
        start.tm_hour = std::atoi(std::string(pszHeader + 7, 2).c_str());
        start.tm_min = std::atoi(std::string(pszHeader + 9, 2).c_str());
        start.tm_isdst = -1;
        __time64_t t = _mktime64(&start);
        for (const TempRecord* p : parsed.records.Items()) {
            std::tm tm;
            ASSERT_EQ(0, _localtime64_s(&tm, &t));
            char sz[32];
            std::snprintf(sz, sizeof sz, "%04d-%02d-%02d %02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                          tm.tm_hour, tm.tm_min);
            ASSERT_EQ(sz, std::string(p->strDate) + " " + p->strTime.GetString()) << pszHeader;
            t += 60;
        }
    }
}

TEST_F(DaylightSaving, SearchCountsCalendarMinutesOnTheShortDay)
{
    Times("T230326000060" + Records(24));
    SearchWalk walk;
    RunSearchWalk(CTime(2023, 3, 26, 12, 0, 0), false, m_parsed.records.list, 2, walk);
    const std::vector<TempRecord*> items = m_parsed.records.Items();
    EXPECT_EQ(23, walk.graphList.GetCount());
    EXPECT_EQ(24, walk.radarList.GetCount());
    EXPECT_EQ(60, items[1]->nMinuteIndex);
    EXPECT_EQ(180, items[2]->nMinuteIndex);
    EXPECT_EQ(1440, items[23]->nMinuteIndex);
}

TEST_F(DaylightSaving, WeekEndsSixCalendarDaysOnWhateverThePickedTime)
{
    struct Case
    {
        int nMonth, nDay, nHour, nMinute;
        const char* pszLastDay;
    } const cases[] = {
        {10, 28, 0, 30, "2023-11-03"},   // six days of seconds would end on 11-02
        {3, 25, 23, 30, "2023-03-31"},   // and here on 04-01
        {3, 25, 12, 0, "2023-03-31"},
    };
    for (const Case& c : cases) {
        SearchWalk walk;
        RunSearchWalk(CTime(2023, c.nMonth, c.nDay, c.nHour, c.nMinute, 0), true, m_parsed.records.list, 1, walk);
        EXPECT_STREQ(c.pszLastDay, walk.strWeekLastDay);
        EXPECT_STREQ(c.pszLastDay, walk.strSearchEnd);
    }
}

}  // namespace
