// Parse and search speed on generated one-minute logs of a day, a month, a year and ten years,
// against a plain scan of the same bytes. Not a test: prints its figures.
#include "app/RadarConstants.h"
#include "app/TempDegreeContainerLog.h"
#include "app/TempDegreeContainerSearch.h"
#include "tools/loggen/LogGenerator.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// The floor any parse has to pay: reading every byte once.
unsigned ScanBytes(const std::string& bytes)
{
    unsigned nSum = 0;
    for (unsigned char ch : bytes)
        nSum = nSum * 31 + ch;
    return nSum;
}

struct Figures
{
    double dParseMs = 1e30, dDayMs = 1e30, dWeekMs = 1e30, dScanMs = 1e30, dClearMs = 1e30;
};

double WalkMs(CObList& records, CTime picked, bool bWeek)
{
    std::vector<float> values(RADAR_MINUTES);
    std::vector<double> angles(RADAR_MINUTES);
    const double dStart = NowMs();
    SearchWalk walk;
    RunSearchWalk(picked, bWeek, records, 1, walk);
    FillRadarSlots(walk.radarList, values.data(), angles.data());
    return NowMs() - dStart;
}

Figures Measure(const std::string& bytes, const loggen::CivilTime& lastDay, const loggen::CivilTime& lastWeek,
                int nRuns, size_t& nRecords)
{
    Figures best;
    volatile unsigned nSink = 0;
    for (int nRun = 0; nRun < nRuns; ++nRun) {
        double dStart = NowMs();
        nSink = nSink + ScanBytes(bytes);
        best.dScanMs = std::min(best.dScanMs, NowMs() - dStart);

        CObList records(10);
        int nInterval = 0;
        dStart = NowMs();
        ParseTempLog(bytes.data(), bytes.size(), records, nInterval);
        best.dParseMs = std::min(best.dParseMs, NowMs() - dStart);
        nRecords = static_cast<size_t>(records.GetCount());

        // The picked days are the last ones, so the walk passes over every record.
        best.dDayMs = std::min(best.dDayMs, WalkMs(records, CTime(lastDay.nYear, lastDay.nMonth, lastDay.nDay, 12, 0, 0), false));
        best.dWeekMs = std::min(best.dWeekMs, WalkMs(records, CTime(lastWeek.nYear, lastWeek.nMonth, lastWeek.nDay, 12, 0, 0), true));

        dStart = NowMs();
        DeleteTempRecords(records);
        best.dClearMs = std::min(best.dClearMs, NowMs() - dStart);
    }
    return best;
}

}  // namespace

int main()
{
    struct Size
    {
        const char* pszName;
        int nDays;
        int nRuns;
    } const sizes[] = {{"1 day", 1, 20}, {"1 month", 30, 10}, {"1 year", 365, 5}, {"10 years", 3650, 3}};

    std::printf("Best of several runs; deleting the records gives their memory back, so every parse\n"
                "starts on fresh pages (first-touch faults are a large share of the parse under Wine).\n");
    std::printf("%-9s %9s %9s %8s %8s %9s %12s %8s %7s %8s\n", "log", "records", "parse ms", "day ms", "week ms",
                "total ms", "records/s", "scan ms", "ratio", "free ms");
    double dYearTotal = 0, dDecadeTotal = 0;
    for (const Size& size : sizes) {
        loggen::LogOptions options;
        options.start = {2020, 1, 1, 0, 0};
        options.nDays = size.nDays;
        options.nInterval = 1;
        options.nSeed = 7;
        options.bBlackouts = false;  // keeps exactly 1440 records a day
        options.bKeepRecords = false;
        const loggen::GeneratedLog log = loggen::GenerateLog(options);
        const int64_t nFirst = loggen::MinutesFromCivil(options.start);
        const loggen::CivilTime lastDay = loggen::CivilFromMinutes(nFirst + (size.nDays - 1) * 1440LL);
        const loggen::CivilTime lastWeek = loggen::CivilFromMinutes(nFirst + std::max(0, size.nDays - 7) * 1440LL);

        size_t nRecords = 0;
        const Figures f = Measure(log.bytes, lastDay, lastWeek, size.nRuns, nRecords);
        const double dTotal = f.dParseMs + f.dDayMs + f.dWeekMs;
        std::printf("%-9s %9zu %9.2f %8.2f %8.2f %9.2f %12.0f %8.2f %6.1fx %8.2f\n", size.pszName, nRecords, f.dParseMs,
                    f.dDayMs, f.dWeekMs, dTotal, nRecords / (f.dParseMs / 1000.0), f.dScanMs,
                    f.dParseMs / f.dScanMs, f.dClearMs);
        if (size.nDays == 365)
            dYearTotal = dTotal;
        if (size.nDays == 3650)
            dDecadeTotal = dTotal;
    }
    std::printf("10 years / 1 year (parse + day + week): %.1fx\n", dDecadeTotal / dYearTotal);
    return 0;
}
