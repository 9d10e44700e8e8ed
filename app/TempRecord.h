// One data record of the log in memory, as the parse makes it and the pages read it.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

#include <windows.h>

class TempRecord : public CObject
{
public:
    CString strDate;        // "%04d-%02d-%02d", local date of the record's clock value
    CString strTime;        // "%02d:%02d", local hour and minute
    CString strTemp;        // "%.1f" of the temperature field narrowed to float
    BYTE byAlarm1 = 0;
    BYTE byAlarm2 = 0;
    CString strAlarm;       // FormatAlarmText of the two bytes; empty: no alarm
    int nMinuteIndex = 0;   // minutes from the searched start midnight; set by each search
};
