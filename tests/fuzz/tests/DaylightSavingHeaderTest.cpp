// Headers inside the hour that daylight saving repeats or skips: the platform's rule settles
// them, the same way on every load whatever was converted before.
#include "ZoneGuard.h"
#include "app/TempDegreeContainerLog.h"
#include "app/TempRecord.h"
#include "framework/CObList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Times(const std::string& bytes)
{
    CObList records(10);
    int nInterval = 0;
    ParseTempLog(bytes.data(), bytes.size(), records, nInterval);
    std::vector<std::string> times;
    for (POSITION pos = records.GetHeadPosition(); pos;) {
        const TempRecord* record = static_cast<const TempRecord*>(records.GetNext(pos));
        times.push_back((record->strDate + " " + record->strTime).GetString());
    }
    DeleteTempRecords(records);
    return times;
}

struct DstCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> times;
};

const DstCase kCases[] = {
    // Read as standard time: an hour later the clock shows the next hour.
    {"RepeatedAutumnHourIsStandardTime", "T231029022060+001.00000+002.00000",
     {"2023-10-29 02:20", "2023-10-29 03:20"}},
    {"HourBeforeTheRepeatIsDaylightTime", "T231029015960+001.00000+002.00000",
     {"2023-10-29 01:59", "2023-10-29 02:59"}},
    // Read as daylight time: the moment lies before the change and shows an hour earlier.
    {"SkippedSpringHourIsReadAsDaylightTime", "T230326023030+001.00000+002.00000+003.00000",
     {"2023-03-26 01:30", "2023-03-26 03:00", "2023-03-26 03:30"}},
};

}  // namespace

TEST(DaylightSavingHeader, SettledByThePlatformRuleWhateverCameBefore)
{
    ZoneGuard zone("Europe/Berlin");
    for (const DstCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Times(c.bytes), c.times);
        // A conversion in daylight time before must not change how the repeated hour reads.
        Times("T230715120001+001.00000");
        EXPECT_EQ(Times(c.bytes), c.times);
        Times("T230115120001+001.00000");
        EXPECT_EQ(Times(c.bytes), c.times);
    }
}
