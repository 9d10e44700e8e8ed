// Date-time axis. Ticks lie on a grid of whole calendar units counted from dtOrigin: a
// value on or after the origin goes down to its grid point, one before it goes up (the
// remainder is taken toward zero).
#include "chart/ChartDateTimeAxis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace
{

// Guard of half a second, in days, against dates that carry rounding error.
constexpr double HALF_SECOND = 0.5 / 86400.0;

// Before 1899-12-30 an OLE date's integer part counts back while its fraction counts
// forward: arithmetic goes through the framework's continuous day count.
double AddDays(double date, double days)
{
    return AfxContinuousToDate(AfxDateToContinuous(date) + days);
}

double DaysBetween(double later, double earlier)
{
    return AfxDateToContinuous(later) - AfxDateToContinuous(earlier);
}

// Whole units (unitsPerDay of them in a day) in a span of days, rounded toward zero
// after the half-second guard.
int64_t WholeUnits(double days, double unitsPerDay)
{
    const double units = days >= 0.0 ? (days + HALF_SECOND) * unitsPerDay : (days - HALF_SECOND) * unitsPerDay;
    if (std::isnan(units))
        return 0;
    constexpr double limit = static_cast<double>(INT64_MAX / 2);
    return static_cast<int64_t>(std::clamp(units, -limit, limit));
}

int32_t ToInt32(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

double SpanOf(int days, int hours, int minutes, int seconds)
{
    return static_cast<double>(days) + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0;
}

double UnitsPerDay(ChartTimeUnit unit)
{
    switch (unit)
    {
    case ChartTimeUnit::Second: return 86400.0;
    case ChartTimeUnit::Minute: return 1440.0;
    case ChartTimeUnit::Hour: return 24.0;
    default: return 1.0;
    }
}

// Span in days of k whole units of a sub-month unit.
double SpanOfUnits(ChartTimeUnit unit, int k)
{
    switch (unit)
    {
    case ChartTimeUnit::Second: return SpanOf(k / 86400, (k % 86400) / 3600, (k % 3600) / 60, k % 60);
    case ChartTimeUnit::Minute: return SpanOf(k / 1440, (k % 1440) / 60, k % 60, 0);
    case ChartTimeUnit::Hour: return SpanOf(k / 24, k % 24, 0, 0);
    default: return SpanOf(k, 0, 0, 0);
    }
}

bool IsCalendarUnit(ChartTimeUnit unit)
{
    return unit == ChartTimeUnit::Month || unit == ChartTimeUnit::Year;
}

// Floor of a / b toward minus infinity, and the matching remainder in 0 .. b - 1.
int FloorDiv(int a, int b)
{
    return a / b - ((a % b != 0 && a < 0) ? 1 : 0);
}

int FloorMod(int a, int b)
{
    const int r = a % b;
    return r < 0 ? r + b : r;
}

}  // namespace

COleDateTime ShiftDateByMonths(const COleDateTime& date, int months)
{
    const int total = date.GetMonth() - 1 + months;
    COleDateTime shifted;
    shifted.SetDateTime(date.GetYear() + FloorDiv(total, 12), FloorMod(total, 12) + 1, date.GetDay(), date.GetHour(),
                        date.GetMinute(), date.GetSecond());
    return shifted;
}

CChartDateTimeAxis::CChartDateTimeAxis()
{
    dtOrigin.SetDateTime(2000, 1, 1, 0, 0, 0);
}

CChartDateTimeAxis::~CChartDateTimeAxis() = default;

const char* CChartDateTimeAxis::AutomaticFormat(ChartTimeUnit unit)
{
    switch (unit)
    {
    case ChartTimeUnit::Second: return "%H:%M:%S";
    case ChartTimeUnit::Minute: return "%H:%M";
    case ChartTimeUnit::Hour: return "%H:00";
    case ChartTimeUnit::Day: return "%d %b";
    case ChartTimeUnit::Month: return "%b %Y";
    default: return "%Y";
    }
}

// Owners must not write a count below 1; such a count is taken as 1.
int CChartDateTimeAxis::UnitsPerTick() const
{
    return std::max(1, nUnitsPerTick);
}

int CChartDateTimeAxis::MonthsPerTick() const
{
    const int64_t months = eTickUnit == ChartTimeUnit::Year ? 12LL * UnitsPerTick() : UnitsPerTick();
    return ToInt32(months);
}

double CChartDateTimeAxis::FloorToTick(double value) const
{
    const double v = value >= 0.0 ? value + 1e-10 : value - 1e-10;
    const int n = UnitsPerTick();
    if (!IsCalendarUnit(eTickUnit))
    {
        int k = ToInt32(WholeUnits(DaysBetween(v, dtOrigin.m_dt), UnitsPerDay(eTickUnit)));
        k -= k % n;
        return AddDays(dtOrigin.m_dt, SpanOfUnits(eTickUnit, k));
    }
    const COleDateTime date(v);
    int k = date.GetYear() - dtOrigin.GetYear();
    if (eTickUnit == ChartTimeUnit::Month)
        k = k * 12 + (date.GetMonth() - dtOrigin.GetMonth());
    k -= k % n;
    if (eTickUnit == ChartTimeUnit::Year)
        k *= 12;
    return ShiftDateByMonths(dtOrigin, k).m_dt;
}

double CChartDateTimeAxis::StepFrom(double value) const
{
    if (IsCalendarUnit(eTickUnit))
        return ShiftDateByMonths(COleDateTime(value), MonthsPerTick()).m_dt;
    return AddDays(value, UnitsPerTick() / UnitsPerDay(eTickUnit));
}

double CChartDateTimeAxis::FirstTick() const
{
    // In binned mode the month or year bin that ends at the first tick is labelled too.
    if (bBinned && IsCalendarUnit(eTickUnit))
        return ShiftDateByMonths(COleDateTime(dTickStart), -MonthsPerTick()).m_dt;
    return dTickStart;
}

bool CChartDateTimeAxis::TickAfter(double current, double& next) const
{
    if (dMin == dMax)
        return false;
    next = StepFrom(current);
    // Compared in time: before 1899-12-30 a later hour of the same day has a lower value.
    return DaysBetween(next, current) > 0.0 && DaysBetween(next, dMax) <= 0.0;
}

int CChartDateTimeAxis::TickPixel(double value) const
{
    return ValueToPixel(value);
}

int CChartDateTimeAxis::BinMidPixel(double value) const
{
    const double tick = FloorToTick(value);
    double nextTick = tick;
    TickAfter(tick, nextTick);
    const int from = ValueToPixel(tick);
    return from + (ValueToPixel(nextTick) - from) / 2;
}

std::string CChartDateTimeAxis::FormatTickText(double value) const
{
    COleDateTime date(value);
    date.SetStatus(COleDateTime::valid);
    return static_cast<const char*>(date.Format(strTickFormat.c_str()));
}

void CChartDateTimeAxis::ChooseTickStep()
{
    if (!bAutoStep)
        return;
    if (dMin == dMax)
    {
        nUnitsPerTick = 1;
        return;
    }
    int ticks = std::abs((nEndPixel - nStartPixel) / (bHorizontal ? 60 : 20));
    if (ticks == 0)
        ticks = 1;
    const double step = DaysBetween(dMax, dMin) / ticks;

    // The first rung with above < whole units < below (both strict) sets unit and count.
    enum Whole
    {
        SECONDS,
        MINUTES,
        HOURS,
        DAYS
    };
    struct SRung
    {
        Whole whole;
        int64_t below;
        int64_t above;
        ChartTimeUnit unit;
        int count;
    };
    constexpr int64_t ANY = INT64_MIN;
    static const SRung ladder[] = {
        {SECONDS,  60,  30, ChartTimeUnit::Minute,  1},
        {SECONDS,  60,  10, ChartTimeUnit::Second, 30},
        {SECONDS,  60,   5, ChartTimeUnit::Second, 10},
        {SECONDS,  60,   2, ChartTimeUnit::Second,  5},
        {SECONDS,  60, ANY, ChartTimeUnit::Second,  1},
        {MINUTES,  60,  30, ChartTimeUnit::Hour,    1},
        {MINUTES,  60,  10, ChartTimeUnit::Minute, 30},
        {MINUTES,  60,   5, ChartTimeUnit::Minute, 10},
        {MINUTES,  60,   2, ChartTimeUnit::Minute,  5},
        {MINUTES,  60, ANY, ChartTimeUnit::Minute,  2},
        {HOURS,    24,  12, ChartTimeUnit::Day,     1},
        {HOURS,    24,   6, ChartTimeUnit::Hour,   12},
        {HOURS,    24,   2, ChartTimeUnit::Hour,    6},
        {HOURS,    24, ANY, ChartTimeUnit::Hour,    2},
        {DAYS,     31,   7, ChartTimeUnit::Month,   1},
        {DAYS,     31,   2, ChartTimeUnit::Day,     7},
        {DAYS,     31, ANY, ChartTimeUnit::Day,     2},
        {DAYS,    365, 186, ChartTimeUnit::Year,    1},
        {DAYS,    365, 124, ChartTimeUnit::Month,   6},
        {DAYS,    365,  62, ChartTimeUnit::Month,   4},
        {DAYS,    365, ANY, ChartTimeUnit::Month,   2},
    };
    const int64_t whole[] = {WholeUnits(step, 86400.0), WholeUnits(step, 1440.0), WholeUnits(step, 24.0),
                             WholeUnits(step, 1.0)};
    for (const SRung& rung : ladder)
    {
        const int64_t units = whole[rung.whole];
        if (units < rung.below && units > rung.above)
        {
            eTickUnit = rung.unit;
            nUnitsPerTick = rung.count;
            return;
        }
    }
    eTickUnit = ChartTimeUnit::Year;
    nUnitsPerTick = ToInt32(whole[DAYS] / 365 + 1);
}

void CChartDateTimeAxis::AlignFirstTick()
{
    dTickStart = FloorToTick(dMin);
    if (bAutoFormat)
        strTickFormat = AutomaticFormat(eTickUnit);
}
