// Records in equals records out: for generated logs of every shape, the parse yields exactly
// the data records the generator wrote, in file order, with the texts the format gives them.
#include "../LogComparison.h"
#include "../LogReference.h"
#include "../ProductLog.h"
#include "LogShapes.h"
#include "ZoneGuard.h"
#include "tools/loggen/LogGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(RecordsRoundTrip, EveryGeneratedRecordComesOutOnceInFileOrder)
{
    for (const Shape& shape : Shapes()) {
        SCOPED_TRACE(Describe(shape));
        ZoneGuard zone(shape.zone);
        const loggen::GeneratedLog log = loggen::GenerateLog(shape.options);
        const auto* bytes = reinterpret_cast<const unsigned char*>(log.bytes.data());
        const RefOutcome parsed = RunProductParse(bytes, log.bytes.size(), 0);

        ASSERT_FALSE(parsed.stoppedAtBadHeader);
        ASSERT_EQ(parsed.records.size(), log.records.size());
        ASSERT_EQ(parsed.interval, shape.options.nInterval);
        const bool civilClock = std::string(shape.zone) == "UTC";
        for (size_t i = 0; i < log.records.size(); ++i) {
            const loggen::LogRecord& in = log.records[i];
            const RefRecord& out = parsed.records[i];
            SCOPED_TRACE("record " + std::to_string(i));
            ASSERT_EQ(out.temp, loggen::TempText(in.nTenths));
            ASSERT_EQ(out.alarm1, in.byAlarm1);
            ASSERT_EQ(out.alarm2, in.byAlarm2);
            ASSERT_EQ(out.alarmText, ReferenceAlarmText(in.byAlarm1, in.byAlarm2));
            // Without daylight saving the controller's clock text is the record's time.
            if (civilClock) {
                ASSERT_EQ(out.date, loggen::DateText(in.nClockMinutes));
                ASSERT_EQ(out.time, loggen::TimeText(in.nClockMinutes));
            }
        }
        // Across daylight-saving changes the times follow the header's moment plus the
        // intervals: the reference reading works that out with the C library.
        const RefOutcome expected = ReadLogForReference(bytes, log.bytes.size(), 0);
        ASSERT_EQ(DescribeDisagreement(expected, parsed), "");
    }
}
