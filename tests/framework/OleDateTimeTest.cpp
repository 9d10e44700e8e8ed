#include "framework/COleDateTime.h"

#include <gtest/gtest.h>

#include <windows.h>

void PrintTo(const CString& text, std::ostream* out);

namespace {

struct Fields
{
    int year, month, day, hour, minute, second;
};

Fields FieldsOf(const COleDateTime& date)
{
    return {date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond()};
}

bool operator==(const Fields& a, const Fields& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

std::ostream& operator<<(std::ostream& out, const Fields& f)
{
    return out << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':' << f.second;
}

constexpr double kSecond = 1.0 / 86400.0;

}  // namespace

TEST(COleDateTime, FieldsRoundTripOnlyForRealDates)
{
    const struct {
        Fields fields;
        bool valid;
        double value;  // checked when valid
    } cases[] = {
        {{2000, 1, 1, 0, 0, 0}, true, 36526.0},
        {{2026, 12, 7, 0, 0, 0}, true, 46363.0},
        {{1899, 12, 30, 0, 0, 0}, true, 0.0},
        {{1899, 12, 29, 6, 0, 0}, true, -1.25},
        {{100, 1, 1, 0, 0, 0}, true, -657434.0},
        {{9999, 12, 31, 23, 59, 59}, true, 2958465.0 + 86399.0 / 86400.0},
        {{2024, 2, 29, 12, 0, 0}, true, 45351.5},
        {{2023, 2, 29, 0, 0, 0}, false, 0},
        {{2023, 2, 30, 0, 0, 0}, false, 0},
        {{2023, 4, 31, 0, 0, 0}, false, 0},
        {{2023, 13, 1, 0, 0, 0}, false, 0},
        {{2023, 0, 1, 0, 0, 0}, false, 0},
        {{2023, 1, 1, 24, 0, 0}, false, 0},
        {{2023, 1, 1, 0, 60, 0}, false, 0},
        {{2023, 1, 1, 0, 0, 60}, false, 0},
        {{99, 12, 31, 0, 0, 0}, false, 0},  // two-digit years are read as 19xx by the platform
        {{10000, 1, 1, 0, 0, 0}, false, 0},
        {{-1, 1, 1, 0, 0, 0}, false, 0},
    };
    for (const auto& c : cases) {
        const Fields& f = c.fields;
        const COleDateTime date(f.year, f.month, f.day, f.hour, f.minute, f.second);
        EXPECT_EQ(c.valid ? COleDateTime::valid : COleDateTime::invalid, date.GetStatus()) << f;
        if (c.valid) {
            EXPECT_NEAR(c.value, date.m_dt, 1e-9) << f;
            EXPECT_EQ(f, FieldsOf(date));
        } else {
            EXPECT_EQ((Fields{-1, -1, -1, -1, -1, -1}), FieldsOf(date)) << f;
            EXPECT_EQ(-1, date.GetDayOfWeek());
            EXPECT_EQ("Invalid DateTime", date.Format("%Y"));
        }
    }
}

TEST(COleDateTime, FieldsAreRoundedToTheNearestSecond)
{
    // Repeated addition of 240 / 1440 carries rounding error; labels must still read whole hours,
    // also just below midnight, where the day must move on.
    double value = 46363.0;
    const char* labels[] = {"2026-12-07 00:00", "2026-12-07 04:00", "2026-12-07 08:00", "2026-12-07 12:00",
                            "2026-12-07 16:00", "2026-12-07 20:00", "2026-12-08 00:00"};
    for (const char* label : labels) {
        EXPECT_EQ(label, COleDateTime(value).Format("%Y-%m-%d %H:%M")) << value;
        value += 240.0 / 1440.0;
    }
    EXPECT_EQ(4, COleDateTime(46363.0 + (4 * 3600 - 0.4) * kSecond).GetHour());
    EXPECT_EQ(59, COleDateTime(46363.0 + (4 * 3600 - 0.6) * kSecond).GetSecond());
    EXPECT_EQ(7, COleDateTime(46363.0 - 0.2 * kSecond).GetDay());
    EXPECT_EQ(6, COleDateTime(46363.0 - 0.6 * kSecond).GetDay());
}

TEST(COleDateTime, OutOfRangeValuesHaveNoFields)
{
    for (double value : {2958466.0, -657435.0, 1e10}) {
        const COleDateTime date(value);
        EXPECT_EQ(-1, date.GetYear()) << value;
        EXPECT_EQ("Invalid DateTime", date.Format("%H:%M")) << value;
    }
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_EQ(-1, null.GetYear());
    EXPECT_EQ("", null.Format("%Y"));
}

TEST(COleDateTime, FormatRunsStrftimeWithEnglishNamesAndDayCounts)
{
    const COleDateTime date(2026, 12, 7, 8, 5, 9);  // a Monday
    const struct {
        const char* format;
        const char* text;
    } cases[] = {
        {"%H:%M", "08:05"},
        {"%H:%M:%S", "08:05:09"},
        {"%H:00", "08:00"},
        {"%d %b", "07 Dec"},
        {"%b %Y", "Dec 2026"},
        {"%Y", "2026"},
        {"%a %A %j", "Mon Monday 341"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, date.Format(c.format)) << c.format;
    EXPECT_EQ(2, date.GetDayOfWeek());
    EXPECT_EQ(341, date.GetDayOfYear());
}

TEST(COleDateTime, ArithmeticIsContinuousAcrossTheEpoch)
{
    // -1.25 is 1899-12-29 06:00; twelve hours later is 1899-12-29 18:00 = -1.75.
    const COleDateTime before(-1.25);
    const COleDateTime later = before + COleDateTimeSpan(0, 12, 0, 0);
    EXPECT_DOUBLE_EQ(-1.75, later.m_dt);
    EXPECT_DOUBLE_EQ(0.5, (later - before).GetTotalDays());
    // 1899-12-29 18:00 plus 12 hours is 1899-12-30 06:00 = 0.25.
    EXPECT_DOUBLE_EQ(0.25, (later + COleDateTimeSpan(0.5)).m_dt);
    EXPECT_DOUBLE_EQ(-1.75, (COleDateTime(0.25) - COleDateTimeSpan(0.5)).m_dt);
    EXPECT_TRUE(before < later);
    EXPECT_TRUE(later < COleDateTime(0.25));
    EXPECT_TRUE(COleDateTime(-1.0) < COleDateTime(-1.25));  // midnight before 06:00 of the same day
}

TEST(COleDateTime, DifferenceOfDatesInDays)
{
    const COleDateTime start(2026, 12, 7, 0, 0, 0);
    const COleDateTime moment(2026, 12, 13, 23, 59, 0);
    const COleDateTimeSpan span = moment - start;
    EXPECT_NEAR(6.0 + 1439.0 / 1440.0, span.GetTotalDays(), 1e-9);
    EXPECT_EQ(10079, static_cast<int>((span.GetTotalDays() + 1.0 / 172800.0) * 1440.0));
    EXPECT_EQ(6, span.GetDays());
    EXPECT_EQ(23, span.GetHours());
    EXPECT_EQ(59, span.GetMinutes());
    EXPECT_EQ(0, span.GetSeconds());
}

TEST(COleDateTimeSpan, PartsSumInOrderAndKeepTheSign)
{
    const COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(1.0 + 2.0 / 24 + 3.0 / 1440 + 4.0 / 86400, span.GetTotalDays());
    EXPECT_DOUBLE_EQ(span.GetTotalDays() * 24, span.GetTotalHours());
    EXPECT_DOUBLE_EQ(span.GetTotalDays() * 86400, span.GetTotalSeconds());
    const struct {
        COleDateTimeSpan span;
        long days, hours, minutes, seconds;
    } cases[] = {
        {span, 1, 2, 3, 4},
        {-span, -1, -2, -3, -4},
        {COleDateTimeSpan(0, 0, 0, 0), 0, 0, 0, 0},
        {COleDateTimeSpan(0, 23, 59, 59) + COleDateTimeSpan(0, 0, 0, 1), 1, 0, 0, 0},
        {COleDateTimeSpan(240.0 / 1440.0) * 6.0, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.days, c.span.GetDays());
        EXPECT_EQ(c.hours, c.span.GetHours());
        EXPECT_EQ(c.minutes, c.span.GetMinutes());
        EXPECT_EQ(c.seconds, c.span.GetSeconds());
    }
    EXPECT_TRUE(COleDateTimeSpan(1.0) > COleDateTimeSpan(0.5));
    EXPECT_DOUBLE_EQ(0.25, (COleDateTimeSpan(1.0) / 4.0).GetTotalDays());
}

TEST(COleDateTime, ConvertsSystemTimeBothWays)
{
    SYSTEMTIME st = {};
    st.wYear = 2023;
    st.wMonth = 5;
    st.wDay = 15;
    st.wHour = 8;
    st.wMinute = 30;
    st.wSecond = 5;
    const COleDateTime date(st);
    EXPECT_EQ(COleDateTime::valid, date.GetStatus());
    SYSTEMTIME back = {};
    ASSERT_TRUE(date.GetAsSystemTime(back));
    EXPECT_EQ(2023, back.wYear);
    EXPECT_EQ(5, back.wMonth);
    EXPECT_EQ(15, back.wDay);
    EXPECT_EQ(8, back.wHour);
    EXPECT_EQ(30, back.wMinute);
    EXPECT_EQ(5, back.wSecond);
    EXPECT_EQ(1, back.wDayOfWeek);  // Monday
}
