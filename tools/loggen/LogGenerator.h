// Synthetic controller logs ("TEMPDATA.txt") for tests, benchmarks and the sample file:
// deterministic from a seed, with the records the parse must make of them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace loggen {

// Wall-clock time as the controller's own clock shows it (local time, no seconds).
struct CivilTime {
    int nYear = 2000, nMonth = 1, nDay = 1, nHour = 0, nMinute = 0;
};

// Minutes since 1970-01-01 00:00 of plain calendar arithmetic (no time zone, no daylight saving).
int64_t MinutesFromCivil(const CivilTime& time);
CivilTime CivilFromMinutes(int64_t nMinutes);

struct LogOptions {
    int nKind = 1;                    // 1 ultra-low freezer, 2 freezer, 3 refrigerator
    CivilTime start{2023, 5, 15, 0, 0};
    int nDays = 7;
    int nInterval = 1;                // minutes between readings, 1-99
    uint64_t nSeed = 1;
    bool bEvents = true;              // door openings, compressor faults, sensor faults
    bool bBlackouts = true;           // power cuts: a gap, a restart header, blackout alarms
    int nClockSetBackMinutes = 0;     // >0: halfway through, a restart with the clock set back
    bool bMalformedTail = false;      // a cut-off record at the end, as a pulled stick leaves
    bool bKeepRecords = true;         // fill GeneratedLog::records (off for very long logs)
};

// One data record as the parse must read it.
struct LogRecord {
    int64_t nClockMinutes;            // controller clock, MinutesFromCivil scale
    int nTenths;                      // temperature in tenths of a degree
    uint8_t byAlarm1;
    uint8_t byAlarm2;
};

struct GeneratedLog {
    std::string bytes;
    std::vector<LogRecord> records;
    size_t nRecords = 0;
    size_t nHeaders = 0;
};

GeneratedLog GenerateLog(const LogOptions& options);

// Texts the parse makes of a record: "%04d-%02d-%02d", "%02d:%02d", "%.1f".
std::string DateText(int64_t nClockMinutes);
std::string TimeText(int64_t nClockMinutes);
std::string TempText(int nTenths);

// The 13-byte header and 10-byte data record as the controller writes them.
std::string HeaderBytes(const CivilTime& time, int nInterval);
std::string DataBytes(int nTenths, uint8_t byAlarm1, uint8_t byAlarm2);

}  // namespace loggen
