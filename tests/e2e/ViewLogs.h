// Logs the view tests load: a week from Monday 2023-05-15 with a few alarms, and one record
// past the week.
#pragma once

#include "ViewHost.h"

#include <string>

inline std::string WeekWithAlarmsLog()
{
    return LogHeader(2023, 5, 15, 8, 0, 5) + LogData("-085.0", 0, 0) + LogData("-084.5", 0, 0x01) +
           LogData("-083.9", 0, 0) + LogHeader(2023, 5, 17, 12, 0, 30) + LogData("-080.0", 1, 0) +
           LogData("-079.0", 0, 0) + LogHeader(2023, 5, 21, 23, 40, 10) + LogData("-070.0", 0, 0) +
           LogData("-071.0", 0, 0x10) + LogHeader(2023, 5, 22, 0, 0, 10) + LogData("-060.0", 0, 0);
}

// One reading a minute over a whole day at a constant temperature.
inline std::string ConstantDayLog(int year, int month, int day, const char* temperature)
{
    std::string log = LogHeader(year, month, day, 0, 0, 1);
    for (int minute = 0; minute < 1440; ++minute)
        log += LogData(temperature, 0, 0);
    return log;
}
