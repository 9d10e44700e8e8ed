#include "framework/CTime.h"

#include "framework/Exceptions.h"

namespace {

bool ToLocal(std::time_t time, std::tm& out)
{
#ifdef _WIN32
    return localtime_s(&out, &time) == 0;
#else
    return localtime_r(&time, &out) != nullptr;
#endif
}

bool ToGmt(std::time_t time, std::tm& out)
{
#ifdef _WIN32
    return gmtime_s(&out, &time) == 0;
#else
    return gmtime_r(&time, &out) != nullptr;
#endif
}

}  // namespace

CTimeSpan::CTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(static_cast<long long>(days) * 86400 + hours * 3600LL + minutes * 60LL + seconds)
{
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int daylightSaving)
{
    std::tm tm = {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = daylightSaving;
    m_time = std::mktime(&tm);
    if (m_time == static_cast<std::time_t>(-1))
        AfxThrowInvalidArgException();
}

CTime CTime::GetCurrentTime()
{
    return CTime(std::time(nullptr));
}

std::tm CTime::GetLocalTm() const
{
    std::tm tm = {};
    if (!ToLocal(m_time, tm))
        AfxThrowInvalidArgException();
    return tm;
}

std::tm CTime::GetGmtTm() const
{
    std::tm tm = {};
    if (!ToGmt(m_time, tm))
        AfxThrowInvalidArgException();
    return tm;
}

CString CTime::FormatTm(const char* format, const std::tm& tm)
{
    char buffer[256];
    const size_t length = std::strftime(buffer, sizeof buffer, format != nullptr ? format : "", &tm);
    return CString(buffer, static_cast<int>(length));
}

CString CTime::Format(const char* format) const
{
    return FormatTm(format, GetLocalTm());
}

CString CTime::FormatGmt(const char* format) const
{
    return FormatTm(format, GetGmtTm());
}
