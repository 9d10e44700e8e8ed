// A Week search over every start day of a generated log puts every record of its seven days in
// the radar list (and the table list), every record of the start day in the graph list, and
// stamps each with its minute from the start day's midnight.
#include "LogShapes.h"
#include "ZoneGuard.h"
#include "app/RadarConstants.h"
#include "app/TempDegreeContainerLog.h"
#include "app/TempDegreeContainerSearch.h"
#include "app/TempRecord.h"
#include "tools/loggen/LogGenerator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

int64_t MinutesOfTexts(const std::string& date, const std::string& time)
{
    loggen::CivilTime t;
    std::sscanf(date.c_str(), "%d-%d-%d", &t.nYear, &t.nMonth, &t.nDay);
    std::sscanf(time.c_str(), "%d:%d", &t.nHour, &t.nMinute);
    return loggen::MinutesFromCivil(t);
}

std::vector<TempRecord*> Items(const CObList& list)
{
    std::vector<TempRecord*> items;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        items.push_back(static_cast<TempRecord*>(list.GetNext(pos)));
    return items;
}

// The walk's rule, in plain terms: skip what lies before the window, stop at the first record
// past it (dates ascend in a sound log; after a clock set back the rest is not looked at).
struct Window
{
    std::vector<TempRecord*> week;
    std::vector<TempRecord*> day;
};

Window ExpectedWindow(const std::vector<TempRecord*>& records, const std::string& first, const std::string& last)
{
    Window window;
    for (TempRecord* record : records) {
        std::string date = record->strDate.GetString();
        if (date < first)
            continue;
        if (date > last)
            break;
        window.week.push_back(record);
        if (date == first)
            window.day.push_back(record);
    }
    return window;
}

bool DatesAscend(const std::vector<TempRecord*>& records)
{
    for (size_t i = 1; i < records.size(); ++i)
        if (records[i]->strDate < records[i - 1]->strDate)
            return false;
    return true;
}

size_t CountDatedBetween(const std::vector<TempRecord*>& records, const std::string& first, const std::string& last)
{
    size_t n = 0;
    for (TempRecord* record : records)
        n += record->strDate >= first.c_str() && record->strDate <= last.c_str();
    return n;
}

void CheckRadarSlots(const std::vector<TempRecord*>& radar, const SearchWalk& walk)
{
    std::vector<float> values(RADAR_MINUTES);
    std::vector<double> angles(RADAR_MINUTES);
    FillRadarSlots(walk.radarList, values.data(), angles.data());
    std::map<int, float> expected;  // a later record of the same minute wins
    for (TempRecord* record : radar)
        if (record->nMinuteIndex >= 0 && record->nMinuteIndex < RADAR_MINUTES)
            expected[record->nMinuteIndex] = static_cast<float>(std::atof(record->strTemp));
    for (int slot = 0; slot < RADAR_MINUTES; ++slot) {
        auto it = expected.find(slot);
        ASSERT_EQ(values[slot], it == expected.end() ? RADAR_NO_VALUE : it->second) << "slot " << slot;
    }
}

// Owns the parsed records for one case, also when an assertion leaves early.
struct OwnedRecords
{
    CObList list{10};
    ~OwnedRecords() { DeleteTempRecords(list); }
};

struct PickedTime
{
    int hour;
    int minute;
};

// The picker keeps a time of day; the window must not depend on it.
const PickedTime kPickedTimes[] = {{0, 30}, {12, 0}, {23, 30}};

}  // namespace

TEST(WeekSearchCoverage, EveryStartDayTakesEveryRecordOfItsWindow)
{
    for (Shape shape : Shapes()) {
        const int interval = shape.options.nInterval;
        if (interval != 1 && interval != 7 && interval != 60)
            continue;
        shape.options.nDays = std::min(shape.options.nDays, 12);
        SCOPED_TRACE(Describe(shape));
        ZoneGuard zone(shape.zone);
        const loggen::GeneratedLog log = loggen::GenerateLog(shape.options);
        OwnedRecords owned;
        CObList& list = owned.list;
        int nInterval = 0;
        ASSERT_TRUE(ParseTempLog(log.bytes.data(), log.bytes.size(), list, nInterval).bOk);
        const std::vector<TempRecord*> records = Items(list);
        ASSERT_FALSE(records.empty());
        const bool ascending = DatesAscend(records);

        const int64_t firstDay = MinutesOfTexts(records.front()->strDate.GetString(), "00:00") / 1440;
        const int64_t lastDay = MinutesOfTexts(records.back()->strDate.GetString(), "00:00") / 1440;
        for (int64_t day = firstDay - 7; day <= lastDay + 1; ++day) {
            const std::string first = loggen::DateText(day * 1440);
            const std::string last = loggen::DateText((day + 6) * 1440);
            const loggen::CivilTime civil = loggen::CivilFromMinutes(day * 1440);
            for (const PickedTime& picked : kPickedTimes) {
                SCOPED_TRACE("start " + first + " picked at " + std::to_string(picked.hour) + ":" +
                             std::to_string(picked.minute));
                CTime moment(civil.nYear, civil.nMonth, civil.nDay, picked.hour, picked.minute, 0);
                SearchWalk walk;
                RunSearchWalk(moment, true, list, shape.options.nKind, walk);
                ASSERT_EQ(walk.strSearchStart, first.c_str());
                ASSERT_EQ(walk.strWeekLastDay, last.c_str());
                ASSERT_EQ(walk.strSearchEnd, last.c_str());

                const Window expected = ExpectedWindow(records, first, last);
                if (ascending)
                    ASSERT_EQ(expected.week.size(), CountDatedBetween(records, first, last));
                ASSERT_EQ(Items(walk.radarList), expected.week);
                ASSERT_EQ(Items(walk.tableList), expected.week);
                ASSERT_EQ(Items(walk.graphList), expected.day);
                ASSERT_EQ(walk.bPrintEnabled, !expected.day.empty());
                const int64_t midnight = day * 1440;
                for (TempRecord* record : expected.week)
                    ASSERT_EQ(record->nMinuteIndex,
                              MinutesOfTexts(record->strDate.GetString(), record->strTime.GetString()) - midnight);
                if (!expected.week.empty()) {
                    const TempRecord* head = expected.week.front();
                    COleDateTime firstMoment(walk.firstTime);
                    ASSERT_EQ(firstMoment.Format("%Y-%m-%d %H:%M"),
                              (head->strDate + " " + head->strTime).GetString());
                }
                if (picked.hour == 12 && day % 3 == 0)
                    CheckRadarSlots(expected.week, walk);
            }
        }
    }
}
