// The platform's OLE date conversions, behind a narrow interface so the date classes above it
// stay free of <windows.h> (a native build can put a shim in this file's place).
#pragma once

#include "framework/AfxTypes.h"

struct AfxDateFields
{
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
    int dayOfWeek;  // 0 = Sunday
    int dayOfYear;  // 1 = January 1st
};

// VariantTimeToSystemTime: false when the date is outside the platform's range.
bool AfxVariantTimeToFields(DATE date, AfxDateFields& fields);
// VarUdateFromDate, which also fills the day of the week and of the year.
bool AfxUdateFromDate(DATE date, AfxDateFields& fields);
// SystemTimeToVariantTime: false when the platform rejects the fields.
bool AfxFieldsToVariantTime(const AfxDateFields& fields, DATE& date);
