// Force-included into the product sources of the native test build: gives them the few
// Windows C-runtime names they use, with the Windows behaviour where the C library differs.
#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>

typedef int64_t __time64_t;
typedef int errno_t;

namespace winshim {

// The Windows runtime refuses moments before 1970 and after 3000-12-31 23:59:59 UTC and
// then sets every field to -1.
inline errno_t LocalTime(struct tm* out, const __time64_t* clock)
{
    const __time64_t lastMoment = 32535215999LL;
    if (!out || !clock)
        return EINVAL;
    if (*clock < 0 || *clock > lastMoment) {
        out->tm_sec = out->tm_min = out->tm_hour = out->tm_mday = out->tm_mon = out->tm_year =
            out->tm_wday = out->tm_yday = out->tm_isdst = -1;
        return EINVAL;
    }
    time_t t = static_cast<time_t>(*clock);
    return localtime_r(&t, out) ? 0 : EINVAL;
}

// Local time as the Windows runtime resolves it, measured under Wine: the wall clock read as
// standard time decides whether daylight saving is in force, so the repeated autumn hour is
// standard time and a skipped spring hour is read as daylight time. The C library's mktime
// guesses the repeated hour from its previous call instead. Results before 1970 are failures.
inline __time64_t MakeTime(struct tm* parts)
{
    tzset();
    if (parts->tm_isdst >= 0) {
        time_t t = mktime(parts);
        return t < 0 ? -1 : static_cast<__time64_t>(t);
    }
    struct tm wall = *parts;
    wall.tm_isdst = 0;
    const time_t asUtc = timegm(&wall);
    const time_t asStandard = asUtc + timezone;
    struct tm probe;
    if (!localtime_r(&asStandard, &probe))
        return -1;
    const time_t result = asUtc - probe.tm_gmtoff;
    if (result < 0 || !localtime_r(&result, parts))
        return -1;
    return static_cast<__time64_t>(result);
}

// The Windows atof reads no inf, nan or hexadecimal forms, and takes d/D as the exponent letter.
inline double Atof(const char* text)
{
    auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    char buffer[512];
    int n = 0;
    const char* p = text;
    while (blank(*p))
        ++p;
    if (*p == '+' || *p == '-')
        buffer[n++] = *p++;
    int digits = 0;
    for (; digit(*p) && n < 500; ++p, ++digits)
        buffer[n++] = *p;
    if (*p == '.') {
        buffer[n++] = *p++;
        for (; digit(*p) && n < 500; ++p, ++digits)
            buffer[n++] = *p;
    }
    if (digits == 0)
        return 0.0;
    if (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D') {
        const char* q = p + 1;
        int m = n;
        buffer[m++] = 'e';
        if (*q == '+' || *q == '-')
            buffer[m++] = *q++;
        if (digit(*q)) {
            for (; digit(*q) && m < 510; ++q)
                buffer[m++] = *q;
            n = m;
        }
    }
    buffer[n] = 0;
    return strtod(buffer, nullptr);
}

}  // namespace winshim

inline void* _aligned_malloc(size_t size, size_t alignment)
{
    void* p = nullptr;
    return posix_memalign(&p, alignment, size) == 0 ? p : nullptr;
}
inline void _aligned_free(void* p) { free(p); }

inline errno_t localtime_s(struct tm* out, const __time64_t* clock) { return winshim::LocalTime(out, clock); }
inline errno_t _localtime64_s(struct tm* out, const __time64_t* clock) { return winshim::LocalTime(out, clock); }
inline __time64_t _mktime64(struct tm* parts) { return winshim::MakeTime(parts); }
inline double kelvoro_atof(const char* text) { return winshim::Atof(text); }
namespace std { using ::kelvoro_atof; }
#define atof kelvoro_atof
