// Date-time axis: tick grid from the origin, month arithmetic, labels and the automatic ladder.
#include <gtest/gtest.h>

#include "ChartTestSupport.h"

#include <string>
#include <vector>

#include "chart/ChartDateTimeAxis.h"

namespace {

constexpr double DAY_2026_12_07 = 46363.0;
constexpr double ORIGIN = 36526.0;   // 2000-01-01
constexpr double SECOND = 1.0 / 86400.0;
constexpr double EPSILON = 1e-9;

double Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    COleDateTime date;
    date.SetDateTime(year, month, day, hour, minute, second);
    return date.m_dt;
}

void SetSpan(CChartAxis& axis, int length, double min, double max)
{
    axis.bHorizontal = true;
    axis.nStartPixel = 0;
    axis.nEndPixel = length;
    axis.dMin = axis.dHomeMin = min;
    axis.dMax = axis.dHomeMax = max;
}

void UseGraphPageTicks(CChartDateTimeAxis& axis)
{
    axis.bAutoStep = false;
    axis.eTickUnit = ChartTimeUnit::Minute;
    axis.nUnitsPerTick = 240;
    axis.strTickFormat = "%H:%M";
    axis.bAutoFormat = false;
}

}  // namespace

TEST(DateTimeAxis, GraphPageDayRunsFromMidnightWithATickEveryFourHours)
{
    CChartDateTimeAxis axis;
    // 144 records at 10 minutes: the axis runs 00:00 .. 23:50.
    SetSpan(axis, 600, DAY_2026_12_07, DAY_2026_12_07 + (1.0 - 10.0 / 1440.0));
    UseGraphPageTicks(axis);
    axis.ChooseTickStep();
    axis.AlignFirstTick();
    EXPECT_EQ(DAY_2026_12_07, axis.dTickStart);
    EXPECT_EQ(DAY_2026_12_07, axis.FirstTick());
    const std::vector<std::string> expected = {"00:00", "04:00", "08:00", "12:00", "16:00", "20:00"};
    EXPECT_EQ(expected, TickLabels(axis));
    EXPECT_EQ("23:50", axis.FormatTickText(axis.dMax));

    const double lastTick = axis.TickValues().back();
    double next = 0;
    EXPECT_FALSE(axis.TickAfter(lastTick, next));
    EXPECT_NEAR(DAY_2026_12_07 + 1.0, next, EPSILON);
}

TEST(DateTimeAxis, FloorToTickGoesDownAfterTheOriginAndUpBeforeIt)
{
    struct Case {
        ChartTimeUnit unit;
        int count;
        double value;
        double tick;
    } cases[] = {
        {ChartTimeUnit::Hour, 1, Date(2026, 12, 7, 12), Date(2026, 12, 7, 12)},
        {ChartTimeUnit::Hour, 1, Date(2026, 12, 7, 12) - SECOND, Date(2026, 12, 7, 11)},
        {ChartTimeUnit::Minute, 240, Date(2026, 12, 7, 7, 59, 59), Date(2026, 12, 7, 4)},
        {ChartTimeUnit::Second, 30, Date(2026, 12, 7, 7, 0, 45), Date(2026, 12, 7, 7, 0, 30)},
        {ChartTimeUnit::Day, 7, ORIGIN - 3.0, ORIGIN},     // before the origin: up to it
        {ChartTimeUnit::Day, 7, ORIGIN + 10.0, ORIGIN + 7.0},
        {ChartTimeUnit::Day, 1, Date(2026, 12, 7, 18), Date(2026, 12, 7)},
        {ChartTimeUnit::Month, 1, Date(2026, 12, 7, 18), Date(2026, 12, 1)},
        {ChartTimeUnit::Month, 4, Date(2026, 12, 7), Date(2026, 9, 1)},
        {ChartTimeUnit::Month, 1, Date(1999, 11, 15), Date(1999, 11, 1)},
        {ChartTimeUnit::Month, 4, Date(1999, 11, 15), Date(2000, 1, 1)},
        {ChartTimeUnit::Year, 1, Date(2026, 12, 7), Date(2026, 1, 1)},
        {ChartTimeUnit::Year, 4, Date(2026, 12, 7), Date(2024, 1, 1)},
        // 1899-12-29 06:00 lies on the 6-hour grid although its OLE value is negative.
        {ChartTimeUnit::Hour, 6, -1.25, -1.25},
    };
    for (const Case& c : cases) {
        CChartDateTimeAxis axis;
        axis.eTickUnit = c.unit;
        axis.nUnitsPerTick = c.count;
        EXPECT_NEAR(c.tick, axis.FloorToTick(c.value), EPSILON) << static_cast<int>(c.unit) << " x " << c.count
                                                                 << " of " << c.value;
    }
}

