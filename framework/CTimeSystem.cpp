// CTime's SYSTEMTIME conversions: the only part of the class that names platform types.
#include "framework/CTime.h"

#include <windows.h>

namespace {

CTime FromSystemTime(const SYSTEMTIME& st, int daylightSaving)
{
    if (st.wYear < 1900)
        return CTime(static_cast<std::time_t>(0));
    return CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, daylightSaving);
}

}  // namespace

CTime::CTime(const SYSTEMTIME& systemTime, int daylightSaving) : CTime(FromSystemTime(systemTime, daylightSaving)) {}

bool CTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    std::tm tm = {};
    if (localtime_s(&tm, &m_time) != 0)
        return false;
    systemTime = SYSTEMTIME{};
    systemTime.wYear = static_cast<WORD>(tm.tm_year + 1900);
    systemTime.wMonth = static_cast<WORD>(tm.tm_mon + 1);
    systemTime.wDay = static_cast<WORD>(tm.tm_mday);
    systemTime.wHour = static_cast<WORD>(tm.tm_hour);
    systemTime.wMinute = static_cast<WORD>(tm.tm_min);
    systemTime.wSecond = static_cast<WORD>(tm.tm_sec);
    systemTime.wDayOfWeek = static_cast<WORD>(tm.tm_wday);
    return true;
}
