// The parse of "TEMPDATA.txt": header and data records, field readings, partial and invalid records.
#include "LogTestSupport.h"

#include "app/CTempDegreeContainer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// "date time temp a1 a2" of each record, easy to read in a failure.
std::vector<std::string> Describe(const RecordList& records)
{
    std::vector<std::string> lines;
    for (const TempRecord* p : records.Items()) {
        char sz[128];
        std::snprintf(sz, sizeof sz, "%s %s %s %02X %02X", p->strDate.GetString(), p->strTime.GetString(),
                      p->strTemp.GetString(), p->byAlarm1, p->byAlarm2);
        lines.push_back(sz);
    }
    return lines;
}

struct ParseCase
{
    const char* pszName;
    int nIntervalBefore;               // the view's interval when the load starts
    std::string bytes;
    std::vector<std::string> records;  // Describe() of the result
    int nIntervalAfter;
    bool bOk = true;
    size_t nBadHeaderOffset = 0;
};

const ParseCase kCases[] = {
    {"WorkedExampleTwoRecordsFiveMinutesApart", 0, "T230515083005-025.30001-024.90000",
     {"2023-05-15 08:30 -25.3 00 01", "2023-05-15 08:35 -24.9 00 00"}, 5},
    {"RecordsBeforeAnyHeaderStartAtTheEpochInLocalTime", 5, "+004.00000+004.10000",
     {"1970-01-01 09:00 4.0 00 00", "1970-01-01 09:05 4.1 00 00"}, 5},
    {"NoHeaderEverReadKeepsEveryRecordAtTheEpoch", 0, "+004.00000+004.10000",
     {"1970-01-01 09:00 4.0 00 00", "1970-01-01 09:00 4.1 00 00"}, 0},
    {"LowerCaseTStartsADataRecord", 1, "t230515083005",
     {"1970-01-01 09:00 0.0 50 83"}, 1},
    {"DayPastMonthEndRollsIntoNextMonth", 0, "T230631235901+001.00000+002.00000",
     {"2023-07-01 23:59 1.0 00 00", "2023-07-02 00:00 2.0 00 00"}, 1},
    {"IntervalZeroKeepsTheClock", 0, "T230515080000+001.00000+002.00000",
     {"2023-05-15 08:00 1.0 00 00", "2023-05-15 08:00 2.0 00 00"}, 0},
    {"NegativeIntervalMovesTheClockBack", 0, "T2305150800-5+001.00000+002.00000+003.00000",
     {"2023-05-15 08:00 1.0 00 00", "2023-05-15 07:55 2.0 00 00", "2023-05-15 07:50 3.0 00 00"}, -5},
    {"ClockBeforeTheEpochGivesZeroDateAndMinusOneTime", -5, "+001.00000+002.00000",
     {"1970-01-01 09:00 1.0 00 00", "0000-00-00 -1:-1 2.0 00 00"}, -5},
    {"TemperatureFieldWithoutNumberReadsZero", 0, "T230515080001ABCDEF0000",
     {"2023-05-15 08:00 0.0 00 00"}, 1},
    // 0.15 as a double prints 0.1, narrowed to single precision it prints 0.2.
    {"TemperatureFieldIsNarrowedThenRoundedToOneDecimal", 0, "T230515080001+12.340000+00.150000-00.150000",
     {"2023-05-15 08:00 12.3 00 00", "2023-05-15 08:01 0.2 00 00", "2023-05-15 08:02 -0.2 00 00"}, 1},
    {"TemperatureFieldStopsAtFirstForeignByte", 0, "T230515080001-3.5xy0000 1e1  0000",
     {"2023-05-15 08:00 -3.5 00 00", "2023-05-15 08:01 10.0 00 00"}, 1},
    {"AlarmDigitsInBothCasesAndForeignDigitsAsZero", 0,
     "T230515080001+000.0ffFF+000.00G G+000.0 1 a",
     {"2023-05-15 08:00 0.0 FF FF", "2023-05-15 08:01 0.0 00 00", "2023-05-15 08:02 0.0 01 0A"}, 1},
    {"TrailingPartialDataRecordIsIgnored", 0, "T230515080001+001.00000+002.0000",
     {"2023-05-15 08:00 1.0 00 00"}, 1},
    {"TrailingPartialHeaderIsIgnored", 0, "T230515080001+001.00000T2305160800",
     {"2023-05-15 08:00 1.0 00 00"}, 1},
    {"TrailingPartialHeaderOfTenBytesIsNotReadAsData", 0, "T230515080001+001.00000T230516080",
     {"2023-05-15 08:00 1.0 00 00"}, 1},
    {"TruncatedHeaderAloneGivesNothing", 3, "T2305", {}, 3},
    {"EmptyFileGivesNothing", 3, "", {}, 3},
    {"HeadersOnlyGiveNothing", 0, "T230515080001T230516080002", {}, 2},
    {"YearFieldIsNeverChecked", 0, "T  0515080001+001.00000T-10515080001+001.00000",
     {"2000-05-15 08:00 1.0 00 00", "1999-05-15 08:00 1.0 00 00"}, 1},
    {"FieldsWithBlankOrSignReadAsNumbers", 0, "T23 5 1 8 0 1+001.00000",
     {"2023-05-01 08:00 1.0 00 00"}, 1},
    {"ClockSetBackKeepsFileOrder", 0, "T230515080001+001.00000T230514080001+002.00000",
     {"2023-05-15 08:00 1.0 00 00", "2023-05-14 08:00 2.0 00 00"}, 1},
    {"HeaderResetsIntervalForFollowingRecords", 0, "T230515080010+001.00000T230515090030+002.00000+003.00000",
     {"2023-05-15 08:00 1.0 00 00", "2023-05-15 09:00 2.0 00 00", "2023-05-15 09:30 3.0 00 00"}, 30},
    // Invalid headers: the records before stay, the interval is the bad header's.
    {"MonthZeroStopsTheParse", 0, "T230515080001+001.00000T230015080007+002.00000",
     {"2023-05-15 08:00 1.0 00 00"}, 7, false, 23},
    {"MonthThirteenStopsTheParse", 0, "T231315080007", {}, 7, false, 0},
    {"MonthNotANumberStopsTheParse", 0, "T23AB15080007", {}, 7, false, 0},
    {"DayZeroStopsTheParse", 0, "T230500080007", {}, 7, false, 0},
    {"DayThirtyTwoStopsTheParse", 0, "T230532080007", {}, 7, false, 0},
    {"HourTwentyFourStopsTheParse", 0, "T230515240007", {}, 7, false, 0},
    {"NegativeHourStopsTheParse", 0, "T230515-10007", {}, 7, false, 0},
    {"MinuteSixtyStopsTheParse", 0, "T230515086007", {}, 7, false, 0},
    {"BadHeaderAfterDataReportsItsOffset", 0, "T230515080001+001.00000+001.00000T239915080005",
     {"2023-05-15 08:00 1.0 00 00", "2023-05-15 08:01 1.0 00 00"}, 5, false, 33},
};

