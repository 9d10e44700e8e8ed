#include "framework/COleDateTime.h"

#include "framework/OleDateConvert.h"

#include <cmath>
#include <cstring>

namespace {

// Half a second in days: the guard around the 1899-12-30 discontinuity.
constexpr double kHalfSecond = 0.5 / 86400.0;

// The platform's conversions do not all round to the nearest second (a fraction a hair below
// midnight can come back as 00:00 of the same day), so values are rounded before converting.
DATE RoundToSecond(DATE date)
{
    const double count = AfxDateToContinuous(date);
    return AfxContinuousToDate(std::round(count * 86400.0) / 86400.0);
}

bool ReadFields(DATE date, AfxDateFields& fields)
{
    return AfxVariantTimeToFields(RoundToSecond(date), fields);
}

bool LocalTime(std::time_t time, std::tm& out)
{
#ifdef _WIN32
    return localtime_s(&out, &time) == 0;
#else
    return localtime_r(&time, &out) != nullptr;
#endif
}

}  // namespace

double AfxDateToContinuous(DATE date)
{
    if (date > -kHalfSecond)
        return date;
    const double whole = std::ceil(date);
    return whole - (date - whole);
}

DATE AfxContinuousToDate(double count)
{
    if (count > -kHalfSecond)
        return count;
    const double whole = std::floor(count);
    return whole + (whole - count);
}

// ---- COleDateTimeSpan

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    m_span = static_cast<double>(days) + hours / 24.0 + minutes / 1440.0 + seconds / 86400.0;
    m_status = valid;
}

long long COleDateTimeSpan::RoundedSeconds() const
{
    return std::llround(m_span * 86400.0);
}

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(RoundedSeconds() / 86400);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(RoundedSeconds() / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(RoundedSeconds() / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(RoundedSeconds() % 60);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const
{
    COleDateTimeSpan result(m_span + other.m_span);
    if (m_status != valid || other.m_status != valid)
        result.m_status = invalid;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const
{
    return *this + (-other);
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(-m_span);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator*(double factor) const
{
    COleDateTimeSpan result(m_span * factor);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator/(double divisor) const
{
    COleDateTimeSpan result(m_span / divisor);
    result.m_status = m_status;
    return result;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other)
{
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other)
{
    return *this = *this - other;
}

// ---- COleDateTime

COleDateTime::COleDateTime(std::time_t time)
{
    std::tm local = {};
    if (!LocalTime(time, local)) {
        m_status = invalid;
        return;
    }
    SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec);
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return COleDateTime(std::time(nullptr));
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const AfxDateFields wanted = {year, month, day, hour, minute, second, 0, 0};
    DATE value = 0.0;
    AfxDateFields back = {};
    const bool converted = AfxFieldsToVariantTime(wanted, value);
    m_dt = converted ? value : 0.0;
    const bool roundTrips = converted && ReadFields(value, back) && back.year == year && back.month == month &&
                            back.day == day && back.hour == hour && back.minute == minute &&
                            back.second == second;
    m_status = roundTrips ? valid : invalid;
    return m_status;
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second)
{
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

int COleDateTime::FieldOf(int AfxDateFields::*member, bool withDayCounts) const
{
    AfxDateFields fields = {};
    if (m_status != valid)
        return -1;
    const DATE rounded = RoundToSecond(m_dt);
    const bool read = withDayCounts ? AfxUdateFromDate(rounded, fields) : AfxVariantTimeToFields(rounded, fields);
    return read ? fields.*member : -1;
}

int COleDateTime::GetYear() const { return FieldOf(&AfxDateFields::year); }
int COleDateTime::GetMonth() const { return FieldOf(&AfxDateFields::month); }
int COleDateTime::GetDay() const { return FieldOf(&AfxDateFields::day); }
int COleDateTime::GetHour() const { return FieldOf(&AfxDateFields::hour); }
int COleDateTime::GetMinute() const { return FieldOf(&AfxDateFields::minute); }
int COleDateTime::GetSecond() const { return FieldOf(&AfxDateFields::second); }

int COleDateTime::GetDayOfWeek() const
{
    const int day = FieldOf(&AfxDateFields::dayOfWeek, true);
    return day < 0 ? -1 : day + 1;
}

int COleDateTime::GetDayOfYear() const
{
    return FieldOf(&AfxDateFields::dayOfYear, true);
}

CString COleDateTime::Format(const char* format) const
{
    if (m_status == null)
        return CString();
    AfxDateFields fields = {};
    if (m_status != valid || !AfxUdateFromDate(RoundToSecond(m_dt), fields))
        return CString("Invalid DateTime");
    std::tm tm = {};
    tm.tm_year = fields.year - 1900;
    tm.tm_mon = fields.month - 1;
    tm.tm_mday = fields.day;
    tm.tm_hour = fields.hour;
    tm.tm_min = fields.minute;
    tm.tm_sec = fields.second;
    tm.tm_wday = fields.dayOfWeek;
    tm.tm_yday = fields.dayOfYear - 1;
    tm.tm_isdst = 0;
    char buffer[256];
    const size_t length = std::strftime(buffer, sizeof buffer, format != nullptr ? format : "", &tm);
    return CString(buffer, static_cast<int>(length));
}

COleDateTime& COleDateTime::operator=(DATE date)
{
    m_dt = date;
    m_status = valid;
    return *this;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime result(AfxContinuousToDate(AfxDateToContinuous(m_dt) + span.m_span));
    if (m_status != valid || span.m_status != COleDateTimeSpan::valid)
        result.m_status = invalid;
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span)
{
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span)
{
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan result(AfxDateToContinuous(m_dt) - AfxDateToContinuous(other.m_dt));
    if (m_status != valid || other.m_status != valid)
        result.m_status = COleDateTimeSpan::invalid;
    return result;
}

bool COleDateTime::operator==(const COleDateTime& other) const
{
    return m_status == other.m_status && m_dt == other.m_dt;
}

bool COleDateTime::operator!=(const COleDateTime& other) const
{
    return !(*this == other);
}

bool COleDateTime::operator<(const COleDateTime& other) const
{
    return AfxDateToContinuous(m_dt) < AfxDateToContinuous(other.m_dt);
}

bool COleDateTime::operator>(const COleDateTime& other) const
{
    return other < *this;
}

bool COleDateTime::operator<=(const COleDateTime& other) const
{
    return !(other < *this);
}

bool COleDateTime::operator>=(const COleDateTime& other) const
{
    return !(*this < other);
}
