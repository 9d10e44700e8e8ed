#include "framework/CTime.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

void PrintTo(const CString& text, std::ostream* out);

namespace {

// Runs the test in US Eastern time. The runtime reads only the zone names and offset from TZ
// and always applies the US daylight-saving dates (2023: March 12 to November 5); a POSIX rule
// such as "CET-1CEST,M3.5.0,M10.5.0/3" gets the US dates too.
class CTimeInEasternUs : public ::testing::Test
{
protected:
    // Wine's runtime caches daylight-saving data across zone changes: set the zone once.
    static void SetUpTestSuite()
    {
        const char* old = std::getenv("TZ");
        s_oldZone = old != nullptr ? old : "";
        _putenv_s("TZ", "EST5EDT");
        _tzset();
    }
    static void TearDownTestSuite()
    {
        _putenv_s("TZ", s_oldZone.c_str());
        _tzset();
    }

private:
    static std::string s_oldZone;
};

std::string CTimeInEasternUs::s_oldZone;

SYSTEMTIME SystemTime(int year, int month, int day)
{
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    return st;
}

}  // namespace

TEST_F(CTimeInEasternUs, LocalFieldsFollowDaylightSaving)
{
    const struct {
        int year, month, day, hour;
        long long utc;
    } cases[] = {
        {2023, 1, 15, 12, 1673802000},  // EST, UTC-5
        {2023, 7, 1, 12, 1688227200},   // EDT, UTC-4
        {1970, 1, 1, 0, 18000},
    };
    for (const auto& c : cases) {
        const CTime time(c.year, c.month, c.day, c.hour, 0, 0);
        EXPECT_EQ(c.utc, static_cast<long long>(time.GetTime())) << c.month;
        EXPECT_EQ(c.hour, time.GetHour());
        EXPECT_EQ(c.day, time.GetDay());
    }
}

TEST_F(CTimeInEasternUs, SixDaysLaterIsCountedInSecondsNotCalendarDays)
{
    // 518400 seconds from a local midnight: across the spring change the clock reads 01:00,
    // across the autumn change 23:00 of the day before.
    const struct {
        int month, day;
        const char* later;
    } cases[] = {
        {3, 10, "2023-03-16 01:00"},
        {11, 1, "2023-11-06 23:00"},
        {6, 1, "2023-06-07 00:00"},
    };
    for (const auto& c : cases) {
        const CTime start(2023, c.month, c.day, 0, 0, 0);
        EXPECT_EQ(c.later, (start + CTimeSpan(518400)).Format("%Y-%m-%d %H:%M"));
    }
}

TEST_F(CTimeInEasternUs, SystemTimeBefore1900IsTheMomentZero)
{
    EXPECT_EQ(0, static_cast<long long>(CTime(SystemTime(1899, 12, 31)).GetTime()));
    EXPECT_EQ(0, static_cast<long long>(CTime(SystemTime(1601, 1, 1)).GetTime()));
    EXPECT_EQ("2023-05-15", CTime(SystemTime(2023, 5, 15)).Format("%Y-%m-%d"));
}

TEST_F(CTimeInEasternUs, MomentsOutsideTheRuntimesRangeThrowInvalidArgument)
{
    for (int year : {1900, 1969, 3001}) {
        try {
            CTime time(SystemTime(year, 6, 1));
            FAIL() << year << " gave " << static_cast<long long>(time.GetTime());
        } catch (CException* e) {
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException))) << year;
            e->Delete();
        }
    }
}

TEST(CTimeSpan, PartsOfASpan)
{
    const CTimeSpan span(6, 23, 59, 30);
    EXPECT_EQ(6 * 86400 + 23 * 3600 + 59 * 60 + 30, span.GetTotalSeconds());
    EXPECT_EQ(6, span.GetDays());
    EXPECT_EQ(23, span.GetHours());
    EXPECT_EQ(59, span.GetMinutes());
    EXPECT_EQ(30, span.GetSeconds());
    EXPECT_EQ(167, span.GetTotalHours());
    const CTime a(static_cast<std::time_t>(1000));
    EXPECT_EQ(CTimeSpan(500), a - CTime(static_cast<std::time_t>(500)));
}