class LogParse : public ::testing::TestWithParam<ParseCase>
{
protected:
    ScopedTimeZone m_zone{"KST-9"};
};

TEST_P(LogParse, GivesTheDocumentedRecords)
{
    const ParseCase& c = GetParam();
    ParsedLog parsed;
    parsed.nInterval = c.nIntervalBefore;
    ParseInto(c.bytes, parsed);
    EXPECT_EQ(c.records, Describe(parsed.records));
    EXPECT_EQ(c.nIntervalAfter, parsed.nInterval);
    EXPECT_EQ(c.bOk, parsed.result.bOk);
    if (!c.bOk) {
        EXPECT_EQ(c.nBadHeaderOffset, parsed.result.nBadHeaderOffset);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LogParse, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.pszName; });

TEST(LogParseRecords, WorkedExampleHasAlarmTextAndProductLine)
{
    ScopedTimeZone zone("KST-9");
    ParsedLog parsed;
    ParseInto("T230515083005-025.30001-024.90000", parsed);
    const std::vector<TempRecord*> items = parsed.records.Items();
    ASSERT_EQ(2u, items.size());
    EXPECT_STREQ("HIGH TEMP ALARM", items[0]->strAlarm);
    EXPECT_STREQ("", items[1]->strAlarm);
    EXPECT_STREQ("ULT-FREEZER (2023-05-15)",
                 FormatProductLine("ULT-FREEZER", parsed.result.strEarliest, parsed.result.strLatest));
}

struct DatesCase
{
    const char* pszName;
    std::string bytes;
    const char* pszEarliest;
    const char* pszLatest;
};

