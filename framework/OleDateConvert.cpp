#include "framework/OleDateConvert.h"

#include <windows.h>
#include <oleauto.h>

namespace {

void FromSystemTime(const SYSTEMTIME& st, AfxDateFields& fields)
{
    fields.year = st.wYear;
    fields.month = st.wMonth;
    fields.day = st.wDay;
    fields.hour = st.wHour;
    fields.minute = st.wMinute;
    fields.second = st.wSecond;
    fields.dayOfWeek = st.wDayOfWeek;
    fields.dayOfYear = 0;
}

}  // namespace

bool AfxVariantTimeToFields(DATE date, AfxDateFields& fields)
{
    SYSTEMTIME st = {};
    if (!::VariantTimeToSystemTime(date, &st))
        return false;
    FromSystemTime(st, fields);
    return true;
}

bool AfxUdateFromDate(DATE date, AfxDateFields& fields)
{
    UDATE udate = {};
    if (FAILED(::VarUdateFromDate(date, 0, &udate)))
        return false;
    FromSystemTime(udate.st, fields);
    fields.dayOfYear = udate.wDayOfYear;
    return true;
}

bool AfxFieldsToVariantTime(const AfxDateFields& fields, DATE& date)
{
    // SYSTEMTIME holds unsigned 16-bit fields: anything outside cannot be a date.
    const int values[] = {fields.year, fields.month, fields.day, fields.hour, fields.minute, fields.second};
    for (int value : values) {
        if (value < 0 || value > 0xFFFF)
            return false;
    }
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(fields.year);
    st.wMonth = static_cast<WORD>(fields.month);
    st.wDay = static_cast<WORD>(fields.day);
    st.wHour = static_cast<WORD>(fields.hour);
    st.wMinute = static_cast<WORD>(fields.minute);
    st.wSecond = static_cast<WORD>(fields.second);
    double value = 0.0;
    if (!::SystemTimeToVariantTime(&st, &value))
        return false;
    date = value;
    return true;
}
