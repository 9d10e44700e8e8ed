// COleDateTime's SYSTEMTIME conversions: the only part of the date class that names platform types.
#include "framework/COleDateTime.h"

#include <windows.h>

COleDateTime::COleDateTime(const SYSTEMTIME& systemTime)
{
    SetDateTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay, systemTime.wHour, systemTime.wMinute,
                systemTime.wSecond);
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    const int year = GetYear();
    if (year < 0)
        return false;
    systemTime = SYSTEMTIME{};
    systemTime.wYear = static_cast<WORD>(year);
    systemTime.wMonth = static_cast<WORD>(GetMonth());
    systemTime.wDay = static_cast<WORD>(GetDay());
    systemTime.wHour = static_cast<WORD>(GetHour());
    systemTime.wMinute = static_cast<WORD>(GetMinute());
    systemTime.wSecond = static_cast<WORD>(GetSecond());
    systemTime.wDayOfWeek = static_cast<WORD>(GetDayOfWeek() - 1);
    return true;
}
