// Native test build only: the framework's few platform calls that the window-free classes
// reach, done with plain calendar arithmetic and no user interface.
#include "framework/CString.h"
#include "framework/Exceptions.h"
#include "framework/OleDateConvert.h"

#include <cmath>
#include <cstdio>

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const long long kOleEpochDays = -25569;  // 1899-12-30 counted from 1970-01-01
const double kFirstDate = -657434.0;     // 100-01-01
const double kLastDate = 2958466.0;      // 10000-01-01

}  // namespace

bool AfxVariantTimeToFields(DATE date, AfxDateFields& fields)
{
    if (!(date >= kFirstDate && date < kLastDate))
        return false;
    // Before the epoch the fraction still counts forward from the day's midnight.
    double whole = std::trunc(date);
    long long seconds = std::llround(std::fabs(date - whole) * 86400.0);
    long long day = static_cast<long long>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += date < 0 ? -1 : 1;
    }
    long long days = day + kOleEpochDays;
    CivilFromDays(days, fields.year, fields.month, fields.day);
    fields.hour = static_cast<int>(seconds / 3600);
    fields.minute = static_cast<int>(seconds / 60 % 60);
    fields.second = static_cast<int>(seconds % 60);
    fields.dayOfWeek = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    fields.dayOfYear = static_cast<int>(days - DaysFromCivil(fields.year, 1, 1) + 1);
    return true;
}

bool AfxUdateFromDate(DATE date, AfxDateFields& fields)
{
    return AfxVariantTimeToFields(date, fields);
}

bool AfxFieldsToVariantTime(const AfxDateFields& f, DATE& date)
{
    if (f.year < 100 || f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31 ||
        f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 || f.second > 59)
        return false;
    long long day = DaysFromCivil(f.year, f.month, 1) + f.day - 1 - kOleEpochDays;
    double fraction = (f.hour * 3600 + f.minute * 60 + f.second) / 86400.0;
    date = day >= 0 ? day + fraction : day - fraction;
    return true;
}

int AfxMessageBox(const char* text, unsigned int, unsigned int)
{
    std::fprintf(stderr, "message box: %s\n", text);
    return 1;
}

int AfxMessageBox(unsigned int stringId, unsigned int, unsigned int)
{
    std::fprintf(stderr, "message box: string %u\n", stringId);
    return 1;
}

bool CString::LoadString(unsigned int)
{
    return false;
}