const DatesCase kDatesCases[] = {
    {"NoRecordLeavesTheStartValues", "T230515080001", "9999", "0000"},
    {"OneRecordIsBothEarliestAndLatest", "T230515080001+001.00000", "2023-05-15", "2023-05-15"},
    {"ClockSetBackFindsTheLowestDate", "T230515235901+001.00000+001.00000T230510080001+001.00000",
     "2023-05-10", "2023-05-16"},
    {"RecordWithoutHeaderIsDatedAtTheEpoch", "+001.00000", "1970-01-01", "1970-01-01"},
};

class LogParseDates : public ::testing::TestWithParam<DatesCase>
{
protected:
    ScopedTimeZone m_zone{"KST-9"};
};

TEST_P(LogParseDates, YieldsEarliestAndLatestRecordDate)
{
    const DatesCase& c = GetParam();
    ParsedLog parsed;
    ParseInto(c.bytes, parsed);
    EXPECT_STREQ(c.pszEarliest, parsed.result.strEarliest);
    EXPECT_STREQ(c.pszLatest, parsed.result.strLatest);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogParseDates, ::testing::ValuesIn(kDatesCases),
                         [](const ::testing::TestParamInfo<DatesCase>& info) { return info.param.pszName; });

TEST(LogParseRecords, DateBeforeTheEpochCountsAsEarliest)
{
    ScopedTimeZone zone("KST-9");
    ParsedLog parsed;
    parsed.nInterval = -5;
    ParseInto("+001.00000+001.00000", parsed);
    EXPECT_STREQ("0000-00-00", parsed.result.strEarliest);
    EXPECT_STREQ("1970-01-01", parsed.result.strLatest);
}

TEST(LogParseRecords, IntervalIsKeptFromOneLoadToTheNext)
{
    ScopedTimeZone zone("KST-9");
    ParsedLog first;
    ParseInto("T230515080007+001.00000", first);
    ParsedLog second;
    second.nInterval = first.nInterval;
    ParseInto("+001.00000+001.00000T230516080001", second);
    const std::vector<TempRecord*> items = second.records.Items();
    ASSERT_EQ(2u, items.size());
    EXPECT_STREQ("09:07", items[1]->strTime);
    EXPECT_EQ(1, second.nInterval);
}

TEST(LogParseRecords, ClockRestartsAtTheEpochForEveryLoad)
{
    ScopedTimeZone zone("KST-9");
    ParsedLog parsed;
    parsed.nInterval = 60;
    ParseInto("+001.00000", parsed);
    ParseInto("+001.00000", parsed);
    const std::vector<TempRecord*> items = parsed.records.Items();
    ASSERT_EQ(2u, items.size());
    EXPECT_STREQ("09:00", items[1]->strTime);
}

TEST(LogParseRecords, ClearingDeletesEveryRecord)
{
    ScopedTimeZone zone("KST-9");
    ParsedLog parsed;
    ParseInto("T230515080001+001.00000+001.00000", parsed);
    const void* pFirst = parsed.records.list.GetHead();
    DeleteTempRecords(parsed.records.list);
    EXPECT_TRUE(parsed.records.list.IsEmpty());
    // Records live in shared blocks that are refilled from their start once every record in
    // them is gone: a record that was kept would push the next one to a later slot.
    TempRecord* pNext = new TempRecord;
    EXPECT_EQ(pFirst, pNext) << "a cleared record was not deleted";
    delete pNext;
}

}  // namespace

namespace {

// The view's own members, on a view whose window was never created.
TEST(ViewParseLog, RecordsBeforeTheFirstHeaderEverShareTheEpochThenKeepTheLastInterval)
{
    ScopedTimeZone zone("KST-9");
    CTempDegreeContainer view;
    const std::string noHeader = "+001.00000+002.00000";
    view.ParseLog(noHeader.data(), noHeader.size());
    std::vector<std::string> times;
    POSITION pos = view.m_records.GetHeadPosition();
    while (pos != nullptr)
        times.push_back(static_cast<TempRecord*>(view.m_records.GetNext(pos))->strTime.str());
    EXPECT_EQ((std::vector<std::string>{"09:00", "09:00"}), times);

    view.ClearRecords();
    EXPECT_TRUE(view.m_records.IsEmpty());
    const std::string withHeader = "T230515080015+001.00000";
    EXPECT_TRUE(view.ParseLog(withHeader.data(), withHeader.size()).bOk);
    view.ClearRecords();
    view.ParseLog(noHeader.data(), noHeader.size());
    ASSERT_EQ(2, view.m_records.GetCount());
    EXPECT_STREQ("09:15", static_cast<TempRecord*>(view.m_records.GetTail())->strTime);
}

}  // namespace