TEST(DateTimeAxis, TicksStepAcrossTheStartOfOleTime)
{
    CChartDateTimeAxis axis;
    SetSpan(axis, 600, -1.25, 0.5);
    axis.eTickUnit = ChartTimeUnit::Hour;
    axis.nUnitsPerTick = 6;
    const double expected[] = {-1.5, -1.75, 0.0, 0.25};   // 12:00, 18:00 on 12-29; 00:00, 06:00 on 12-30
    double tick = -1.25;
    for (double value : expected) {
        double next = 0;
        EXPECT_TRUE(axis.TickAfter(tick, next));
        EXPECT_NEAR(value, next, EPSILON);
        tick = next;
    }
}

// Before 1899-12-30 the OLE value of a later hour of the same day is lower: the walk still
// covers the whole range in time.
TEST(DateTimeAxis, SubDayTicksBeforeTheStartOfOleTimeWalkTheWholeRange)
{
    struct Case {
        ChartTimeUnit unit;
        int count;
        double min, max;
        std::vector<std::string> labels;
    } cases[] = {
        {ChartTimeUnit::Hour, 6, Date(1899, 12, 28), Date(1899, 12, 29, 12),
         {"28 00:00", "28 06:00", "28 12:00", "28 18:00", "29 00:00", "29 06:00", "29 12:00"}},
        {ChartTimeUnit::Minute, 30, Date(1899, 12, 29, 22), Date(1899, 12, 30, 1),
         {"29 22:00", "29 22:30", "29 23:00", "29 23:30", "30 00:00", "30 00:30", "30 01:00"}},
    };
    for (const Case& c : cases) {
        CChartDateTimeAxis axis;
        SetSpan(axis, 600, c.min, c.max);
        axis.bAutoStep = false;
        axis.eTickUnit = c.unit;
        axis.nUnitsPerTick = c.count;
        axis.bAutoFormat = false;
        axis.strTickFormat = "%d %H:%M";
        axis.AlignFirstTick();
        EXPECT_EQ(c.labels, TickLabels(axis)) << static_cast<int>(c.unit) << " x " << c.count;
    }
}

