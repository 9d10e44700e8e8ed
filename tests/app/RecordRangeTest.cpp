// The walk that re-selects the last searched range (alarm-only filter, graph print).
#include "app/RecordRange.h"
#include "app/TempRecord.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
std::string CollectedDates(const std::vector<const char*>& dates, const char* start, const char* end)
{
    std::vector<std::unique_ptr<TempRecord>> owned;
    CObList records;
    for (const char* date : dates)
    {
        owned.push_back(std::make_unique<TempRecord>());
        owned.back()->strDate = date;
        records.AddTail(owned.back().get());
    }
    CObList out;
    CollectRecordsInRange(records, start, end, out);
    std::string result;
    for (POSITION pos = out.GetHeadPosition(); pos != nullptr;)
    {
        if (!result.empty())
            result += ' ';
        result += static_cast<TempRecord*>(out.GetNext(pos))->strDate.GetString();
    }
    return result;
}
}  // namespace

TEST(RecordRange, SelectsTheRangeSkippingEarlierDatesAndStoppingAtTheFirstLaterOne)
{
    const struct { std::vector<const char*> dates; const char* start; const char* end; std::string expected; } cases[] = {
        {{"2023-05-14", "2023-05-15", "2023-05-15", "2023-05-16"}, "2023-05-15", "2023-05-15",
         "2023-05-15 2023-05-15"},
        // Earlier dates anywhere are passed over without ending the walk.
        {{"2023-05-15", "2023-05-01", "2023-05-16"}, "2023-05-15", "2023-05-21", "2023-05-15 2023-05-16"},
        // A clock set back: the walk ends at the first date past the range.
        {{"2023-05-15", "2023-05-22", "2023-05-16"}, "2023-05-15", "2023-05-21", "2023-05-15"},
        // A week across the end of a year.
        {{"2023-12-29", "2023-12-31", "2024-01-01", "2024-01-04", "2024-01-05"}, "2023-12-29", "2024-01-04",
         "2023-12-29 2023-12-31 2024-01-01 2024-01-04"},
        {{}, "2023-05-15", "2023-05-15", ""},
        {{"2023-05-16"}, "2023-05-15", "2023-05-15", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CollectedDates(c.dates, c.start, c.end)) << c.start << " .. " << c.end;
}
