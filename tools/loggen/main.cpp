// loggen: writes a synthetic "TEMPDATA.txt" as a unit's controller would.
#include "tools/loggen/LogGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: loggen [options]\n"
    "  --kind N           1 ultra-low freezer, 2 freezer, 3 refrigerator (default 1)\n"
    "  --start YYYY-MM-DD[THH:MM]  controller clock at the first header (default 2023-05-15T00:00)\n"
    "  --days N           days of logging (default 7)\n"
    "  --interval N       minutes between readings, 1-99 (default 1)\n"
    "  --seed N           random seed (default 1)\n"
    "  --quiet            no door openings, faults or blackouts\n"
    "  --no-blackouts     no power cuts\n"
    "  --set-back N       halfway through, set the clock back N minutes\n"
    "  --malformed-tail   end with a cut-off record\n"
    "  --out PATH         output file (default TEMPDATA.txt)\n";

bool ParseStart(const char* psz, loggen::CivilTime& t)
{
    t.nHour = t.nMinute = 0;
    const int n = std::sscanf(psz, "%d-%d-%dT%d:%d", &t.nYear, &t.nMonth, &t.nDay, &t.nHour, &t.nMinute);
    return (n == 3 || n == 5) && t.nYear >= 2000 && t.nYear <= 2099 && t.nMonth >= 1 && t.nMonth <= 12 &&
           t.nDay >= 1 && t.nDay <= 31 && t.nHour >= 0 && t.nHour <= 23 && t.nMinute >= 0 && t.nMinute <= 59;
}

bool ParseInt(const char* psz, int lo, int hi, int& n)
{
    char* pEnd = nullptr;
    const long l = std::strtol(psz, &pEnd, 10);
    if (pEnd == psz || *pEnd != '\0' || l < lo || l > hi)
        return false;
    n = static_cast<int>(l);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    loggen::LogOptions options;
    std::string strOut = "TEMPDATA.txt";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* pszValue = i + 1 < argc ? argv[i + 1] : nullptr;
        bool bOk = true;
        int nSeed = 0;
        if (arg == "--quiet") {
            options.bEvents = options.bBlackouts = false;
            continue;
        } else if (arg == "--no-blackouts") {
            options.bBlackouts = false;
            continue;
        } else if (arg == "--malformed-tail") {
            options.bMalformedTail = true;
            continue;
        } else if (!pszValue) {
            bOk = false;
        } else if (arg == "--kind") {
            bOk = ParseInt(pszValue, 1, 3, options.nKind);
        } else if (arg == "--start") {
            bOk = ParseStart(pszValue, options.start);
        } else if (arg == "--days") {
            bOk = ParseInt(pszValue, 1, 36600, options.nDays);
        } else if (arg == "--interval") {
            bOk = ParseInt(pszValue, 1, 99, options.nInterval);
        } else if (arg == "--seed") {
            bOk = ParseInt(pszValue, 0, 2147483647, nSeed);
            options.nSeed = static_cast<uint64_t>(nSeed);
        } else if (arg == "--set-back") {
            bOk = ParseInt(pszValue, 1, 5256000, options.nClockSetBackMinutes);
        } else if (arg == "--out") {
            strOut = pszValue;
        } else {
            bOk = false;
        }
        if (!bOk) {
            std::fprintf(stderr, "loggen: bad option %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
        ++i;
    }
    options.bKeepRecords = false;
    const loggen::GeneratedLog log = loggen::GenerateLog(options);
    FILE* pFile = std::fopen(strOut.c_str(), "wb");
    if (!pFile || std::fwrite(log.bytes.data(), 1, log.bytes.size(), pFile) != log.bytes.size()) {
        std::fprintf(stderr, "loggen: cannot write %s\n", strOut.c_str());
        if (pFile)
            std::fclose(pFile);
        return 1;
    }
    std::fclose(pFile);
    std::printf("%s: %zu records, %zu headers, %zu bytes\n", strOut.c_str(), log.nRecords, log.nHeaders,
                log.bytes.size());
    return 0;
}