TEST(DateTimeAxis, ShiftByMonthsBorrowsWholeYears)
{
    struct Case {
        double date;
        int months;
        double shifted;
    } cases[] = {
        {Date(2026, 1, 1), -1, Date(2025, 12, 1)},
        {Date(2026, 3, 1, 6, 30, 15), 10, Date(2027, 1, 1, 6, 30, 15)},
        {Date(2026, 3, 1), -25, Date(2024, 2, 1)},
        {Date(2026, 12, 1), 12, Date(2027, 12, 1)},
        {Date(2026, 5, 1), 0, Date(2026, 5, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shifted, ShiftDateByMonths(COleDateTime(c.date), c.months).m_dt) << c.months;
}

TEST(DateTimeAxis, ShiftToADayMissingInTheMonthIsMarkedInvalid)
{
    const COleDateTime shifted = ShiftDateByMonths(COleDateTime(Date(2026, 1, 31)), 1);
    EXPECT_EQ(COleDateTime::invalid, shifted.GetStatus());
}

TEST(DateTimeAxis, BinnedMonthTicksStartOneStepEarlier)
{
    struct Case {
        ChartTimeUnit unit;
        int count;
        double first;
    } cases[] = {
        {ChartTimeUnit::Month, 1, Date(2025, 12, 1)},
        {ChartTimeUnit::Month, 2, Date(2025, 11, 1)},
        {ChartTimeUnit::Year, 1, Date(2025, 1, 1)},
        {ChartTimeUnit::Day, 1, Date(2026, 1, 1)},   // other units keep the start
    };
    for (const Case& c : cases) {
        CChartDateTimeAxis axis;
        SetSpan(axis, 600, Date(2026, 1, 1), Date(2027, 1, 1));
        axis.bAutoStep = false;
        axis.eTickUnit = c.unit;
        axis.nUnitsPerTick = c.count;
        axis.bBinned = true;
        axis.AlignFirstTick();
        EXPECT_EQ(Date(2026, 1, 1), axis.dTickStart);
        EXPECT_EQ(c.first, axis.FirstTick()) << static_cast<int>(c.unit);
    }
}

TEST(DateTimeAxis, BinMidPixelIsHalfwayToTheNextTick)
{
    CChartDateTimeAxis axis;
    SetSpan(axis, 700, Date(2026, 12, 1), Date(2026, 12, 8));   // 100 pixels a day
    axis.bAutoStep = false;
    axis.eTickUnit = ChartTimeUnit::Day;
    axis.nUnitsPerTick = 1;
    EXPECT_EQ(350, axis.BinMidPixel(Date(2026, 12, 4, 15)));
    EXPECT_EQ(350, axis.BinMidPixel(Date(2026, 12, 4)));
}

TEST(DateTimeAxis, AutomaticLadderPicksUnitCountAndFormat)
{
    struct Case {
        int length;
        double span;
        ChartTimeUnit unit;
        int count;
        const char* format;
    } cases[] = {
        {600, 1.0, ChartTimeUnit::Hour, 2, "%H:00"},
        {600, 7.0, ChartTimeUnit::Day, 1, "%d %b"},
        {600, 365.0, ChartTimeUnit::Month, 2, "%b %Y"},
        {600, 10957.5, ChartTimeUnit::Year, 4, "%Y"},
        {600, 1.0 / 24, ChartTimeUnit::Minute, 10, "%H:%M"},
        {600, 1.0 / 1440, ChartTimeUnit::Second, 10, "%H:%M:%S"},
        {50, 1.0, ChartTimeUnit::Day, 2, "%d %b"},             // shorter than one tick
        {600, 10 * 45 * SECOND, ChartTimeUnit::Minute, 1, "%H:%M"},
        {600, 10 * 20 * SECOND, ChartTimeUnit::Second, 30, "%H:%M:%S"},
        {600, 10 * 4 * SECOND, ChartTimeUnit::Second, 5, "%H:%M:%S"},
        {600, 10 * 2 * SECOND, ChartTimeUnit::Second, 1, "%H:%M:%S"},
        {600, 10 * 2 / 1440.0, ChartTimeUnit::Minute, 2, "%H:%M"},
        {600, 10 * 45 / 1440.0, ChartTimeUnit::Hour, 1, "%H:00"},
        {600, 10 * 20 / 1440.0, ChartTimeUnit::Minute, 30, "%H:%M"},
        {600, 10 * 4 / 1440.0, ChartTimeUnit::Minute, 5, "%H:%M"},
        {600, 10 * 18 / 24.0, ChartTimeUnit::Day, 1, "%d %b"},
        {600, 10 * 8 / 24.0, ChartTimeUnit::Hour, 12, "%H:00"},
        {600, 10 * 4 / 24.0, ChartTimeUnit::Hour, 6, "%H:00"},
        {600, 10 * 10.0, ChartTimeUnit::Month, 1, "%b %Y"},
        {600, 10 * 5.0, ChartTimeUnit::Day, 7, "%d %b"},
        {600, 10 * 200.0, ChartTimeUnit::Year, 1, "%Y"},
        {600, 10 * 130.0, ChartTimeUnit::Month, 6, "%b %Y"},
        {600, 10 * 70.0, ChartTimeUnit::Month, 4, "%b %Y"},
    };
    for (const Case& c : cases) {
        CChartDateTimeAxis axis;
        SetSpan(axis, c.length, DAY_2026_12_07, DAY_2026_12_07 + c.span);
        axis.ChooseTickStep();
        axis.AlignFirstTick();
        EXPECT_EQ(c.unit, axis.eTickUnit) << "span " << c.span << " over " << c.length;
        EXPECT_EQ(c.count, axis.nUnitsPerTick) << "span " << c.span << " over " << c.length;
        EXPECT_EQ(c.format, axis.strTickFormat) << "span " << c.span;
    }
}

TEST(DateTimeAxis, VerticalAxisCountsOneTickPerTwentyPixels)
{
    CChartDateTimeAxis axis;
    axis.bHorizontal = false;
    axis.nStartPixel = 200;
    axis.nEndPixel = 0;   // ten ticks
    axis.dMin = DAY_2026_12_07;
    axis.dMax = DAY_2026_12_07 + 1.0;
    axis.ChooseTickStep();
    EXPECT_EQ(ChartTimeUnit::Hour, axis.eTickUnit);
    EXPECT_EQ(2, axis.nUnitsPerTick);
}

TEST(DateTimeAxis, EmptyRangeResetsTheCountAndHasOneTick)
{
    CChartDateTimeAxis axis;
    SetSpan(axis, 600, DAY_2026_12_07, DAY_2026_12_07);
    axis.eTickUnit = ChartTimeUnit::Hour;
    axis.nUnitsPerTick = 6;
    axis.ChooseTickStep();
    EXPECT_EQ(1, axis.nUnitsPerTick);
    EXPECT_EQ(ChartTimeUnit::Hour, axis.eTickUnit);
    double next = 5;
    EXPECT_FALSE(axis.TickAfter(DAY_2026_12_07, next));
    EXPECT_EQ(5, next);
    EXPECT_EQ(std::vector<double>{DAY_2026_12_07}, axis.TickValues());
}

TEST(DateTimeAxis, LabelsFollowTheFormat)
{
    struct Case {
        const char* format;
        double value;
        const char* text;
    } cases[] = {
        {"%H:%M", DAY_2026_12_07 + 4.0 / 24 - 1e-12, "04:00"},   // rounding error still reads 04:00
        {"%H:%M:%S", Date(2026, 12, 7, 23, 59, 59), "23:59:59"},
        {"%d %b", DAY_2026_12_07, "07 Dec"},
        {"%b %Y", DAY_2026_12_07, "Dec 2026"},
        {"%Y", DAY_2026_12_07, "2026"},
        {"%a %j", DAY_2026_12_07, "Mon 341"},
        {"", DAY_2026_12_07, ""},
        {"%H:%M", 1e10, "Invalid DateTime"},
    };
    for (const Case& c : cases) {
        CChartDateTimeAxis axis;
        axis.strTickFormat = c.format;
        EXPECT_EQ(c.text, axis.FormatTickText(c.value)) << c.format;
    }
}

TEST(DateTimeAxis, FixedFormatSurvivesAlignmentOnlyWithoutAutoFormat)
{
    CChartDateTimeAxis axis;
    SetSpan(axis, 600, DAY_2026_12_07, DAY_2026_12_07 + 1);
    axis.bAutoStep = false;
    axis.eTickUnit = ChartTimeUnit::Minute;
    axis.bAutoFormat = false;
    axis.strTickFormat = "";
    axis.AlignFirstTick();
    EXPECT_EQ("", axis.strTickFormat);
    for (const std::string& label : TickLabels(axis))
        EXPECT_EQ("", label);
    axis.bAutoFormat = true;
    axis.AlignFirstTick();
    EXPECT_EQ("%H:%M", axis.strTickFormat);
}

TEST(DateTimeAxis, CountBelowOneIsTakenAsOne)
{
    CChartDateTimeAxis axis;
    SetSpan(axis, 600, DAY_2026_12_07, DAY_2026_12_07 + 1 + 1.0 / 1440);
    axis.bAutoStep = false;
    axis.eTickUnit = ChartTimeUnit::Hour;
    axis.nUnitsPerTick = 0;
    axis.AlignFirstTick();
    EXPECT_EQ(25u, axis.TickValues().size());
}
