// Records in equals records out: for generated logs of every shape, the parse yields exactly
// the data records the generator wrote, in file order, with the texts the format gives them.
#include "../LogComparison.h"
#include "../LogReference.h"
#include "../ProductLog.h"
#include "ZoneGuard.h"
#include "tools/loggen/LogGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Shape
{
    const char* name;
    const char* zone;
    loggen::LogOptions options;
};

loggen::LogOptions Options(int kind, loggen::CivilTime start, int days, int interval, uint64_t seed,
                           bool restarts, int setBack = 0, bool malformedTail = false)
{
    loggen::LogOptions o;
    o.nKind = kind;
    o.start = start;
    o.nDays = days;
    o.nInterval = interval;
    o.nSeed = seed;
    o.bEvents = true;
    o.bBlackouts = restarts;
    o.nClockSetBackMinutes = setBack;
    o.bMalformedTail = malformedTail;
    return o;
}

std::vector<Shape> Shapes()
{
    std::vector<Shape> shapes;
    const int intervals[] = {1, 2, 3, 5, 7, 10, 13, 15, 20, 30, 45, 59, 60};
    for (int kind = 1; kind <= 3; ++kind) {
        for (int interval : intervals) {
            const uint64_t seed = kind * 100 + interval;
            shapes.push_back({"steady", "UTC", Options(kind, {2023, 5, 15, 8, 30}, 9, interval, seed, false)});
            shapes.push_back({"restarts", "UTC", Options(kind, {2023, 12, 27, 0, 0}, 40, interval, seed, true)});
            shapes.push_back(
                {"clock set back", "UTC", Options(kind, {2024, 2, 26, 23, 0}, 8, interval, seed, true, 2 * 1440 + 17)});
            shapes.push_back({"spring forward", "Europe/Berlin",
                              Options(kind, {2023, 3, 24, 0, 0}, 5, interval, seed, true, 0, true)});
            shapes.push_back({"fall back", "Europe/Berlin", Options(kind, {2023, 10, 27, 1, 59}, 5, interval, seed, false)});
            shapes.push_back({"southern zone", "America/Sao_Paulo",
                              Options(kind, {2018, 11, 2, 22, 0}, 4, interval, seed, true, 90, true)});
        }
    }
    return shapes;
}

std::string Describe(const Shape& shape)
{
    return std::string(shape.name) + " in " + shape.zone + ", kind " + std::to_string(shape.options.nKind) +
           ", interval " + std::to_string(shape.options.nInterval);
}

}  // namespace

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
