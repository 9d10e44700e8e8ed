// Moments as 64-bit seconds since 1970-01-01 00:00 UTC, read in local time through the runtime,
// and spans of seconds. Free of <windows.h>.
#pragma once

#include "framework/CString.h"

#include <ctime>

struct _SYSTEMTIME;

class CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(long long seconds) : m_span(seconds) {}
    CTimeSpan(long days, int hours, int minutes, int seconds);

    long long GetTimeSpan() const { return m_span; }
    long long GetDays() const { return m_span / 86400; }
    long long GetTotalHours() const { return m_span / 3600; }
    long GetHours() const { return static_cast<long>(GetTotalHours() - GetDays() * 24); }
    long long GetTotalMinutes() const { return m_span / 60; }
    long GetMinutes() const { return static_cast<long>(GetTotalMinutes() - GetTotalHours() * 60); }
    long long GetTotalSeconds() const { return m_span; }
    long GetSeconds() const { return static_cast<long>(m_span - GetTotalMinutes() * 60); }

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    CTimeSpan& operator+=(CTimeSpan other) { m_span += other.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan other) { m_span -= other.m_span; return *this; }
    bool operator==(CTimeSpan other) const { return m_span == other.m_span; }
    bool operator!=(CTimeSpan other) const { return m_span != other.m_span; }
    bool operator<(CTimeSpan other) const { return m_span < other.m_span; }
    bool operator>(CTimeSpan other) const { return m_span > other.m_span; }
    bool operator<=(CTimeSpan other) const { return m_span <= other.m_span; }
    bool operator>=(CTimeSpan other) const { return m_span >= other.m_span; }

private:
    long long m_span = 0;
};

class CTime
{
public:
    CTime() = default;
    CTime(std::time_t time) : m_time(time) {}
    // Local time through mktime; daylight saving as given (-1: the runtime decides).
    // Throws CInvalidArgException when the runtime cannot convert the moment.
    CTime(int year, int month, int day, int hour, int minute, int second, int daylightSaving = -1);
    // As above; a year before 1900 gives the moment 0.
    CTime(const _SYSTEMTIME& systemTime, int daylightSaving = -1);

    static CTime GetCurrentTime();

    std::time_t GetTime() const { return m_time; }
    // Local calendar fields; they throw CInvalidArgException outside the runtime's range.
    int GetYear() const { return GetLocalTm().tm_year + 1900; }
    int GetMonth() const { return GetLocalTm().tm_mon + 1; }
    int GetDay() const { return GetLocalTm().tm_mday; }
    int GetHour() const { return GetLocalTm().tm_hour; }
    int GetMinute() const { return GetLocalTm().tm_min; }
    int GetSecond() const { return GetLocalTm().tm_sec; }
    int GetDayOfWeek() const { return GetLocalTm().tm_wday + 1; }  // 1 = Sunday
    std::tm GetLocalTm() const;
    std::tm GetGmtTm() const;
    bool GetAsSystemTime(_SYSTEMTIME& systemTime) const;

    // strftime of the local (or UTC) time.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    static CString FormatTm(const char* format, const std::tm& tm);

    std::time_t m_time = 0;
};
