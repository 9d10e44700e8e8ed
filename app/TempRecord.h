// One data record of the log in memory, as the parse makes it and the pages read it.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

#include <windows.h>

#include <cstddef>

class TempRecord : public CObject
{
public:
    // A log holds up to millions of records, made by one parse and deleted together: they come
    // from blocks of slots rather than one heap call each (see TempRecord.cpp). UI thread only.
    static void* operator new(size_t nSize);
    static void operator delete(void* p, size_t nSize) noexcept;

    CString strDate;        // "%04d-%02d-%02d", local date of the record's clock value
    CString strTime;        // "%02d:%02d", local hour and minute
    CString strTemp;        // "%.1f" of the temperature field narrowed to float
    BYTE byAlarm1 = 0;
    BYTE byAlarm2 = 0;
    CString strAlarm;       // FormatAlarmText of the two bytes; empty: no alarm
    int nMinuteIndex = 0;   // minutes from the searched start midnight; set by each search
};
