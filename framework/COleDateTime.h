// OLE automation dates (days since 1899-12-30 00:00, the fraction being the time of day) with a
// status, and spans between them. Free of <windows.h>: the platform's conversions sit behind
// OleDateConvert.h.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CString.h"

#include <ctime>

struct _SYSTEMTIME;
struct AfxDateFields;

// Before 1899-12-30 an OLE date's integer part counts back while its fraction counts forward;
// arithmetic goes through a day count that is continuous across that point.
double AfxDateToContinuous(DATE date);
DATE AfxContinuousToDate(double count);

class COleDateTimeSpan
{
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days) : m_span(days) {}
    // days + hours / 24 + minutes / 1440 + seconds / 86400, summed in that order.
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    void SetDateTimeSpan(long days, int hours, int minutes, int seconds);
    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }

    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24.0; }
    double GetTotalMinutes() const { return m_span * 1440.0; }
    double GetTotalSeconds() const { return m_span * 86400.0; }
    // Parts of the span rounded to the nearest second, each with the span's sign.
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan operator*(double factor) const;
    COleDateTimeSpan operator/(double divisor) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);

    bool operator==(const COleDateTimeSpan& other) const { return m_span == other.m_span; }
    bool operator!=(const COleDateTimeSpan& other) const { return m_span != other.m_span; }
    bool operator<(const COleDateTimeSpan& other) const { return m_span < other.m_span; }
    bool operator>(const COleDateTimeSpan& other) const { return m_span > other.m_span; }
    bool operator<=(const COleDateTimeSpan& other) const { return m_span <= other.m_span; }
    bool operator>=(const COleDateTimeSpan& other) const { return m_span >= other.m_span; }

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    long long RoundedSeconds() const;
};

class COleDateTime
{
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;
    COleDateTime(DATE date) : m_dt(date) {}
    // Local time of a moment given in seconds since 1970-01-01 00:00 UTC.
    COleDateTime(std::time_t time);
    COleDateTime(const _SYSTEMTIME& systemTime);
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Valid only when converting the value back gives the same fields; the value is kept
    // either way (0.0 when the platform rejects the fields). Returns 0 when valid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    // Calendar fields rounded to the nearest second; -1 when the date is not valid or out of range.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    int GetDayOfYear() const;  // 1 = January 1st
    bool GetAsSystemTime(_SYSTEMTIME& systemTime) const;

    // strftime-style text of the date; "Invalid DateTime" when it cannot be converted,
    // empty for a null date.
    CString Format(const char* format) const;

    operator DATE() const { return m_dt; }
    COleDateTime& operator=(DATE date);

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const;
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const;
    bool operator<=(const COleDateTime& other) const;
    bool operator>=(const COleDateTime& other) const;

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;

private:
    // Rounded calendar field, read through VarUdateFromDate when the day counts are wanted.
    int FieldOf(int AfxDateFields::*member, bool withDayCounts = false) const;
};
