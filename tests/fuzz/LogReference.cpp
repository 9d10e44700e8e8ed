#include "LogReference.h"

#include "shim/WinCrt.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

bool IsBlank(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// atoi of a field on its own: blanks, one sign, digits up to the first other byte.
int FieldNumber(const unsigned char* p, int width)
{
    int i = 0;
    while (i < width && IsBlank(p[i]))
        ++i;
    bool negative = false;
    if (i < width && (p[i] == '+' || p[i] == '-'))
        negative = p[i++] == '-';
    int value = 0;
    while (i < width && IsDigit(p[i]))
        value = value * 10 + (p[i++] - '0');
    return negative ? -value : value;
}

// The longest prefix of the six bytes that the platform's atof accepts, as plain text, so
// that strtod sees nothing it would read differently (no inf, nan or hex forms). The
// platform's atof also takes d/D as the exponent letter.
std::string DecimalPrefix(const unsigned char* p)
{
    const int width = 6;
    int i = 0;
    while (i < width && IsBlank(p[i]))
        ++i;
    std::string text;
    if (i < width && (p[i] == '+' || p[i] == '-'))
        text += static_cast<char>(p[i++]);
    int digits = 0;
    while (i < width && IsDigit(p[i])) {
        text += static_cast<char>(p[i++]);
        ++digits;
    }
    if (i < width && p[i] == '.') {
        text += static_cast<char>(p[i++]);
        while (i < width && IsDigit(p[i])) {
            text += static_cast<char>(p[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return "0";
    if (i < width && (p[i] == 'e' || p[i] == 'E' || p[i] == 'd' || p[i] == 'D')) {
        int j = i + 1;
        std::string exponent = "e";
        if (j < width && (p[j] == '+' || p[j] == '-'))
            exponent += static_cast<char>(p[j++]);
        bool any = false;
        while (j < width && IsDigit(p[j])) {
            exponent += static_cast<char>(p[j++]);
            any = true;
        }
        if (any)
            text += exponent;
    }
    return text;
}

std::string TemperatureText(const unsigned char* p)
{
    float value = static_cast<float>(std::strtod(DecimalPrefix(p).c_str(), nullptr));
    char out[64];
    std::snprintf(out, sizeof out, "%.1f", static_cast<double>(value));
    return out;
}

int Nibble(unsigned char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

unsigned char HexByte(const unsigned char* p)
{
    return static_cast<unsigned char>(Nibble(p[0]) * 16 + Nibble(p[1]));
}

// The platform's localtime_s refuses moments before 1970 and after the year 3000.
bool LocalParts(int64_t clock, std::tm& out)
{
    const int64_t lastMoment = 32535215999LL;
    if (clock < 0 || clock > lastMoment)
        return false;
    std::time_t t = static_cast<std::time_t>(clock);
    return localtime_r(&t, &out) != nullptr;
}

void StampRecord(int64_t clock, RefRecord& record)
{
    std::tm parts{};
    char text[64];
    if (LocalParts(clock, parts)) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.tm_year + 1900, parts.tm_mon + 1,
                      parts.tm_mday);
        record.date = text;
        std::snprintf(text, sizeof text, "%02d:%02d", parts.tm_hour, parts.tm_min);
        record.time = text;
    } else {
        record.date = "0000-00-00";
        record.time = "-1:-1";
    }
}

}  // namespace

std::string ReferenceAlarmText(unsigned char alarm1, unsigned char alarm2)
{
    std::vector<std::string> items;
    if (alarm1 != 0)
        items.push_back("SENSOR ALARM");
    if (alarm2 & 0x01)
        items.push_back("HIGH TEMP ALARM");
    if (alarm2 & 0x02)
        items.push_back("LOW TEMP ALARM");
    if (alarm2 & 0x0C)
        items.push_back("COMP ERROR");
    if (alarm2 & 0x10)
        items.push_back("BLACKOUT ALARM");
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i ? ", " : "") + items[i];
    return text;
}

std::string ReferenceTitle(const std::string& caption, const RefOutcome& outcome)
{
    if (outcome.earliest == "9999")
        return caption;
    if (outcome.earliest == outcome.latest)
        return caption + " (" + outcome.earliest + ")";
    return caption + " (" + outcome.earliest + " ~ " + outcome.latest + ")";
}

RefOutcome ReadLogForReference(const unsigned char* data, size_t size, int interval)
{
    RefOutcome out;
    out.interval = interval;
    int64_t clock = 0;
    size_t at = 0;
    while (at < size) {
        const unsigned char* p = data + at;
        size_t left = size - at;
        if (p[0] == 'T') {
            if (left < 13)
                break;
            out.interval = FieldNumber(p + 11, 2);
            int year = FieldNumber(p + 1, 2) + 2000;
            int month = FieldNumber(p + 3, 2);
            int day = FieldNumber(p + 5, 2);
            int hour = FieldNumber(p + 7, 2);
            int minute = FieldNumber(p + 9, 2);
            if (month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
                minute < 0 || minute > 59) {
                out.stoppedAtBadHeader = true;
                out.badHeaderOffset = at;
                break;
            }
            std::tm parts{};
            parts.tm_year = year - 1900;
            parts.tm_mon = month - 1;
            parts.tm_mday = day;
            parts.tm_hour = hour;
            parts.tm_min = minute;
            parts.tm_isdst = -1;
            // The platform's mktime (the shim's, in this build): it settles daylight saving.
            __time64_t t = _mktime64(&parts);
            if (t == -1) {
                out.stoppedAtBadHeader = true;
                out.badHeaderOffset = at;
                break;
            }
            clock = t;
            at += 13;
            continue;
        }
        if (left < 10)
            break;
        RefRecord record;
        StampRecord(clock, record);
        if (record.date < out.earliest)
            out.earliest = record.date;
        if (record.date > out.latest)
            out.latest = record.date;
        record.temp = TemperatureText(p);
        record.alarm1 = HexByte(p + 6);
        record.alarm2 = HexByte(p + 8);
        record.alarmText = ReferenceAlarmText(record.alarm1, record.alarm2);
        out.records.push_back(record);
        clock += static_cast<int64_t>(out.interval) * 60;
        at += 10;
    }
    return out;
}
