#include "LogComparison.h"

#include <algorithm>
#include <sstream>

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string RecordDisagreement(size_t index, const RefRecord& e, const RefRecord& a)
{
    std::ostringstream out;
    if (e.date != a.date)
        out << " date " << Quoted(a.date) << " expected " << Quoted(e.date) << ";";
    if (e.time != a.time)
        out << " time " << Quoted(a.time) << " expected " << Quoted(e.time) << ";";
    if (e.temp != a.temp)
        out << " temperature " << Quoted(a.temp) << " expected " << Quoted(e.temp) << ";";
    if (e.alarm1 != a.alarm1 || e.alarm2 != a.alarm2)
        out << " alarm bytes " << int(a.alarm1) << "," << int(a.alarm2) << " expected " << int(e.alarm1)
            << "," << int(e.alarm2) << ";";
    if (e.alarmText != a.alarmText)
        out << " alarm text " << Quoted(a.alarmText) << " expected " << Quoted(e.alarmText) << ";";
    std::string problems = out.str();
    return problems.empty() ? problems : "record " + std::to_string(index) + ":" + problems;
}

}  // namespace

std::string DescribeDisagreement(const RefOutcome& expected, const RefOutcome& actual)
{
    std::ostringstream out;
    if (expected.stoppedAtBadHeader != actual.stoppedAtBadHeader)
        out << "stop at invalid header: " << actual.stoppedAtBadHeader << " expected "
            << expected.stoppedAtBadHeader << "\n";
    if (expected.stoppedAtBadHeader && actual.stoppedAtBadHeader &&
        expected.badHeaderOffset != actual.badHeaderOffset)
        out << "invalid header at " << actual.badHeaderOffset << " expected " << expected.badHeaderOffset << "\n";
    if (expected.interval != actual.interval)
        out << "interval " << actual.interval << " expected " << expected.interval << "\n";
    if (expected.records.size() != actual.records.size())
        out << "records " << actual.records.size() << " expected " << expected.records.size() << "\n";
    // The dates are compared only for a parse that did not stop: a stopped one yields none.
    if (!expected.stoppedAtBadHeader &&
        (expected.earliest != actual.earliest || expected.latest != actual.latest))
        out << "dates " << Quoted(actual.earliest) << "~" << Quoted(actual.latest) << " expected "
            << Quoted(expected.earliest) << "~" << Quoted(expected.latest) << "\n";
    size_t common = std::min(expected.records.size(), actual.records.size());
    for (size_t i = 0; i < common; ++i) {
        std::string line = RecordDisagreement(i, expected.records[i], actual.records[i]);
        if (!line.empty()) {
            out << line << "\n";
            break;
        }
    }
    return out.str();
}
