// Logs from the generator, with restarts, blackouts, a clock set back and cut-off tails:
// every record written comes out of the parse with its date, time, temperature and alarms.
#include "LogTestSupport.h"

#include "tools/loggen/LogGenerator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct GeneratedCase
{
    const char* pszName;
    int nKind;
    int nDays;
    int nInterval;
    uint64_t nSeed;
    int nSetBackMinutes;
    bool bMalformedTail;
};

const GeneratedCase kCases[] = {
    {"UltFreezerWeekEveryMinute", 1, 7, 1, 1, 0, false},
    {"FreezerMonthEveryFiveMinutes", 2, 31, 5, 2, 0, true},
    {"RefrigeratorQuarterEveryQuarterHour", 3, 92, 15, 3, 0, true},
    {"ClockSetBackADay", 1, 14, 1, 4, 1440, false},
    {"ClockSetBackAnHourWithCutTail", 2, 3, 1, 5, 60, true},
    {"LongIntervalAcrossTheYearEnd", 3, 400, 99, 6, 0, true},
};

class GeneratedLog : public ::testing::TestWithParam<GeneratedCase>
{
protected:
    ScopedTimeZone m_zone{"KST-9"};
};

TEST_P(GeneratedLog, RecordsInEqualRecordsOut)
{
    const GeneratedCase& c = GetParam();
    loggen::LogOptions options;
    options.nKind = c.nKind;
    options.start = {2023, 12, 1, 6, 0};
    options.nDays = c.nDays;
    options.nInterval = c.nInterval;
    options.nSeed = c.nSeed;
    options.nClockSetBackMinutes = c.nSetBackMinutes;
    options.bMalformedTail = c.bMalformedTail;
    const loggen::GeneratedLog log = loggen::GenerateLog(options);

    ParsedLog parsed;
    ParseInto(log.bytes, parsed);
    ASSERT_TRUE(parsed.result.bOk);
    EXPECT_EQ(c.nInterval, parsed.nInterval);
    const std::vector<TempRecord*> items = parsed.records.Items();
    ASSERT_EQ(log.records.size(), items.size());
    std::string strEarliest = "9999", strLatest = "0000";
    for (size_t i = 0; i < items.size(); ++i) {
        const loggen::LogRecord& in = log.records[i];
        const TempRecord& out = *items[i];
        const std::string strDate = loggen::DateText(in.nClockMinutes);
        ASSERT_EQ(strDate, out.strDate.str()) << "record " << i;
        ASSERT_EQ(loggen::TimeText(in.nClockMinutes), out.strTime.str()) << "record " << i;
        ASSERT_EQ(loggen::TempText(in.nTenths), out.strTemp.str()) << "record " << i;
        ASSERT_EQ(in.byAlarm1, out.byAlarm1) << "record " << i;
        ASSERT_EQ(in.byAlarm2, out.byAlarm2) << "record " << i;
        CString strAlarm;
        FormatAlarmText(in.byAlarm1, in.byAlarm2, strAlarm);
        ASSERT_EQ(strAlarm, out.strAlarm) << "record " << i;
        strEarliest = std::min(strEarliest, strDate);
        strLatest = std::max(strLatest, strDate);
    }
    EXPECT_EQ(strEarliest, parsed.result.strEarliest.str());
    EXPECT_EQ(strLatest, parsed.result.strLatest.str());
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratedLog, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GeneratedCase>& info) { return info.param.pszName; });

TEST(GeneratedLogContent, CarriesEveryAlarmKindOverAYear)
{
    loggen::LogOptions options;
    options.nDays = 366;
    options.nSeed = 11;
    const loggen::GeneratedLog log = loggen::GenerateLog(options);
    int nSensor = 0, nHigh = 0, nComp = 0, nBlackout = 0;
    for (const loggen::LogRecord& r : log.records) {
        nSensor += r.byAlarm1 != 0;
        nHigh += (r.byAlarm2 & 0x01) != 0;
        nComp += (r.byAlarm2 & 0x0C) != 0;
        nBlackout += (r.byAlarm2 & 0x10) != 0;
    }
    EXPECT_GT(nSensor, 0);
    EXPECT_GT(nHigh, 0);
    EXPECT_GT(nComp, 0);
    EXPECT_GT(nBlackout, 0);
    EXPECT_GT(log.nHeaders, 1u);
}

TEST(GeneratedLogContent, SameSeedGivesSameBytes)
{
    loggen::LogOptions options;
    options.nDays = 30;
    options.nSeed = 42;
    EXPECT_EQ(loggen::GenerateLog(options).bytes, loggen::GenerateLog(options).bytes);
    loggen::LogOptions other = options;
    other.nSeed = 43;
    EXPECT_NE(loggen::GenerateLog(options).bytes, loggen::GenerateLog(other).bytes);
}

}  // namespace
